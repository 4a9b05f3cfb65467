#pragma once

#include <vector>

#include "core/chart/envelope_chart.h"
#include "core/selection/performance_curves.h"
#include "core/selection/unit_details.h"
#include "core/text/display_units.h"

namespace kelvo
{

// The figures of the details as `system` shows them, for display only: every temperature,
// capacity and pressure text converted from the figure shown in SI (figureTextIn), the numbers
// beside them likewise, the unit labels of the tables renamed. Power stays in kW. Texts with no
// quantity (models, marks, reasons, dimensions in mm) are unchanged. Nothing computed from the
// copy may go back into the calculation, which stays SI.
RangeTables rangeTablesIn(const RangeTables& range, UnitSystem system, char separator);
UnitDetails unitDetailsIn(const UnitDetails& details, UnitSystem system, char separator);

// A temperature of the inputs (to, ambient) as the tables show it, as a number.
double shownTemperature(double celsius, UnitSystem system);

// The curves of the range tables as `system` shows them, the working point (to, ambient, in C)
// picked out as performanceCurves picks it.
PerformanceCurves performanceCurvesIn(const RangeTables& range, double to, double ambient,
                                      UnitSystem system, char separator);
// The curves' chart drawn from curves already in `system`, its titles and legend naming the
// units of `system`.
std::vector<ChartPrimitive> drawPerformanceCurvesIn(const PerformanceCurves& curves, int width,
                                                    int height, char separator, int language,
                                                    UnitSystem system);
// A chart drawn in SI whose figures are all temperatures (the envelope), with its texts in
// `system`: the tick labels, the working point's to and tk and the axis titles.
void temperatureChartIn(std::vector<ChartPrimitive>& primitives, UnitSystem system, char separator);

} // namespace kelvo
