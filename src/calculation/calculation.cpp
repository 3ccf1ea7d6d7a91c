#include "calculation/calculation.h"

#include <utility>

namespace nyra {

Result<Calculation> Calculate(const CalculationInput& input) {
    Calculation calculation;
    calculation.birth = input.birth;
    calculation.place = input.place;
    calculation.timeKnown = input.timeKnown;
    calculation.ayanamsa = input.ayanamsa;
    calculation.basis = input.basis == BasisKind::Precise ? Basis::Precise(input.ayanamsa) : Basis::Classic();
    calculation.chart = ComputeMoonChart(input.birth);

    Result<MoonReading> moon = ReadMoon(input.birth, calculation.basis);
    if (!moon) return moon.problem();
    calculation.moon = std::move(moon).value();
    calculation.clock = input.clock;
    ReadOnClock(calculation.moon.signSpan, input.clock);
    ReadOnClock(calculation.moon.nakshatraSpan, input.clock);
    const TimeWindow& window = input.timeKnown;
    if (window.wholeDay || window.minutes > 0) {
        Result<BasisWindow> signs = SignsInWindow(calculation.moon, window);
        if (!signs) return signs.problem();
        calculation.possibleSigns = std::move(signs->window);
        calculation.moon.library.usedMoshier |= signs->library.usedMoshier;
    }
    const double julianDayUt = ChartJulianDayUt(calculation.chart);
    calculation.precise = PreciseMoonAt(julianDayUt, input.ayanamsa);
    calculation.preciseLahiri = input.ayanamsa == Ayanamsa::Lahiri ? calculation.precise
                                                                   : PreciseMoonAt(julianDayUt, Ayanamsa::Lahiri);
    if (std::optional<SignDescription> description = DescribeMoonSign(calculation.moon.rashiName))
        calculation.description = std::move(*description);
    return calculation;
}

CalculationInput InputOf(const Calculation& calculation) {
    return {calculation.birth,      calculation.place,    calculation.timeKnown,
            calculation.basis.kind, calculation.ayanamsa, calculation.clock};
}

Result<Calculation> WithAyanamsa(const Calculation& calculation, Ayanamsa ayanamsa) {
    CalculationInput input = InputOf(calculation);
    input.ayanamsa = ayanamsa;
    return Calculate(input);
}

}  // namespace nyra
