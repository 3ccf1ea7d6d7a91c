#include "calculation/calculation_text.h"

#include <cstdio>

namespace nyra {

std::string ClockText(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

std::string WindowWidthText(int minutes) {
    if (minutes % 60 != 0) return std::to_string(minutes) + " min";
    const int hours = minutes / 60;
    return hours == 1 ? "1 hour" : std::to_string(hours) + " hours";
}

std::string EnteredTimeText(const Calculation& calculation) {
    return ClockText(calculation.birth.BirthHour, calculation.birth.BirthMinute);
}

std::string TimeWindowHeading(const Calculation& calculation) {
    if (!calculation.possibleSigns) return {};
    const WindowResult& signs = *calculation.possibleSigns;
    if (signs.window.wholeDay) return "Time not known: the whole day of birth";
    return "Time known within " + WindowWidthText(signs.window.minutes) + " of " + EnteredTimeText(calculation);
}

std::string TimeWindowText(const Calculation& calculation) {
    if (!calculation.possibleSigns) return {};
    const WindowResult& signs = *calculation.possibleSigns;
    std::string text = TimeWindowSentence(signs);
    // The tabs follow the sign at the time entered, which is one of those
    // listed: the person must know which of them they are reading about.
    if (!signs.certain) {
        text += "\nThe descriptions below are for " + calculation.chart.RashiName +
                ", the Moon sign at the time entered, " + EnteredTimeText(calculation) + ".";
    }
    return text;
}

std::string BirthTimeText(const Calculation& calculation) {
    if (!calculation.possibleSigns) return {};
    const WindowResult& signs = *calculation.possibleSigns;
    const std::string used = " (" + EnteredTimeText(calculation) + " used for the descriptions)";
    if (signs.window.wholeDay) return "not known" + used;
    return "within " + WindowWidthText(signs.window.minutes) + " of " + EnteredTimeText(calculation) + used;
}

std::string PossibleSignsText(const Calculation& calculation) {
    if (!calculation.possibleSigns) return {};
    const WindowResult& signs = *calculation.possibleSigns;
    if (signs.certain) return std::string(signs.shares.front().name) + ", certain all through that time";
    std::string text;
    for (std::size_t i = 0; i < signs.shares.size(); ++i) {
        const WindowShare& share = signs.shares[i];
        if (i > 0) text += ", then ";
        text += std::string(share.name) + " " + std::to_string(share.percent) + "%";
        if (i + 1 < signs.shares.size()) text += " until " + ClockText(share.to.hour, share.to.minute);
    }
    return text;
}

} // namespace nyra
