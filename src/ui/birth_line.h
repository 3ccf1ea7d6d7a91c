// Whose result a window shows: the person, the birth as entered with its
// zone, and the place with the coordinates calculated with. The result and
// report windows show it above everything else, so that nobody reads
// another person's result, or one calculated for the wrong place, unawares.
#pragma once

#include "ui/report_pdf.h"

#include <QString>

class QLabel;
class QWidget;

namespace nyra {

// "Asha Rao, born 16 August 1990, 06:00 (UTC+5:30) at Chennai, India
// (13° 05′ N, 80° 17′ E)"; without a name "Born ... at ...".
QString BirthLineText(const ReportTitle& title);

// A wrapped, selectable label for that line, named `name`.
QLabel* NewBirthLine(const QString& name, QWidget* parent);

}  // namespace nyra
