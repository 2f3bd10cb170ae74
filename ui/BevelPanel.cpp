// Panels and their bevels.
#include "BevelPanel.h"

#include <QPainter>

namespace {

// One bevel ring around `r`: the top colour on the left column and top row, the bottom colour on
// the right column and bottom row, which also take the top-right and bottom-left corners.
void drawBevel(QPainter& painter, const QRect& r, const QColor& top, const QColor& bottom)
{
    painter.fillRect(r.left(), r.top(), 1, r.height() - 1, top);
    painter.fillRect(r.left(), r.top(), r.width() - 1, 1, top);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottom);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottom);
}

}  // namespace

BevelPanel::BevelPanel(QWidget* parent, const QRect& box, Frame frame)
    : Control(parent), frame_(frame)
{
    setGeometry(box);
}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (frame_ == Frame::None)
        return;
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    drawBevel(painter, rect(), light, dark);
    drawBevel(painter, rect().adjusted(1, 1, -1, -1), dark, light);
}
