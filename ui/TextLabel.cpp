// Labels in Liberation Sans Bold, the metric match of Arial, white.
#include "TextLabel.h"

#include <QPainter>

TextLabel::TextLabel(QWidget* parent, const QRect& box, int pixelSize, const QString& caption)
    : Control(parent), caption_(caption)
{
    setGeometry(box);
    QFont face(QStringLiteral("Liberation Sans"));
    face.setPixelSize(pixelSize);
    face.setBold(true);
    setFont(face);
}

void TextLabel::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
}

void TextLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, caption_);
}
