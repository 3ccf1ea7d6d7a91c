#include "ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace nyra {
namespace {

// sRGB channel to linear light, WCAG 2's formula and threshold.
double Linear(double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& colour) {
    const QColor c = colour.toRgb();
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const QColor a = from.toRgb(), b = to.toRgb();
    const auto channel = [share](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * share)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& text, const QColor& background, double minimum) {
    if (ContrastRatio(text, background) >= minimum) return text;
    // Whichever end is further from the background gives the most room.
    const QColor end = ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background) ? QColor(Qt::white)
                                                                                                    : QColor(Qt::black);
    // The first of 64 steps towards that end that reads. Not a halving: a
    // text on the wrong side of the background loses contrast before it
    // gains it. On a mid grey not even the end may reach `minimum`; the end
    // is then the best there is.
    constexpr int kSteps = 64;
    for (int step = 1; step < kSteps; ++step) {
        const QColor mixed = Mix(text, end, static_cast<double>(step) / kSteps);
        if (ContrastRatio(mixed, background) >= minimum) return mixed;
    }
    return end;
}

}  // namespace nyra
