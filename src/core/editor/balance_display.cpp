#include "core/editor/balance_display.h"

#include <cmath>

#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

// Qo and Pe are shown to 0.001, halves to even.
double roundToThousandth(double value)
{
    const double scaled = value * 1000;
    if (!std::isfinite(scaled))
        return value;
    return roundHalfEven(scaled) / 1000 + 0.0;
}

} // namespace

void fillResultPanels(BalancePanels& panels, const PerformanceResult& r, double airTemperature,
                      char separator)
{
    const auto number = [separator](double value) { return formatNumber(value, separator); };
    panels.evaporatingPressure = "Po=" + number(r.evaporatingPressure) + " [bar] (abs)";
    panels.condensingPressure = "Pk=" + number(r.condensingPressure) + " [bar] (abs)";
    panels.condenserAt15K = "DT=15 / Qskr=" + number(r.condenserCapacityAt15K) + "kW";
    panels.capacity = number(roundToThousandth(r.refrigeratingCapacity)) + " [kW]";
    panels.power = number(roundToThousandth(r.powerInput)) + " [kW]";
    panels.condensingTemperature =
        number(shownCondensingTemperature(airTemperature, r.condensingDeltaT)) + " [C]";
}

} // namespace kelvo
