// What every output says of a calculation beyond the sign's description:
// how well the birth time was known, the signs it leaves possible, the
// place. The result window, the report, the printed page and the PDF take
// these same sentences. Each is worded in the `language` asked for,
// English by default; numbers and clock times keep Western digits in
// every language. Plain C++ (UTF-8).
#pragma once

#include "base/language.h"
#include "calculation/calculation.h"
#include "precise/precise_text.h"

#include <string>

namespace nyra {

// "09:30"
std::string ClockText(int hour, int minute);

// "15 min", "1 hour", "2 hours", as the main window's "Time known" list
// words the widths it offers; "15 मिनट", "1 घण्टा", "2 घण्टे".
std::string WindowWidthText(int minutes, Language language = Language::English);

// A choice of that list: "within 1 hour"; "1 घण्टे के भीतर" (Hindi puts the
// width in the form it takes before के, which WindowWidthText alone does
// not).
std::string WithinWindowText(int minutes, Language language = Language::English);

// The clock time entered, as the descriptions use it: "09:30".
std::string EnteredTimeText(const Calculation& calculation);

// The heading of the time-window block: "Time known within 1 hour of 09:30"
// or "Time not known: the whole day of birth"; empty for an exact time.
std::string TimeWindowHeading(const Calculation& calculation, Language language = Language::English);

// The block's text: the window's sentence and, when the sign is not
// certain, which of the signs the descriptions are for. Empty for an exact
// time.
std::string TimeWindowText(const Calculation& calculation, Language language = Language::English);

// How well the birth time was known, for the report and the PDF: "not known
// (12:00 used for the descriptions)", "within 1 hour of 09:30 (09:30 used
// for the descriptions)"; empty for an exact time.
std::string BirthTimeText(const Calculation& calculation, Language language = Language::English);

// The possible signs in time order with their shares and the clock times
// of the changes: "Kataka 72% until 17:19, then Simha 28%"; one sign reads
// "Kataka, certain all through that time". Empty for an exact time.
std::string PossibleSignsText(const Calculation& calculation, Language language = Language::English);

// What the figures were calculated with: "Classic formula, Lahiri
// (Chitrapaksha) ayanamsa", "Swiss Ephemeris, Krishnamurti (KP) ayanamsa",
// or "Swiss Ephemeris (Moshier theory: ephemeris files not found), Lahiri
// ayanamsa" when the library had to do without its files.
std::string CalculatedWithText(const Calculation& calculation, Language language = Language::English);

// The second opinion: on the Classic basis Swiss Ephemeris' precise
// position, on the Precise basis the classic formula's ("Classic formula:
// 25° 46′ 47″ in Kataka — same sign."), with a notice when it puts the
// Moon in another sign than the one described.
PreciseTexts SecondOpinionTexts(const Calculation& calculation, Language language = Language::English);

}  // namespace nyra
