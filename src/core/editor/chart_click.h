#pragma once

#include <string>

#include "core/chart/envelope_chart.h"

namespace kelvo
{

// The hint over the chart's plot area at pixel (x, y): "to = -10,2 [C]" and "tk = 41,5 [C]"
// on two lines; empty outside the plot area.
std::string chartPointHint(const ChartGeometry& geometry, int x, int y, char separator);

} // namespace kelvo
