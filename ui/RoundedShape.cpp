// Rounded shapes, drawn crisp (no smoothing) so outline and fill keep their exact colours.
#include "RoundedShape.h"

#include <QPainter>
#include <algorithm>

RoundedShape::RoundedShape(QWidget* parent, const QRect& box, Kind kind, QColor fill, QColor outline)
    : Control(parent), kind_(kind), fill_(fill), outline_(outline)
{
    setGeometry(box);
}

void RoundedShape::setFill(QColor fill)
{
    if (fill == fill_)
        return;
    fill_ = fill;
    update();
}

QRect RoundedShape::outlineRect() const
{
    const int side = std::min(width(), height());
    if (kind_ == Kind::RoundRect)
        return rect();
    return {(width() - side) / 2, (height() - side) / 2, side, side};
}

int RoundedShape::cornerEllipse() const
{
    return std::min(width(), height()) / 4;
}

void RoundedShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(outline_, 1));
    painter.setBrush(fill_);
    // A 1-pixel pen centred on the half-pixel line keeps the outline inside the box.
    const QRectF r = QRectF(outlineRect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = cornerEllipse() / 2.0;
    painter.drawRoundedRect(r, radius, radius);
}
