// Lengths of months in the Gregorian calendar. Plain C++.
#pragma once

namespace nyra {

// Divisible by 4, except centuries not divisible by 400 (1900 and 2100 are
// not leap years, 2000 is).
bool IsGregorianLeapYear(int year);

// Days in `month` (1..12) of `year`: 28 to 31; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

} // namespace nyra
