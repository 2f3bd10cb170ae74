// A picture control: draws its picture 1:1, never scaled, at the box's corner or centred in it,
// optionally leaving out every pixel of the picture's bottom-left colour.
#pragma once
#include <QImage>

#include "Control.h"

class PictureBox : public Control {
    Q_OBJECT
public:
    struct Options {
        bool autoSize = false;     // the box takes the picture's size
        bool centred = false;      // the picture sits in the middle of the box, halves rounded down
        bool transparent = false;  // the bottom-left pixel's colour is not drawn
    };

    // `box` is the stored place and size; with auto-size the size becomes the picture's.
    PictureBox(QWidget* parent, const QRect& box, const QImage& picture, Options options);

    // Where the picture's top-left corner is drawn inside the box.
    QPoint pictureOffset() const;
    // The picture as drawn: with transparency, the see-through pixels have alpha 0.
    const QImage& drawnPicture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    bool centred_;
};
