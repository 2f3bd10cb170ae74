#include "HintStyle.h"

#include "Layout.h"

int HintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return Layout::HintWakeUpDelay;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
