// The skin control (CoolForm1): the skin picture under everything. A left-button press on it moves
// the window: the window system's move where it offers one, otherwise the window follows the
// pointer until the button is released. It raises no click.
#pragma once
#include <QPoint>
#include <QRegion>

#include "PictureBox.h"

class SkinControl : public PictureBox {
    Q_OBJECT
public:
    SkinControl(QWidget* parent, const QImage& skin);

    // Draws only inside `shape`, for window systems where the window's shape does not clip what
    // is shown (the window is then see-through outside the shape).
    void clipTo(const QRegion& shape) { clip_ = shape; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRegion clip_;
    bool movingByHand_ = false;
    QPoint grabOffset_;  // pointer position minus the window's position when the move began
};
