// The program's pictures, painted at run time so they stay sharp at any
// screen scale: one per zodiac sign, and the Moon of the main window.
#pragma once

#include <QPixmap>
#include <QString>

#include <vector>

namespace nyra {

// One picture of the image list, stored under the sign's English name.
struct KeyedPicture {
    QString key;
    QPixmap picture;
};

// The sign's glyph (or its three-letter abbreviation when no installed font
// has the glyph) in white on a disc coloured by the sign's element. `sizePx`
// is in device-independent pixels. An unknown name gives a null pixmap.
QPixmap PaintSignPicture(const QString& englishName, int sizePx, qreal devicePixelRatio);

// All twelve, Aries first, each under its English name ("Aries" .. "Pisces").
std::vector<KeyedPicture> MakeSignPictures(int sizePx, qreal devicePixelRatio);

// The same twelve, painted once per size, scale and program font for the
// whole program and then shared (a pixmap copy shares its pixels): each
// result window holds its own list without painting it again. For the GUI
// thread only.
std::vector<KeyedPicture> SharedSignPictures(int sizePx, qreal devicePixelRatio);

// The picture stored under `key`, walking from the first; null when no key
// matches exactly.
QPixmap FindPicture(const std::vector<KeyedPicture>& pictures, const QString& key);

// A crescent Moon and a few stars on a deep blue disc.
QPixmap PaintMoonPicture(int sizePx, qreal devicePixelRatio);

}  // namespace nyra
