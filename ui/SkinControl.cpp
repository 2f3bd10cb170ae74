// Dragging the window by its skin.
#include "SkinControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "Layout.h"

SkinControl::SkinControl(QWidget* parent, const QImage& skin)
    : PictureBox(parent, Layout::CoolForm1, skin, {})
{
}

void SkinControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!clip_.isEmpty())
        painter.setClipRegion(clip_);
    painter.drawImage(pictureOffset(), drawnPicture());
}

void SkinControl::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    QWidget* top = window();
    QWindow* handle = top->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    // No window manager to do it: move the window ourselves while the button is held.
    movingByHand_ = true;
    grabOffset_ = event->globalPosition().toPoint() - top->pos();
}

void SkinControl::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (movingByHand_ && (event->buttons() & Qt::LeftButton))
        window()->move(event->globalPosition().toPoint() - grabOffset_);
}

void SkinControl::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        movingByHand_ = false;
}
