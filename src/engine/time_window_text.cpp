#include "engine/time_window_text.h"

#include "text/blanks.h"
#include "text/number_text.h"
#include "text/quoted_input.h"

#include <algorithm>

namespace nyra {
namespace {

// Whether the text has the shape of a whole number (a sign, then digits),
// however large: such a text is out of range rather than not a number.
bool IsDigitString(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

Result<TimeWindow> ParseTimeWindowMinutes(std::string_view cell) {
    const std::string_view text = TrimBlanks(cell);
    if (text == kWholeDayWord) return TimeWindow::WholeDay();
    const std::string range = "0.." + std::to_string(kMaxWindowMinutes);
    const std::string word(kWholeDayWord);
    if (text.empty()) return Problem{{}, "missing value (minutes " + range + ", or " + word + ")"};
    const Result<std::int16_t> minutes = ParseInt16(text);
    if (minutes && *minutes >= 0 && *minutes <= kMaxWindowMinutes) return TimeWindow::PlusMinus(*minutes);
    if (minutes || IsDigitString(text)) {
        return Problem{
            {}, QuoteInput(text) + " is outside " + range + " minutes (" + word + " stands for an unknown time)"};
    }
    return Problem{{}, QuoteInput(text) + " is neither a whole number of minutes nor " + word};
}

std::string TimeWindowMinutesText(const TimeWindow& window) {
    return window.wholeDay ? std::string(kWholeDayWord) : std::to_string(window.minutes);
}

}  // namespace nyra
