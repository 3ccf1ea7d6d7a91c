// Random births for the engine's sweeping tests: any day and minute of the
// window's years 1901-2050, any zone and longitude, with or without daylight
// saving. The same seed gives the same births on every standard library.
#pragma once

#include "engine/ephemeris.h"

#include <cstdint>
#include <random>

namespace nyra::testing_births {

inline BirthRecord RandomBirth(std::mt19937_64& random) {
    static constexpr int kMonthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // Plain modulo: the standard fixes mt19937_64's output but not what the
    // distributions make of it.
    const auto pick = [&random](int count) {
        return static_cast<std::int16_t>(random() % static_cast<unsigned>(count));
    };
    BirthRecord b;
    b.BirthYear = static_cast<std::int16_t>(1901 + pick(150));
    b.BirthMonth = static_cast<std::int16_t>(1 + pick(12));
    b.BirthDay = static_cast<std::int16_t>(1 + pick(kMonthDays[b.BirthMonth - 1]));
    b.BirthHour = pick(24);
    b.BirthMinute = pick(60);
    b.ZoneHours = pick(15);
    b.ZoneMinutes = static_cast<std::int16_t>(15 * pick(4));
    b.LonDegrees = pick(181);
    b.LonMinutes = pick(60);
    b.LonIsEast = pick(2) ? kTrue : kFalse;
    b.DstOn = pick(4) == 0 ? kTrue : kFalse;
    b.ZoneIsEast = pick(3) == 0 ? kTrue : kFalse;
    return b;
}

}  // namespace nyra::testing_births
