// Months of the Gregorian calendar: their names and lengths. Plain C++.
#pragma once

#include <array>
#include <string_view>

namespace nyra {

// January first; the main window's month list and the messages about a day
// its month lacks both read them here.
inline constexpr auto kMonthNames = std::to_array<std::string_view>({
    // clang-format off
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
    // clang-format on
});
static_assert(kMonthNames.size() == 12);

// Divisible by 4, except centuries not divisible by 400 (1900 and 2100 are
// not leap years, 2000 is).
bool IsGregorianLeapYear(int year);

// Days in `month` (1..12) of `year`: 28 to 31; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

}  // namespace nyra
