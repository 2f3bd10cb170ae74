// The skin control (CoolForm1): the skin picture under everything. A left-button press on it moves
// the window: the window system's move where it offers one, otherwise the window follows the
// pointer until the button is released. It raises no click.
#pragma once
#include <QPoint>

#include "PictureBox.h"

class SkinControl : public PictureBox {
    Q_OBJECT
public:
    SkinControl(QWidget* parent, const QImage& skin);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool movingByHand_ = false;
    QPoint grabOffset_;  // pointer position minus the window's position when the move began
};
