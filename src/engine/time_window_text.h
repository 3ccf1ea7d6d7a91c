// How well a birth time is known, in words: the batch tool's
// TimeWindowMinutes cells and a record's sixteenth line both write it so.
// Plain C++.
#pragma once

#include "base/result.h"
#include "engine/time_window.h"

#include <string>
#include <string_view>

namespace nyra {

// The time is not known at all: the whole local day.
inline constexpr std::string_view kWholeDayWord = "day";

// Whole minutes either way, 0..kMaxWindowMinutes, written by the one rule
// for numbers (text/number_text.h: blanks around, a sign, leading zeros),
// or `day`. 0 is an exact time. A refusal says what is wrong with the
// trimmed text ("missing value (minutes 0..720, or day)", "\"721\" is
// outside 0..720 minutes (day stands for an unknown time)", "\"soon\" is
// neither a whole number of minutes nor day"); its `where` is left to the
// caller.
Result<TimeWindow> ParseTimeWindowMinutes(std::string_view text);

// The words ParseTimeWindowMinutes reads back: "day", or the minutes ("60";
// "0" for an exact time).
std::string TimeWindowMinutesText(const TimeWindow& window);

}  // namespace nyra
