// Light and dark desktop palettes, and what a widget looks like as drawn,
// for the tests that check texts stay readable under either.
#pragma once

#include <QColor>
#include <QPalette>

#include <ostream>

class QWidget;

namespace nyra::theme_test {

// WCAG 2's level AA for normal text.
inline constexpr double kMinimumTextContrast = 4.5;

QPalette LightPalette();
QPalette DarkPalette();

struct ThemeCase {
    const char* name;
    QPalette (*palette)();
};
inline void PrintTo(const ThemeCase& c, std::ostream* os) { *os << c.name; }

// A widget's commonest colour as drawn is its background; its text is the
// colour that stands out most from it.
struct Drawn {
    QColor background, text;
};
Drawn Measure(QWidget* widget);

inline bool IsDark(QColor c) { return c.lightness() < 128; }

}  // namespace nyra::theme_test
