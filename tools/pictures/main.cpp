// tavlo_picgen: writes every picture of the game (and the first score file) under an assets folder.
//   tavlo_picgen ASSETS_DIR [--contact SHEET.png] [--window MOCK.png]
// The optional pictures are for looking at the result; they are made from the files just written.
#include "ContactSheet.h"
#include "FontSet.h"
#include "PictureSet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <exception>

namespace {

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}

int usage()
{
    std::fputs("usage: tavlo_picgen ASSETS_DIR [--contact SHEET.png] [--window MOCK.png]\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    // Drawing text needs a GUI application, but never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.size() % 2 == 0)
        return usage();
    const QString assets = args.front();
    QString contactPath;
    QString windowPath;
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--contact")
            contactPath = args[i + 1];
        else if (args[i] == "--window")
            windowPath = args[i + 1];
        else
            return usage();
    }

    try {
        const FontSet fonts;
        for (const auto& [name, data] : PictureSet::make(fonts))
            writeFile(assets + "/" + name, data);
        const ContactSheet look(fonts, assets);
        if (!contactPath.isEmpty() && !look.sheet().save(contactPath))
            throw std::runtime_error("cannot write " + contactPath.toStdString());
        if (!windowPath.isEmpty() && !look.window().save(windowPath))
            throw std::runtime_error("cannot write " + windowPath.toStdString());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tavlo_picgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
