// Picture drawing: the see-through colour is resolved once, when the picture is set.
#include "PictureBox.h"

#include <QPainter>

namespace {

QImage withBottomLeftColourClear(const QImage& picture)
{
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const QRgb key = image.pixel(0, image.height() - 1) | 0xFF000000u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

PictureBox::PictureBox(QWidget* parent, const QRect& box, const QImage& picture, Options options)
    : Control(parent),
      picture_(options.transparent ? withBottomLeftColourClear(picture) : picture),
      centred_(options.centred)
{
    setGeometry(options.autoSize ? QRect(box.topLeft(), picture.size()) : box);
}

QPoint PictureBox::pictureOffset() const
{
    if (!centred_)
        return {0, 0};
    // Halves rounded down, also when the picture is larger than the box.
    auto half = [](int d) { return d >= 0 ? d / 2 : -((-d + 1) / 2); };
    return {half(width() - picture_.width()), half(height() - picture_.height())};
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(pictureOffset(), picture_);
}
