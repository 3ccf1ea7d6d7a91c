#include "ui/note_style.h"

#include <QLabel>

namespace nyra {
namespace {

constexpr double kNoteFontScale = 0.92;
constexpr float kQuietAlpha = 0.72f;
// The amber of the result window's notices: above 4.5:1 against the
// window of a light and of a dark theme alike.
constexpr const char* kLightWarning = "#8a5a00";
constexpr const char* kDarkWarning = "#e0a526";

}  // namespace

void SetNoteStyle(QLabel* label, NoteStyle style) {
    const QPalette base = label->parentWidget() ? label->parentWidget()->palette() : QPalette();
    QFont font = label->parentWidget() ? label->parentWidget()->font() : label->font();
    font.setPointSizeF(font.pointSizeF() * kNoteFontScale);
    font.setBold(style == NoteStyle::Warning);
    label->setFont(font);

    QPalette palette = label->palette();
    QColor colour = base.color(QPalette::WindowText);
    if (style == NoteStyle::Quiet) {
        colour.setAlphaF(kQuietAlpha);
    } else {
        const bool dark = base.color(QPalette::Window).lightness() < colour.lightness();
        colour = QColor(QLatin1String(dark ? kDarkWarning : kLightWarning));
    }
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

}  // namespace nyra
