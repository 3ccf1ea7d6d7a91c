// Every sign (or nakshatra) the Moon was in during a window of clock time at
// the birth place, for a birth time known only roughly or not at all, with
// each one's share of the window. Built on the sign spans, so the change
// times are the very ones the spans show as entered and leaves.
#pragma once

#include "base/language.h"
#include "base/result.h"
#include "engine/ephemeris.h"
#include "engine/moon_detail.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nyra {

// The widest ± window, in minutes: a window of ±12 hours is as long as the
// whole day. A time known less well than that is no time at all (`day`).
inline constexpr int kMaxWindowMinutes = 720;

// How well the birth's clock time is known.
struct TimeWindow {
    bool wholeDay = false;  ///< The time is not known: 00:00 to 24:00 of the birth date.
    int minutes = 0;        ///< Otherwise ± this many minutes, 0..kMaxWindowMinutes; 0 is exact.

    static TimeWindow Exact() { return {}; }
    static TimeWindow PlusMinus(int minutes) { return {false, minutes}; }
    static TimeWindow WholeDay() { return {true, 0}; }
    friend bool operator==(const TimeWindow&, const TimeWindow&) = default;
};

// One sign (or nakshatra) and the part of the window it covers. Times are
// clock times at the birth place to the minute, as the spans give them.
struct WindowShare {
    int index = 0;          ///< Sign 0..11 or nakshatra 0..26.
    std::string_view name;  ///< As RashiName or kNakshatraNames spell it.
    LocalTime from;         ///< The window's start, or the change into it.
    LocalTime to;           ///< The change out of it, or the window's end.
    int minutes = 0;        ///< Whole minutes from `from` to `to`.
    int percent = 0;        ///< Whole percent; the shares add up to 100.
};

enum class WindowOf { Signs, Nakshatras };

// Sign 0..11 or nakshatra 0..26, as `of` counts, by its name in `language`:
// "Thula", "तुला"; WindowShare's name is the English.
std::string_view SignOrNakshatraName(WindowOf of, int index, Language language = Language::English);

struct WindowResult {
    WindowOf of = WindowOf::Signs;
    TimeWindow window;
    LocalTime start;  ///< Window start; 00:00 of the birth date for the whole day.
    LocalTime end;    ///< Window end; 00:00 of the next date for the whole day.
    /// In time order, at least one: every sign the Moon was in at some
    /// instant of the window, so that any clock time in it, entered as the
    /// birth time, gives a sign listed here. A change seconds inside the
    /// window's first or last minute lists a sign with 0 minutes (and
    /// likely 0 percent). An exact time lists its one sign with 0 minutes
    /// and 100 percent.
    std::vector<WindowShare> shares;
    /// The changes between consecutive shares, as the spans found them.
    std::vector<Crossing> changes;
    bool certain = true;  ///< One sign covers the whole window: one share.
};

// The span the Moon was in at an instant (Julian centuries from J2000.0, in
// universal time as the engine counts), with its crossings told in the
// birth's clock, by one basis or another. A crossing before `fromCenturies`
// or after `toCenturies` (the window's ends) may be given as that limit: the
// walk only needs to know that it lies outside the window.
using SpanAtInstant = std::function<Result<Span>(double centuries, double fromCenturies, double toCenturies)>;

// The walk behind SignsInWindow, on any basis: out from `birthSpan`, the span
// at the birth of `chart` (whose clock tells every time), asking `spanAt` for
// each neighbouring span the window reaches. Fails only where `spanAt` does.
Result<WindowResult> WindowAroundSpan(const EngineRecord& chart, const TimeWindow& window, WindowOf of,
                                      const Span& birthSpan, const SpanAtInstant& spanAt);

// The signs the Moon was in during `window` around the birth of `chart`
// (from ComputeMoonChart), with the chart's series, ayanamsa, zone and
// daylight saving. The window is clock time at the birth place, with the
// birth's own difference from universal time throughout; it may run into
// the date before or after. A window wider than kMaxWindowMinutes either
// side is narrowed to it, and a negative one is exact. Percentages are
// WholePercents of the whole minutes.
WindowResult SignsInWindow(const EngineRecord& chart, const TimeWindow& window);
// The same for the nakshatras; one day may hold two changes of nakshatra.
WindowResult NakshatrasInWindow(const EngineRecord& chart, const TimeWindow& window);

// Whole percents of each part of the total that add up to 100, by largest
// remainder: every part gets its share rounded down, then the parts with the
// largest remainders get one more each. Between equal remainders the larger
// part wins, then the earlier one (thirds give 34, 33, 33). All parts zero:
// the first gets 100. Negative parts count as zero.
std::vector<int> WholePercents(const std::vector<int>& parts);

// For a time that is not exact:
// "Your birth time is not exact. Between 08:30 and 10:30 the Moon was in
// Thula until 09:12 and then in Vrischika: Thula 35%, Vrischika 65%."
// or, inside one sign, "The Moon stayed in Thula all through that window, so
// your Moon sign is certain." For the whole day: "Your birth time is not
// known. Between 00:00 and 24:00 ..." and "... all through that day, ...".
// Two changes read "in Bharani until 01:01, then in Krittika until 23:47
// and then in Rohini". Nakshatras say "so your nakshatra is certain". An
// exact time gives "". In Hindi: "आपके जन्म का समय ठीक-ठीक ज्ञात नहीं है।
// 08:30 से 10:30 के बीच चन्द्रमा 09:12 तक तुला राशि में और फिर वृश्चिक राशि
// में रहा: तुला 35%, वृश्चिक 65%।"
std::string TimeWindowSentence(const WindowResult& result, Language language = Language::English);

// "Thula 35%; Vrischika 65%", in time order.
std::string TimeWindowCell(const WindowResult& result);

}  // namespace nyra
