// Pictures for a person to look at: every asset file on one sheet, and a mock of the whole window.
#pragma once
#include <QImage>
#include <QString>

class FontSet;

class ContactSheet {
public:
    ContactSheet(const FontSet& fonts, const QString& assetsDir) : fonts_(fonts), assetsDir_(assetsDir) {}

    // Every picture as read back from its file, small ones enlarged two or four times, each named.
    QImage sheet() const;
    // The window three times, on a desktop colour and cut to its stored shape: in play, with the
    // instructions shown, and with the victory shown.
    QImage window() const;

private:
    QImage load(const QString& name) const;
    QImage windowState(int overlay) const;

    const FontSet& fonts_;
    QString assetsDir_;
};
