// The two faces every lettering uses, loaded from their files so the output never depends on
// which fonts the machine's font configuration happens to prefer.
#pragma once
#include <QFont>
#include <QString>

class FontSet {
public:
    // Throws std::runtime_error when a font file cannot be loaded.
    FontSet();

    // Liberation Sans at a pixel size, antialiased and unhinted so glyphs come out the same everywhere.
    QFont sans(int pixelSize, bool bold) const;

private:
    QString regularFamily_;
    QString boldFamily_;
};
