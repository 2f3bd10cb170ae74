// A text label: one line in its own font, centred across the label and aligned to its top, with
// no background. Setting the caption it already shows changes nothing and repaints nothing.
#pragma once
#include <QString>

#include "Control.h"

class TextLabel : public Control {
    Q_OBJECT
public:
    TextLabel(QWidget* parent, const QRect& box, int pixelSize, const QString& caption);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};
