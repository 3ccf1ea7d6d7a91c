#include "engine/ephemeris.h"

#include "engine/lunar_series.h"
#include "text/blanks.h"

#include <cmath>

namespace nyra {
namespace {

using lunar::LongitudeTerm;

bool IsSet(std::int16_t flag) { return flag != 0; }

// d·D + m·M + m'·M' + f·F, left to right. Zero multipliers add exact zeros,
// so each argument is evaluated as its written form would be (2D − M − M').
double TermArgument(const LongitudeTerm& term, const EngineRecord& r) {
    return term.d * r.MoonElongation + term.m * r.SunAnomaly + term.mp * r.MoonAnomaly + term.f * r.MoonArgLatitude;
}

}  // namespace

double DayNumberFromDate(int month, int day, int year) {
    // Months counted from March of year -4800, carried in doubles so that
    // floor acts as the mathematical floor for every year.
    const double m = month + 12.0 * (year + 4800.0) - 3.0;
    double n = day + std::floor((365.0 * m + 7.0 + 2.0 * (m - 12.0 * std::floor(m / 12.0))) / 12.0) +
               std::floor(m / 48.0) - 32083.0;
    if (n >= 2299171.0) {
        // From 1582-10-15 on, the Gregorian calendar.
        n = n + std::floor(m / 4800.0) - std::floor(m / 1200.0) + 38.0;
    }
    return n;
}

double AyanamsaShiftAt(double t) {
    const double ascendingNode = (125.044555 - 1934.1361849 * t) + t * (t * 0.0020762);
    const double sunMeanLongitude = (280.466449 + 36000.7698231 * t) + t * (t * 0.0003106);
    // Nutation-like periodic part and general precession, arcseconds.
    const double periodicArcsec =
        1.27 * std::sin(sunMeanLongitude * DegToRad) + 17.23 * std::sin(ascendingNode * DegToRad);
    const double precessionArcsec = t * (1.11 * t + 5025.64);
    return ((periodicArcsec - precessionArcsec) - 85886.27) / 3600.0;
}

std::string FormatSignPosition(double longitudeDeg) {
    const double a = std::fabs(longitudeDeg);
    double d = std::floor(a);
    const double f = a - d;
    const double mm = 60.0 * f;
    const double m = std::floor(mm);
    const double g = mm - m;
    const double k = std::floor(d / 30.0);
    while (d >= 30.0) d = d - 30.0;
    const double s = std::floor(60.0 * g);

    std::string text;
    text += std::to_string(static_cast<long long>(d));
    text += "\u00B0 ";
    text += std::to_string(static_cast<long long>(m));
    text += "' ";
    text += std::to_string(static_cast<long long>(s));
    text += "\" ";
    // Only 0..359.99... reach here from a run; anything past the table
    // gets no abbreviation rather than characters from beyond it.
    if (k >= 0 && k < 12) text += SignAbbrevs.substr(static_cast<std::size_t>(k) * 3, 3);
    return text;
}

std::optional<std::string_view> RashiNameFromPosition(std::string_view positionText) {
    const std::string_view trimmed = TrimBlanks(positionText);
    if (trimmed.size() < 3) return std::nullopt;
    const std::string_view abbrev = trimmed.substr(trimmed.size() - 3);
    for (const RashiNameRow& row : RashiNames) {
        if (row.abbrev == abbrev) return row.name;
    }
    return std::nullopt;
}

void ComputeMoonAt(double t, EngineRecord& r) {
    r.Centuries = t;
    r.AyanamsaShift = AyanamsaShiftAt(t);

    // Mean elements, linear in T, degrees.
    r.MeanLongitude = lunar::kMeanLongitude.atEpochDeg + lunar::kMeanLongitude.degPerCentury * t;
    r.MoonElongation = lunar::kMoonElongation.atEpochDeg + lunar::kMoonElongation.degPerCentury * t;
    r.SunAnomaly = lunar::kSunAnomaly.atEpochDeg + lunar::kSunAnomaly.degPerCentury * t;
    r.MoonAnomaly = lunar::kMoonAnomaly.atEpochDeg + lunar::kMoonAnomaly.degPerCentury * t;
    r.MoonArgLatitude = lunar::kMoonArgLatitude.atEpochDeg + lunar::kMoonArgLatitude.degPerCentury * t;

    // To radians, without first reducing to one turn.
    r.MoonElongation = r.MoonElongation * DegToRad;
    r.SunAnomaly = r.SunAnomaly * DegToRad;
    r.MoonAnomaly = r.MoonAnomaly * DegToRad;
    r.MoonArgLatitude = r.MoonArgLatitude * DegToRad;

    r.EccentricityFactor = (1.0 - lunar::kEccentricityLinear * t) - t * (t * lunar::kEccentricityQuadratic);

    double sum = 0.0;
    for (const LongitudeTerm& term : lunar::kLongitudeTerms) {
        double value = term.coefficient * std::sin(TermArgument(term, r));
        if (term.useE) value = value * r.EccentricityFactor;
        sum = sum + value;
    }

    double lon = lunar::IntoOneTurn(r.MeanLongitude + sum);
    r.TropicalLongitude = lon;

    lon = lon + r.AyanamsaShift;
    if (lon < 0.0) lon = lon + 360.0;
    r.MoonLongitude = lon;
}

EngineRecord ComputeMoonChart(const BirthRecord& birth) {
    EngineRecord r;

    r.LocalHours = birth.BirthHour + birth.BirthMinute / 60.0;
    r.ZoneOffset = birth.ZoneHours + birth.ZoneMinutes / 60.0;
    r.Longitude = birth.LonDegrees + birth.LonMinutes / 60.0;
    if (IsSet(birth.LonIsEast)) r.Longitude = -r.Longitude;

    // The clock runs ahead of universal time east of Greenwich; a longitude
    // of exactly 0 (also -0.0) counts as west. A zone written with a minus
    // sign says so itself, which places west of Greenwich on a zone east of
    // it (Spain, Morocco, Samoa) need.
    const bool east = IsSet(birth.ZoneIsEast) || r.Longitude < 0.0;
    if (IsSet(birth.DstOn)) r.ZoneOffset = east ? r.ZoneOffset + 1.0 : r.ZoneOffset - 1.0;

    r.DayNumber = DayNumberFromDate(birth.BirthMonth, birth.BirthDay, birth.BirthYear);
    r.UniversalHours = east ? r.LocalHours - r.ZoneOffset : r.LocalHours + r.ZoneOffset;
    const double t = (r.DayNumber - kJ2000JulianDate + r.UniversalHours / 24.0 - 0.5) / kDaysPerJulianCentury;

    ComputeMoonAt(t, r);

    r.MoonPositionText = FormatSignPosition(r.MoonLongitude);
    if (auto name = RashiNameFromPosition(r.MoonPositionText)) r.RashiName = std::string(*name);
    return r;
}

}  // namespace nyra
