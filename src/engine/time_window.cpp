#include "engine/time_window.h"

#include "engine/names.h"
#include "text/fill_in.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace nyra {
namespace {

constexpr double kDaysPerCentury = kDaysPerJulianCentury;
constexpr double kMinutesPerCentury = kDaysPerCentury * 1440.0;
constexpr int kMinutesPerDay = 1440;

// A minute past a crossing the Moon is about 0.01 degrees beyond the
// boundary, far more than the crossing search leaves (a hundredth of a
// second), and no sign or nakshatra lasts less than 20 hours: that instant
// lies inside the neighbour.
constexpr double kIntoNeighbour = 1.0 / kMinutesPerCentury;

// A day-long window meets at most two signs or three nakshatras; the bound
// only stops a search that makes no headway.
constexpr int kMaxSpans = 8;

// The chart as it stands at instant t: the Moon of that instant with the
// birth's own difference between clock and universal time, so that spans
// found from it give clock times as the birth's spans do.
EngineRecord ChartAt(const EngineRecord& birth, double t) {
    EngineRecord chart = birth;
    ComputeMoonAt(t, chart);
    chart.MoonPositionText = FormatSignPosition(chart.MoonLongitude);
    if (auto name = RashiNameFromPosition(chart.MoonPositionText)) chart.RashiName = std::string(*name);
    return chart;
}

// Minutes on one continuous clock, for differences of clock times.
long long ClockMinute(const LocalTime& t) {
    const auto day = static_cast<long long>(DayNumberFromDate(t.month, t.day, t.year));
    return day * kMinutesPerDay + t.hour * 60LL + t.minute;
}

std::string ClockText(int hour, int minute) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", hour, minute);
    return buffer;
}

std::string ClockText(const LocalTime& t) { return ClockText(t.hour, t.minute); }

// The sentence's words. The Hindi names the kind beside the name
// ("तुला राशि में"), as Hindi says it; each stage of the Moon's way through
// the window is one pattern: %1 the sign or nakshatra, %2 the clock time
// it left.
struct WindowWords {
    /// [signs, nakshatras][a window around the time, the whole day]
    Bilingual<std::string_view> certain[2][2];
    Bilingual<std::string_view> notExact, notKnown;
    Bilingual<std::string_view> named[2];  ///< A sign or a nakshatra, %1 its name.
    Bilingual<std::string_view> between;   ///< %1 start, %2 end, %3 the stages, %4 the shares.
    Bilingual<std::string_view> firstStage, laterStage, lastStage;
};

constexpr WindowWords kWindowWords{
    .certain = {{{"The Moon stayed in %1 all through that window, so your Moon sign is certain.",
                  "उस पूरी अवधि में चन्द्रमा %1 राशि में ही रहा, इसलिए आपकी चन्द्र राशि निश्चित है।"},
                 {"The Moon stayed in %1 all through that day, so your Moon sign is certain.",
                  "उस पूरे दिन चन्द्रमा %1 राशि में ही रहा, इसलिए आपकी चन्द्र राशि निश्चित है।"}},
                {{"The Moon stayed in %1 all through that window, so your nakshatra is certain.",
                  "उस पूरी अवधि में चन्द्रमा %1 नक्षत्र में ही रहा, इसलिए आपका नक्षत्र निश्चित है।"},
                 {"The Moon stayed in %1 all through that day, so your nakshatra is certain.",
                  "उस पूरे दिन चन्द्रमा %1 नक्षत्र में ही रहा, इसलिए आपका नक्षत्र निश्चित है।"}}},
    .notExact = {"Your birth time is not exact. ", "आपके जन्म का समय ठीक-ठीक ज्ञात नहीं है। "},
    .notKnown = {"Your birth time is not known. ", "आपके जन्म का समय ज्ञात नहीं है। "},
    .named = {{"%1", "%1 राशि"}, {"%1", "%1 नक्षत्र"}},
    .between = {"Between %1 and %2 the Moon was in %3: %4.", "%1 से %2 के बीच चन्द्रमा %3 रहा: %4।"},
    .firstStage = {"%1 until %2", "%2 तक %1 में"},
    .laterStage = {", then in %1 until %2", ", फिर %2 तक %1 में"},
    .lastStage = {" and then in %1", " और फिर %1 में"},
};

}  // namespace

