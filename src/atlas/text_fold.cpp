#include "atlas/text_fold.h"

#include <QList>

#include <algorithm>

namespace nyra {
namespace {

bool IsApostrophe(char32_t c) { return std::find(kApostrophes.begin(), kApostrophes.end(), c) != kApostrophes.end(); }

bool IsMark(QChar::Category category) {
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

}  // namespace

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

}  // namespace nyra
