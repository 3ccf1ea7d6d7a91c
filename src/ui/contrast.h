// Text contrast as the WCAG 2 guidelines measure it, and a text colour that
// keeps it on a given background whatever the desktop's theme.
#pragma once

#include <QColor>

namespace nyra {

// WCAG 2's level AA for normal text.
inline constexpr double kReadableContrast = 4.5;

// (L1 + 0.05) / (L2 + 0.05) of the two relative luminances, the lighter one
// first: 1 for equal colours, 21 for black on white.
double ContrastRatio(const QColor& a, const QColor& b);

// `text` itself when it has `minimum` contrast on `background`; otherwise
// `text` mixed towards white (on a dark background) or black (on a light
// one) about as little as reaches it, so it keeps what it can of its hue;
// white or black itself when nothing less does.
QColor ReadableOn(const QColor& text, const QColor& background, double minimum = kReadableContrast);

}  // namespace nyra
