// The application's style: the platform's own, with hints that wake after the pointer has rested
// for the layout's delay.
#pragma once
#include <QProxyStyle>

class HintStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};
