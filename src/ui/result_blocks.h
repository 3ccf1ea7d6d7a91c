// The blocks of the result window, each shown from the one Calculation the
// window was given: the headline (the sign's picture and name, the Moon's
// position, nakshatra and ayanamsa, and when it entered and leaves the
// sign), the notices of a birth close to a change, the precise second
// opinion, and, for a birth time not known exactly, every sign of that
// stretch of time.
#pragma once

#include "calculation/calculation.h"
#include "ui/sign_pictures.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QVBoxLayout;

namespace nyra {

class NoticeFrame;

class SignHeadline : public QWidget {
    Q_OBJECT
public:
    explicit SignHeadline(QWidget* parent);
    // `sign` is the calculation's sign described in `language`, the
    // language of every line.
    void Show(const Calculation& calculation, const SignDescription& sign, Language language);
    // The column right of the picture, under the headline's own lines, where
    // the window stacks its further blocks.
    QVBoxLayout* column() const { return column_; }
    // A line right of the sign's name, above what it was calculated with.
    void AddBesideTheName(QWidget* line);

private:
    QLabel* signPicture = nullptr;
    QLabel* signName = nullptr;
    QLabel* moonPositionLine = nullptr;
    QLabel* nakshatraLine = nullptr;
    QLabel* ayanamsaLine = nullptr;
    QLabel* basisLine = nullptr;
    QLabel* signSpanLine = nullptr;
    QLabel* nakshatraSpanLine = nullptr;
    QLabel* clockLine = nullptr;  ///< Whose clock the change times are on, for an atlas zone.
    QVBoxLayout* column_ = nullptr;
    QVBoxLayout* aside_ = nullptr;
    // The image list: one picture per sign, under its English name.
    std::vector<KeyedPicture> signPictures;
};

// A birth close to a change of sign or of nakshatra.
class MoonNotices : public QWidget {
    Q_OBJECT
public:
    explicit MoonNotices(QWidget* parent);
    void Show(const Calculation& calculation, Language language);
    std::vector<NoticeFrame*> frames() const { return {signNotice, nakshatraNotice}; }

private:
    NoticeFrame* signNotice = nullptr;
    NoticeFrame* nakshatraNotice = nullptr;
};

// The second opinion (Swiss Ephemeris on the Classic basis, the classic
// formula on the Precise basis), with the list of ayanamsas.
class PreciseLine : public QWidget {
    Q_OBJECT
public:
    explicit PreciseLine(QWidget* parent);
    void SetTexts();
    void Show(const Calculation& calculation, Language language);
    NoticeFrame* notice() const { return preciseNotice; }

signals:
    void ayanamsaChosen(nyra::Ayanamsa ayanamsa);

private:
    QLabel* preciseLine = nullptr;
    QComboBox* ayanamsaList = nullptr;
    NoticeFrame* preciseNotice = nullptr;
};

// The calculation's sign description in `language`: the calculation's own
// in English, which the others are looked up by.
SignDescription DescriptionIn(const Calculation& calculation, Language language);

// "fraTimeWindow": hidden for an exact time; blue when one sign covers the
// whole stretch of time, amber when it does not.
NoticeFrame* NewTimeWindowBlock(QWidget* parent);
void ShowTimeWindow(NoticeFrame* block, const Calculation& calculation, Language language);

}  // namespace nyra
