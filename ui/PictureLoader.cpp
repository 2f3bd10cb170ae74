// Picture loading by file type.
#include "PictureLoader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <stdexcept>

#include "JpegDecoder.h"

QImage PictureLoader::load(const QString& name)
{
    QFile file(QStringLiteral(":/pictures/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("Cannot open picture " + name.toStdString());
    return decode(file.readAll(), name);
}

QImage PictureLoader::decode(const QByteArray& data, const QString& name)
{
    QImage image;
    if (name.endsWith(QStringLiteral(".jpg"))) {
        image = JpegDecoder::decode(data);
    } else {
        QBuffer buffer;
        buffer.setData(data);
        QImageReader reader(&buffer, name.section(QLatin1Char('.'), -1).toLatin1());
        image = reader.read();
    }
    if (image.isNull())
        throw std::runtime_error("Cannot read picture " + name.toStdString());
    return image;
}
