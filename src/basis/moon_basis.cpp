#include "basis/moon_basis.h"

#include "precise/precise_spans.h"

namespace nyra {
namespace {

MoonReading ClassicReading(const BirthRecord& birth) {
    MoonReading reading;
    reading.chart = ComputeMoonChart(birth);
    const EngineRecord& chart = reading.chart;
    reading.siderealDeg = chart.MoonLongitude;
    reading.ayanamsaDeg = -chart.AyanamsaShift;
    reading.positionText = chart.MoonPositionText;
    reading.signSpan = FindSignSpan(chart);
    reading.nakshatraSpan = FindNakshatraSpan(chart);
    reading.sign = reading.signSpan.index;
    reading.rashiName = RashiNames[static_cast<std::size_t>(reading.sign)].name;
    reading.nakshatra = NakshatraAt(chart.MoonLongitude);
    return reading;
}

Result<MoonReading> PreciseReading(const BirthRecord& birth, Ayanamsa ayanamsa) {
    MoonReading reading;
    reading.basis = Basis::Precise(ayanamsa);
    reading.chart = ComputeMoonChart(birth);
    const Result<PreciseChart> moon = PreciseChartOf(reading.chart, ayanamsa);
    if (!moon) return moon.problem();
    reading.siderealDeg = moon->siderealDeg;
    reading.ayanamsaDeg = moon->ayanamsaDeg;
    reading.positionText = FormatSignPosition(moon->siderealDeg);
    reading.signSpan = moon->sign;
    reading.nakshatraSpan = moon->nakshatra;
    reading.sign = moon->sign.index;
    reading.rashiName = RashiNames[static_cast<std::size_t>(reading.sign)].name;
    reading.nakshatra = NakshatraAt(moon->siderealDeg);
    reading.library = moon->library;
    return reading;
}

Result<BasisWindow> InWindow(const MoonReading& reading, const TimeWindow& window, WindowOf of) {
    BasisWindow result;
    result.library.usedMoshier = reading.library.usedMoshier;
    if (reading.basis.kind == BasisKind::Classic) {
        result.window =
            of == WindowOf::Signs ? SignsInWindow(reading.chart, window) : NakshatrasInWindow(reading.chart, window);
        return result;
    }
    const auto spanAt = [&](double centuries, double fromCenturies, double toCenturies) {
        return PreciseSpanAt(reading.chart, centuries, of, reading.basis.ayanamsa, fromCenturies, toCenturies,
                             result.library);
    };
    const Span& birth = of == WindowOf::Signs ? reading.signSpan : reading.nakshatraSpan;
    Result<WindowResult> found = WindowAroundSpan(reading.chart, window, of, birth, spanAt);
    if (!found) return found.problem();
    result.window = std::move(*found);
    return result;
}

}  // namespace

Result<MoonReading> ReadMoon(const BirthRecord& birth, const Basis& basis) {
    if (basis.kind == BasisKind::Precise) return PreciseReading(birth, basis.ayanamsa);
    return ClassicReading(birth);
}

std::string PositionInSignText(const MoonReading& reading, Language language) {
    if (reading.basis.kind == BasisKind::Classic) return PositionInSignText(reading.chart, language);
    return PositionInSignText(reading.siderealDeg, language);
}

std::string AyanamsaText(const MoonReading& reading) {
    if (reading.basis.kind == BasisKind::Classic) return AyanamsaText(reading.chart);
    return DegreesMinutesSecondsText(reading.ayanamsaDeg);
}

std::string_view AyanamsaName(const Basis& basis, Language language) {
    if (basis.kind == BasisKind::Classic) return EngineAyanamsaName(language);
    return InfoOf(basis.ayanamsa).DisplayName(language);
}

Result<BasisWindow> SignsInWindow(const MoonReading& reading, const TimeWindow& window) {
    return InWindow(reading, window, WindowOf::Signs);
}

Result<BasisWindow> NakshatrasInWindow(const MoonReading& reading, const TimeWindow& window) {
    return InWindow(reading, window, WindowOf::Nakshatras);
}

}  // namespace nyra
