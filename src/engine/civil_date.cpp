#include "engine/civil_date.h"

namespace nyra {

bool IsGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12: return 31;
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    case 2: return IsGregorianLeapYear(year) ? 29 : 28;
    default: return 0;
    }
}

}  // namespace nyra
