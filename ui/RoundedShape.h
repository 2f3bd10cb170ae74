// A rounded-rectangle shape: a fill and a 1-pixel outline with rounded corners whose corner
// ellipse is a quarter of the shorter side. The square variant is drawn as a square of the
// shorter side, centred in the box.
#pragma once
#include <QColor>

#include "Control.h"

class RoundedShape : public Control {
    Q_OBJECT
public:
    enum class Kind { RoundRect, RoundSquare };

    RoundedShape(QWidget* parent, const QRect& box, Kind kind, QColor fill, QColor outline);

    QColor fill() const { return fill_; }
    // Repaints only when the colour changes.
    void setFill(QColor fill);

    // The outline's bounds inside the box and the corner ellipse's width and height.
    QRect outlineRect() const;
    int cornerEllipse() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor fill_;
    QColor outline_;
};
