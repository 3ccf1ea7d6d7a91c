#include "atlas/text_fold.h"

#include <QList>

#include <array>

namespace nyra {
namespace {

// Latin letters that have no decomposition, so NFKD leaves them whole; each
// is spelled as a person without the letter on the keyboard would type it.
// Case folding runs first, so only the small letters are listed.
struct Respelling {
    char32_t letter;
    const char* plain;
};
constexpr std::array<Respelling, 12> kRespellings{{
    {U'\u00DF', "ss"}, // ß
    {U'\u00E6', "ae"}, // æ
    {U'\u00F0', "d"},  // ð
    {U'\u00F8', "o"},  // ø
    {U'\u00FE', "th"}, // þ
    {U'\u0111', "d"},  // đ
    {U'\u0127', "h"},  // ħ
    {U'\u0131', "i"},  // dotless ı
    {U'\u0142', "l"},  // ł
    {U'\u0153', "oe"}, // œ
    {U'\u0167', "t"},  // ŧ
    {U'\u0251', "a"},  // ɑ
}};
static_assert(kRespellings.size() == 12);

// Apostrophes inside a name ("N'dalatando", "Step‘anavan", "Raʼs") are
// dropped, not made word breaks: people type the name with or without them.
// The modifier letters ʻ and ʼ are caught by their category (Lm).
bool IsApostrophe(char32_t c) {
    return c == U'\'' || c == U'`' || c == U'\u2018' || c == U'\u2019';
}

bool IsMark(QChar::Category category) {
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

} // namespace

QString FoldForSearch(QStringView text) {
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    bool pendingBlank = false;
    for (const char32_t c : decomposed.toUcs4()) {
        const QChar::Category category = QChar::category(c);
        if (IsMark(category) || category == QChar::Letter_Modifier || IsApostrophe(c)) continue;
        if (!QChar::isLetterOrNumber(c)) {
            pendingBlank = !key.isEmpty();
            continue;
        }
        if (pendingBlank) {
            key.append(QLatin1Char(' '));
            pendingBlank = false;
        }
        const char32_t folded = QChar::toCaseFolded(c);
        const Respelling* respelling = nullptr;
        for (const Respelling& r : kRespellings)
            if (r.letter == folded) respelling = &r;
        if (respelling)
            key.append(QLatin1String(respelling->plain));
        else
            key.append(QStringView(QChar::fromUcs4(folded)));
    }
    return key;
}

} // namespace nyra