namespace {

// The window's first and last instants, in centuries since J2000.
struct WindowInstants {
    double startT = 0;
    double endT = 0;
};

// `window.minutes` is already brought within 0..kMaxWindowMinutes.
WindowInstants InstantsOf(const EngineRecord& chart, const TimeWindow& window) {
    if (window.wholeDay) {
        // 00:00 of the birth date on the birth's own clock.
        const double startT = chart.Centuries - chart.LocalHours / 24.0 / kDaysPerCentury;
        return {startT, startT + 1.0 / kDaysPerCentury};
    }
    return {chart.Centuries - window.minutes / kMinutesPerCentury,
            chart.Centuries + window.minutes / kMinutesPerCentury};
}

// Out from the birth's own span, so that the changes next to the birth
// are exactly those its span shows; each crossing is kept as the span
// nearer the birth found it. Any sign the Moon was in at some instant
// of the window is listed, even for seconds: every clock time in the
// window, entered as the birth time, then gives a sign on the list.
Result<std::vector<Span>> SpansAcross(const Span& birth, const WindowInstants& window, const SpanAtInstant& spanAt) {
    const auto [startT, endT] = window;
    std::vector<Span> spans{birth};
    while (spans.size() < kMaxSpans && spans.front().entered.centuries > startT) {
        const Crossing change = spans.front().entered;
        Result<Span> before = spanAt(change.centuries - kIntoNeighbour, startT, endT);
        if (!before) return before.problem();
        if (!(before->entered.centuries < change.centuries)) break;
        before->leaves = change;
        spans.insert(spans.begin(), *before);
    }
    while (spans.size() < kMaxSpans && spans.back().leaves.centuries < endT) {
        const Crossing change = spans.back().leaves;
        Result<Span> after = spanAt(change.centuries + kIntoNeighbour, startT, endT);
        if (!after) return after.problem();
        if (!(after->leaves.centuries > change.centuries)) break;
        after->entered = change;
        spans.push_back(*after);
    }
    return spans;
}

// Each span's stretch of the window, its clock minutes and whole percents,
// and the changes between them.
void AddShares(WindowResult& result, const std::vector<Span>& spans) {
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const Span& span = spans[i];
        const LocalTime from = i == 0 ? result.start : span.entered.local;
        const LocalTime to = i + 1 == spans.size() ? result.end : span.leaves.local;
        if (i > 0) result.changes.push_back(span.entered);
        result.shares.push_back({span.index, SignOrNakshatraName(result.of, span.index), from, to,
                                 static_cast<int>(ClockMinute(to) - ClockMinute(from)), 0});
    }
    std::vector<int> minutes;
    for (const WindowShare& share : result.shares) minutes.push_back(share.minutes);
    const std::vector<int> percents = WholePercents(minutes);
    for (std::size_t i = 0; i < percents.size(); ++i) result.shares[i].percent = percents[i];
}

}  // namespace

Result<WindowResult> WindowAroundSpan(const EngineRecord& chart, const TimeWindow& window, WindowOf of,
                                      const Span& birthSpan, const SpanAtInstant& spanAt) {
    WindowResult result;
    result.of = of;
    result.window = window;
    result.window.minutes = window.wholeDay ? 0 : std::clamp(window.minutes, 0, kMaxWindowMinutes);
    const WindowInstants instants = InstantsOf(chart, result.window);
    result.start = LocalTimeAt(instants.startT, chart);
    result.end = LocalTimeAt(instants.endT, chart);

    if (!window.wholeDay && result.window.minutes == 0) {
        result.shares.push_back(
            {birthSpan.index, SignOrNakshatraName(of, birthSpan.index), result.start, result.end, 0, 100});
        return result;
    }
    const Result<std::vector<Span>> spans = SpansAcross(birthSpan, instants, spanAt);
    if (!spans) return spans.problem();
    AddShares(result, *spans);
    result.certain = result.shares.size() == 1;
    return result;
}

