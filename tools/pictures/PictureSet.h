// Every picture file of the game, made in memory, keyed by its path under assets/.
#pragma once
#include <QByteArray>
#include <QString>
#include <map>

class FontSet;

class PictureSet {
public:
    static std::map<QString, QByteArray> make(const FontSet& fonts);
};
