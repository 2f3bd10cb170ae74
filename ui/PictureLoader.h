// Loads the game's pictures from the resources built into the program: JPEGs through our libjpeg
// decoder, BMPs through Qt's reader, the shape through ShapeRegion.
#pragma once
#include <QImage>
#include <QString>

class PictureLoader {
public:
    // ":/pictures/" + name; a picture that is missing or unreadable fails with std::runtime_error.
    static QImage load(const QString& name);
    static QImage decode(const QByteArray& data, const QString& name);
};
