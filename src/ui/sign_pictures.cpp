#include "ui/sign_pictures.h"

#include "engine/ephemeris.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

namespace nyra {
namespace {

enum class Element { Fire, Earth, Air, Water };

struct SignGlyph {
    const char* englishName;
    char16_t glyph;  // the Unicode zodiac block, U+2648 .. U+2653
    Element element;
};

constexpr auto kSigns = std::to_array<SignGlyph>({
    // clang-format off
    {"Aries",       u'\u2648', Element::Fire},
    {"Taurus",      u'\u2649', Element::Earth},
    {"Gemini",      u'\u264A', Element::Air},
    {"Cancer",      u'\u264B', Element::Water},
    {"Leo",         u'\u264C', Element::Fire},
    {"Virgo",       u'\u264D', Element::Earth},
    {"Libra",       u'\u264E', Element::Air},
    {"Scorpio",     u'\u264F', Element::Water},
    // clang-format on
    {"Sagittarius", u'\u2650', Element::Fire},
    // clang-format off
    {"Capricorn",   u'\u2651', Element::Earth},
    {"Aquarius",    u'\u2652', Element::Air},
    {"Pisces",      u'\u2653', Element::Water},
    // clang-format on
});
static_assert(kSigns.size() * 3 == SignAbbrevs.size());

// Light centre, dark edge, rim. The rim is darker than the disc (air: a
// golden ring) so the disc stands out on light and dark backgrounds alike.
struct ElementColours {
    QRgb centre, edge, rim;
};

ElementColours ColoursOf(Element element) {
    switch (element) {
    case Element::Fire: return {0xffffa040, 0xffd32f2f, 0xff8e1b1b};
    case Element::Earth: return {0xff9ccc65, 0xff4e7a2a, 0xff6d4c41};
    case Element::Air: return {0xff8fd8fb, 0xff2196d8, 0xfff2bd1d};
    case Element::Water: return {0xff64b5f6, 0xff1546a0, 0xff0d2c6b};
    }
    return {0xff888888, 0xff444444, 0xff222222};
}

QPixmap NewCanvas(int sizePx, qreal devicePixelRatio) {
    const int side = static_cast<int>(std::ceil(sizePx * devicePixelRatio));
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The text's outline, centred on `centre` by its drawn shape rather than by
// the font's line box, which sits glyphs visibly high.
QPainterPath CentredText(const QString& text, const QFont& font, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    return path.translated(centre - box.center());
}

void PaintDisc(QPainter& painter, const QRectF& area, const ElementColours& colours) {
    const qreal rimWidth = area.width() * 0.045;
    const QRectF disc = area.adjusted(rimWidth / 2, rimWidth / 2, -rimWidth / 2, -rimWidth / 2);
    QRadialGradient shade(disc.center() - QPointF(disc.width() * 0.18, disc.height() * 0.2), disc.width() * 0.7);
    shade.setColorAt(0.0, QColor::fromRgb(colours.centre));
    shade.setColorAt(1.0, QColor::fromRgb(colours.edge));
    painter.setBrush(shade);
    painter.setPen(QPen(QColor::fromRgb(colours.rim), rimWidth));
    painter.drawEllipse(disc);
}

}  // namespace

QPixmap PaintSignPicture(const QString& englishName, int sizePx, qreal devicePixelRatio) {
    for (std::size_t k = 0; k < kSigns.size(); ++k) {
        const SignGlyph& sign = kSigns[k];
        if (englishName != QLatin1String(sign.englishName)) continue;

        QPixmap pixmap = NewCanvas(sizePx, devicePixelRatio);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF area(0, 0, sizePx, sizePx);
        PaintDisc(painter, area, ColoursOf(sign.element));

        QFont font;
        font.setFamilies(
            {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Symbols"), QStringLiteral("Segoe UI Symbol")});
        font.setPixelSize(std::max(1, static_cast<int>(sizePx * 0.52)));
        QString text(QChar(sign.glyph));
        if (!QFontMetricsF(font).inFont(QChar(sign.glyph))) {
            font.setPixelSize(std::max(1, static_cast<int>(sizePx * 0.3)));
            font.setBold(true);
            text = QString::fromLatin1(SignAbbrevs.substr(3 * k, 3).data(), 3);
        }
        const QPainterPath glyph = CentredText(text, font, area.center());
        // A soft dark shadow keeps the white glyph readable on the light
        // centre of the disc.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 70));
        painter.drawPath(glyph.translated(sizePx * 0.015, sizePx * 0.02));
        painter.setBrush(Qt::white);
        painter.drawPath(glyph);
        return pixmap;
    }
    return {};
}

std::vector<KeyedPicture> MakeSignPictures(int sizePx, qreal devicePixelRatio) {
    std::vector<KeyedPicture> pictures;
    pictures.reserve(kSigns.size());
    for (const SignGlyph& sign : kSigns) {
        const QString key = QLatin1String(sign.englishName);
        pictures.push_back({key, PaintSignPicture(key, sizePx, devicePixelRatio)});
    }
    return pictures;
}

std::vector<KeyedPicture> SharedSignPictures(int sizePx, qreal devicePixelRatio) {
    // The glyphs' font takes what it does not set from the program's font.
    static std::map<std::tuple<int, qreal, QString>, std::vector<KeyedPicture>> painted;
    auto [entry, isNew] = painted.try_emplace({sizePx, devicePixelRatio, QGuiApplication::font().key()});
    if (isNew) entry->second = MakeSignPictures(sizePx, devicePixelRatio);
    return entry->second;
}

QPixmap FindPicture(const std::vector<KeyedPicture>& pictures, const QString& key) {
    for (const KeyedPicture& entry : pictures) {
        if (entry.key == key) return entry.picture;
    }
    return {};
}

QPixmap PaintMoonPicture(int sizePx, qreal devicePixelRatio) {
    QPixmap pixmap = NewCanvas(sizePx, devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = sizePx;
    const QRectF area(0, 0, s, s);

    const qreal rimWidth = s * 0.03;
    QRadialGradient night(area.center() - QPointF(s * 0.12, s * 0.15), s * 0.62);
    night.setColorAt(0.0, QColor(0x2c, 0x3e, 0x8c));
    night.setColorAt(1.0, QColor(0x0a, 0x10, 0x35));
    painter.setBrush(night);
    painter.setPen(QPen(QColor(0x8a, 0x9b, 0xd8), rimWidth));
    painter.drawEllipse(area.adjusted(rimWidth / 2, rimWidth / 2, -rimWidth / 2, -rimWidth / 2));

    // Stars: centre as a fraction of the side, and their size.
    struct Star {
        qreal x, y, r;
    };
    constexpr Star kStars[] = {
        {0.70, 0.24, 0.030}, {0.80, 0.46, 0.020}, {0.62, 0.72, 0.024},
        {0.30, 0.20, 0.016}, {0.76, 0.66, 0.014}, {0.52, 0.14, 0.012},
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xf6, 0xd0));
    for (const Star& star : kStars) {
        // A four-pointed sparkle: two thin diamonds crossed.
        const QPointF c(star.x * s, star.y * s);
        const qreal r = star.r * s;
        const qreal w = r * 0.28;
        QPolygonF sparkle;
        sparkle << c + QPointF(0, -r * 2) << c + QPointF(w, -w) << c + QPointF(r * 2, 0) << c + QPointF(w, w)
                << c + QPointF(0, r * 2) << c + QPointF(-w, w) << c + QPointF(-r * 2, 0) << c + QPointF(-w, -w);
        painter.drawPolygon(sparkle);
    }

    // The crescent: a disc with a slightly larger one cut out of its right.
    QPainterPath moon;
    moon.addEllipse(QPointF(s * 0.44, s * 0.52), s * 0.27, s * 0.27);
    QPainterPath shadow;
    shadow.addEllipse(QPointF(s * 0.56, s * 0.45), s * 0.25, s * 0.25);
    const QPainterPath crescent = moon.subtracted(shadow);
    QRadialGradient glow(QPointF(s * 0.3, s * 0.5), s * 0.35);
    glow.setColorAt(0.0, QColor(0xff, 0xfb, 0xe6));
    glow.setColorAt(1.0, QColor(0xf3, 0xd2, 0x6b));
    painter.setBrush(glow);
    painter.drawPath(crescent);
    return pixmap;
}

}  // namespace nyra
