#include "batch/cell_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace nyra {
namespace {

// Room for any double in "%.17g" or "%.6f" form ("-1.7976931348623157e+308"
// or 309 integer digits and six decimals).
constexpr std::size_t kNumberChars = 330;

template <typename... Format>
void AppendChars(std::string& line, Format... format) {
    char buffer[kNumberChars];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, format...);
    // The buffer holds every value; a failure would be a fault here, and an
    // empty cell is better than a wrong one.
    if (ec == std::errc()) line.append(buffer, end);
}

constexpr long long kMicro = 1000000;
constexpr long long kMicroPerSign = 30 * kMicro;

}  // namespace

void AppendRoundTrip(std::string& line, double value) { AppendChars(line, value, std::chars_format::general, 17); }

void AppendWhole(std::string& line, long long value) { AppendChars(line, value); }

void AppendSixDecimals(std::string& line, double value) { AppendChars(line, value, std::chars_format::fixed, 6); }

void AppendLongitudeSixDecimals(std::string& line, double longitudeDeg, int sign) {
    if (!std::isfinite(longitudeDeg) || longitudeDeg < 0.0 || longitudeDeg >= 360.0 || sign < 0 || sign > 11) {
        AppendSixDecimals(line, longitudeDeg);
        return;
    }
    // The product can round up to the next whole millionth, and so into the
    // next sign.
    const long long first = sign * kMicroPerSign;
    const long long micro =
        std::clamp(static_cast<long long>(std::floor(longitudeDeg * kMicro)), first, first + kMicroPerSign - 1);
    AppendWhole(line, micro / kMicro);
    line.push_back('.');
    char digits[6];
    long long fraction = micro % kMicro;
    for (int i = 5; i >= 0; --i, fraction /= 10) digits[i] = static_cast<char>('0' + fraction % 10);
    line.append(digits, sizeof digits);
}

void AppendIsoMinute(std::string& line, const LocalTime& t) {
    const auto fits = [](int value, int last) { return value >= 0 && value <= last; };
    // Any other value is no clock time; the engine's own text is the rule.
    if (!fits(t.year, 9999) || !fits(t.month, 99) || !fits(t.day, 99) || !fits(t.hour, 99) || !fits(t.minute, 99)) {
        line += FormatIsoMinute(t);
        return;
    }
    char text[] = "0000-00-00 00:00";
    const auto put = [&](std::size_t at, int value, int digits) {
        for (std::size_t i = at + static_cast<std::size_t>(digits); i-- > at; value /= 10)
            text[i] = static_cast<char>('0' + value % 10);
    };
    put(0, t.year, 4);
    put(5, t.month, 2);
    put(8, t.day, 2);
    put(11, t.hour, 2);
    put(14, t.minute, 2);
    line.append(text, sizeof text - 1);
}

}  // namespace nyra
