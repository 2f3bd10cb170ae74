// Click detection shared by every control of the window.
#include "Control.h"

#include <QMouseEvent>

Control::Control(QWidget* parent) : QWidget(parent) {}

void Control::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    event->accept();
}

// The second press of a double click is a press like any other.
void Control::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void Control::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void Control::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !leftPressed_)
        return;
    leftPressed_ = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}
