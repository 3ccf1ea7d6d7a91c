#include "calculation/calculation.h"

#include <utility>

namespace nyra {

Calculation Calculate(const CalculationInput& input) {
    Calculation calculation;
    calculation.birth = input.birth;
    calculation.place = input.place;
    calculation.timeKnown = input.timeKnown;
    calculation.chart = ComputeMoonChart(input.birth);
    calculation.moon.nakshatra = NakshatraAt(calculation.chart.MoonLongitude);
    calculation.moon.sign = FindSignSpan(calculation.chart);
    calculation.moon.nakshatraSpan = FindNakshatraSpan(calculation.chart);
    const TimeWindow& window = input.timeKnown;
    if (window.wholeDay || window.minutes > 0) calculation.possibleSigns = SignsInWindow(calculation.chart, window);
    if (std::optional<SignDescription> description = DescribeMoonSign(calculation.chart.RashiName))
        calculation.description = std::move(*description);
    return WithPreciseAyanamsa(std::move(calculation), input.preciseAyanamsa);
}

Calculation WithPreciseAyanamsa(Calculation calculation, Ayanamsa ayanamsa) {
    calculation.preciseAyanamsa = ayanamsa;
    calculation.precise = PreciseMoonAt(ChartJulianDayUt(calculation.chart), ayanamsa);
    return calculation;
}

} // namespace nyra
