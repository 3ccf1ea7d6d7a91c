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
        text += "\nThe descriptions below are for " + calculation.RashiName() +
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

std::string CalculatedWithText(const Calculation& calculation) {
    const std::string ayanamsa = std::string(AyanamsaName(calculation.basis)) + " ayanamsa";
    if (calculation.basis.kind == BasisKind::Classic) return "Classic formula, " + ayanamsa;
    if (calculation.UsedMoshier()) return "Swiss Ephemeris (Moshier theory: ephemeris files not found), " + ayanamsa;
    return "Swiss Ephemeris, " + ayanamsa;
}

PreciseTexts SecondOpinionTexts(const Calculation& calculation) {
    const std::string described = calculation.RashiName();
    if (calculation.basis.kind == BasisKind::Classic) return DescribePrecise(calculation.precise, described);
    PreciseTexts texts;
    const EngineRecord& chart = calculation.chart;
    const std::string position = PositionInSignText(chart);
    texts.line = "Classic formula: " + position;
    if (chart.RashiName == described) {
        texts.line += " \u2014 same sign.";
    } else {
        texts.line += ".";
        texts.notice = "The program's classic formula puts the Moon in " + chart.RashiName + " (" + position +
                       "). Swiss Ephemeris gives " + described + "; the descriptions below are for " + described + ".";
    }
    texts.toolTip = "The Moon by the program's own traditional series and its Lahiri (Chitrapaksha) ayanamsa.";
    return texts;
}

} // namespace nyra
