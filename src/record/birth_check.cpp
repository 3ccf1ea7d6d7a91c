#include "record/birth_check.h"

#include "engine/civil_date.h"
#include "record/record_layout.h"
#include "text/quoted_input.h"

#include <cstdlib>
#include <string>

namespace nyra {
namespace {

using Member = std::int16_t BirthRecord::*;

Problem Refuse(Member member, int value, std::string why) {
    return {std::string(RecordFieldOf(member)->column), QuoteInput(std::to_string(value)) + " " + std::move(why)};
}

// Built by appending: g++ 12 at -O3 takes "(" + std::to_string(...) for an
// overlapping copy and warns (-Wrestrict, a known false alarm).
std::string Span(int first, int last, const char* between) {
    std::string text = std::to_string(first);
    text += between;
    text += std::to_string(last);
    return text;
}

// One value of the date or the clock time within first..last, refused in
// the caller's words: `kind` ("an hour") names the value for the batch tool.
Result<void> CheckWithin(const BirthRecord& b, Member member, int first, int last, const std::string& kind,
                         const BirthLimits& limits) {
    const int value = b.*member;
    if (value >= first && value <= last) return {};
    if (limits.listWords) return Refuse(member, value, "is not in the list (" + Span(first, last, " to ") + ")");
    return Refuse(member, value, "is not " + kind + " (" + Span(first, last, "..") + ")");
}

Result<void> CheckMonth(const BirthRecord& b, const BirthLimits& limits) {
    if (b.BirthMonth >= 1 && b.BirthMonth <= 12) return {};
    return Refuse(&BirthRecord::BirthMonth, b.BirthMonth,
                  limits.listWords ? "is not a month" : "is not a month (1..12)");
}

Result<void> CheckYear(const BirthRecord& b, const BirthLimits& limits) {
    if (limits.listWords)
        return CheckWithin(b, &BirthRecord::BirthYear, limits.firstYear, limits.lastYear, "a year", limits);
    if (b.BirthYear >= limits.firstYear && b.BirthYear <= limits.lastYear) return {};
    return Refuse(&BirthRecord::BirthYear, b.BirthYear, "is outside " + Span(limits.firstYear, limits.lastYear, ".."));
}

// After the month, and for a day of its month after the year too.
Result<void> CheckDay(const BirthRecord& b, const BirthLimits& limits) {
    if (!limits.dayOfItsMonth) return CheckWithin(b, &BirthRecord::BirthDay, 1, 31, "a day", limits);
    const std::string month(kMonthNames[static_cast<std::size_t>(b.BirthMonth - 1)]);
    return CheckWithin(b, &BirthRecord::BirthDay, 1, DaysInMonth(b.BirthYear, b.BirthMonth),
                       "a day of " + month + " " + std::to_string(b.BirthYear), limits);
}

Result<void> CheckDateAndTime(const BirthRecord& b, const BirthLimits& limits) {
    if (Result<void> month = CheckMonth(b, limits); !month) return month;
    if (!limits.dayOfItsMonth) {
        if (Result<void> day = CheckDay(b, limits); !day) return day;
    }
    if (Result<void> year = CheckYear(b, limits); !year) return year;
    if (limits.dayOfItsMonth) {
        if (Result<void> day = CheckDay(b, limits); !day) return day;
    }
    if (Result<void> hour = CheckWithin(b, &BirthRecord::BirthHour, 0, 23, "an hour", limits); !hour) return hour;
    return CheckWithin(b, &BirthRecord::BirthMinute, 0, 59, "a minute", limits);
}

// An angle given as degrees and minutes, whose signs the record does not
// fix: the sizes must stay within `limitDeg`.
Result<void> CheckAngle(const BirthRecord& b, Member degrees, Member minutes, int limitDeg, const char* what) {
    const int deg = std::abs(static_cast<int>(b.*degrees));
    const int min = std::abs(static_cast<int>(b.*minutes));
    if (deg > limitDeg)
        return Refuse(degrees, b.*degrees, "is beyond " + std::to_string(limitDeg) + " degrees of " + what);
    if (min > 59) return Refuse(minutes, b.*minutes, "is beyond 59 minutes of arc");
    if (deg * 60 + min > limitDeg * 60)
        return Refuse(minutes, b.*minutes,
                      "takes the " + std::string(what) + " beyond " + std::to_string(limitDeg) + " degrees");
    return {};
}

Result<void> CheckPlace(const BirthRecord& b) {
    if (Result<void> lon =
            CheckAngle(b, &BirthRecord::LonDegrees, &BirthRecord::LonMinutes, kMaxLongitudeDeg, "longitude");
        !lon)
        return lon;
    if (Result<void> lat =
            CheckAngle(b, &BirthRecord::LatDegrees, &BirthRecord::LatMinutes, kMaxLatitudeDeg, "latitude");
        !lat)
        return lat;
    if (std::abs(static_cast<int>(b.ZoneHours)) > kMaxZoneHours)
        return Refuse(&BirthRecord::ZoneHours, b.ZoneHours, "is beyond " + std::to_string(kMaxZoneHours) + " hours");
    if (std::abs(static_cast<int>(b.ZoneMinutes)) > 59)
        return Refuse(&BirthRecord::ZoneMinutes, b.ZoneMinutes, "is beyond 59 minutes");
    return {};
}

}  // namespace

Result<void> CheckBirthValues(const BirthRecord& birth, const BirthLimits& limits) {
    if (Result<void> dateAndTime = CheckDateAndTime(birth, limits); !dateAndTime) return dateAndTime;
    if (limits.place) return CheckPlace(birth);
    return {};
}

}  // namespace nyra
