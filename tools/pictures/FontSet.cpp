// Loads Liberation Sans (regular and bold) from the Debian package's files.
#include "FontSet.h"

#include <QFontDatabase>
#include <QStringList>
#include <stdexcept>

namespace {

QString loadFamily(const QString& path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = id < 0 ? QStringList{} : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        throw std::runtime_error("cannot load font " + path.toStdString());
    return families.front();
}

}  // namespace

FontSet::FontSet()
    : regularFamily_(loadFamily("/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf")),
      boldFamily_(loadFamily("/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf"))
{
}

QFont FontSet::sans(int pixelSize, bool bold) const
{
    QFont font(bold ? boldFamily_ : regularFamily_);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setKerning(true);
    return font;
}
