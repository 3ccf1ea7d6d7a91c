// The report as a PDF to share: a title block first (the program, the
// person, the birth as entered, the Moon sign with its picture, the Moon's
// position, nakshatra and pada), then the report as the window shows it,
// paged so that a short section never leaves its last lines alone at the
// top of a page, and written so that copied text has plain letters.
#pragma once

#include "base/language.h"
#include "signs/rashi_information.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QTextDocument;

namespace nyra {

struct Calculation;
struct BirthRecord;

// The birth's zone as entered: "UTC+5:30", "UTC−4:00, daylight saving time".
QString ZoneText(const BirthRecord& birth);
// The birth as entered, with its zone: "14 April 1985, 06:30 (UTC+5:30)".
QString BornText(const BirthRecord& birth, Language language);
// "28° 36′ N, 77° 13′ E"
QString CoordinatesText(const BirthRecord& birth);

// What the title block says besides the program's name; an empty text
// leaves its line out.
struct ReportTitle {
    QString name;            ///< "Asha Rao"
    QString born;            ///< "14 April 1985, 06:30 (UTC+5:30)"
    QString birthTime;       ///< "not known (12:00 used for the descriptions)"; empty for an exact time.
    QString place;           ///< "New Delhi, Delhi, India (28° 36′ N, 77° 13′ E)"
    QString moonSign;        ///< "Mesha (Aries)"
    QString possibleSigns;   ///< "Kataka 72% until 17:19, then Simha 28%"; empty for an exact time.
    QString calculatedWith;  ///< "Swiss Ephemeris, Lahiri ayanamsa"
    QString englishName;     ///< Picks the sign's picture: "Aries".
    QString moonPosition;    ///< "23° 07′ 10″ in Mesha"
    QString nakshatra;       ///< "Bharani, pada 3"
};

// The title of a calculation's report, in `language`, with `sign` the
// calculation's sign described in it.
ReportTitle TitleOf(const Calculation& calculation, const SignDescription& sign, Language language);
// The same in English.
ReportTitle TitleOf(const Calculation& calculation);

// Turns shaping off for the document's Latin text, so that it copies as
// plain letters, and leaves it on for Devanagari, which needs it.
void PlainLetters(QTextDocument* document);

// The title block, then the report, in `into` (emptied first): what the
// PDF and the printed page show.
void ComposeTitledReport(QTextDocument* into, const QTextDocument& report, const ReportTitle& title);

// The title block and `report` as a whole PDF file, made in memory.
QByteArray ReportPdf(const QTextDocument& report, const ReportTitle& title = {});

// Whether `pdf` has the beginning and the end of a PDF file.
bool IsCompletePdf(const QByteArray& pdf);

// Writes ReportPdf to `path` with WriteFileAtomically (record/file_io.h): a
// failure leaves an existing file as it was. Returns the reason on failure.
std::optional<QString> WriteReportPdf(const QTextDocument& report, const QString& path, const ReportTitle& title = {});

}  // namespace nyra