namespace {

// The window on the engine's own series, which cannot fail.
WindowResult InWindow(const EngineRecord& chart, const TimeWindow& window, WindowOf of) {
    Span (*const findSpan)(const EngineRecord&) = of == WindowOf::Signs ? FindSignSpan : FindNakshatraSpan;
    const auto spanAt = [&](double t, double, double) -> Result<Span> { return findSpan(ChartAt(chart, t)); };
    return WindowAroundSpan(chart, window, of, findSpan(chart), spanAt).value();
}

}  // namespace

std::vector<int> WholePercents(const std::vector<int>& parts) {
    std::vector<int> percents(parts.size(), 0);
    long long total = 0;
    for (int part : parts) total += std::max(part, 0);
    if (parts.empty()) return percents;
    if (total == 0) {
        percents.front() = 100;
        return percents;
    }
    auto share = [&](std::size_t i) { return 100LL * std::max(parts[i], 0); };
    std::vector<std::size_t> order(parts.size());
    int given = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        percents[i] = static_cast<int>(share(i) / total);
        given += percents[i];
        order[i] = i;
    }
    // Stable: among equal remainders and equal parts the earlier comes first.
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const long long ra = share(a) % total;
        const long long rb = share(b) % total;
        return ra != rb ? ra > rb : parts[a] > parts[b];
    });
    for (std::size_t k = 0; given < 100; ++k, ++given) ++percents[order[k]];
    return percents;
}

WindowResult SignsInWindow(const EngineRecord& chart, const TimeWindow& window) {
    return InWindow(chart, window, WindowOf::Signs);
}

WindowResult NakshatrasInWindow(const EngineRecord& chart, const TimeWindow& window) {
    return InWindow(chart, window, WindowOf::Nakshatras);
}

std::string_view SignOrNakshatraName(WindowOf of, int index, Language language) {
    return of == WindowOf::Signs ? SignName(index, language) : NakshatraName(index, language);
}

std::string TimeWindowSentence(const WindowResult& result, Language language) {
    const bool wholeDay = result.window.wholeDay;
    if (result.shares.empty() || (!wholeDay && result.window.minutes == 0)) return {};
    const int kind = result.of == WindowOf::Signs ? 0 : 1;
    const auto nameOf = [&](const WindowShare& share) { return SignOrNakshatraName(result.of, share.index, language); };
    if (result.certain) {
        return FillIn(kWindowWords.certain[kind][wholeDay ? 1 : 0][language], {nameOf(result.shares.front())});
    }

    const auto named = [&](const WindowShare& share) {
        return FillIn(kWindowWords.named[kind][language], {nameOf(share)});
    };
    std::string stages;
    for (std::size_t i = 0; i + 1 < result.shares.size(); ++i) {
        const WindowShare& share = result.shares[i];
        stages += FillIn((i == 0 ? kWindowWords.firstStage : kWindowWords.laterStage)[language],
                         {named(share), ClockText(share.to)});
    }
    stages += FillIn(kWindowWords.lastStage[language], {named(result.shares.back())});
    std::string shares;
    for (const WindowShare& share : result.shares) {
        if (!shares.empty()) shares += ", ";
        shares += std::string(nameOf(share)) + " " + std::to_string(share.percent) + "%";
    }
    // The whole day ends at 24:00 of its own date, not 00:00 of the next.
    const std::string end = wholeDay ? ClockText(24, 0) : ClockText(result.end);
    return std::string((wholeDay ? kWindowWords.notKnown : kWindowWords.notExact)[language]) +
           FillIn(kWindowWords.between[language], {ClockText(result.start), end, stages, shares});
}

std::string TimeWindowCell(const WindowResult& result) {
    std::string cell;
    for (const WindowShare& share : result.shares) {
        if (!cell.empty()) cell += "; ";
        cell += std::string(share.name) + " " + std::to_string(share.percent) + "%";
    }
    return cell;
}

}  // namespace nyra
