// A panel: a black container whose children are clipped to it, optionally framed by an outer
// raised and an inner lowered 1-pixel bevel in the system's 3-D light and shadow colours.
#pragma once
#include "Control.h"

class BevelPanel : public Control {
    Q_OBJECT
public:
    enum class Frame { None, RaisedLowered };

    BevelPanel(QWidget* parent, const QRect& box, Frame frame);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Frame frame_;
};
