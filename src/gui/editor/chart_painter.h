#pragma once

#include <QString>
#include <vector>

#include "core/chart/envelope_chart.h"

class QPainter;

namespace kelvo::gui
{

// Paints the chart's primitives in their order onto a painter whose device is the chart's
// canvas (one unit = one pixel).
void paintChart(QPainter& painter, const std::vector<ChartPrimitive>& primitives);

// The chart as the bytes of a PNG picture of width x height pixels (1 .. 10000 each), made
// without a window; empty when it cannot be made.
std::string chartPng(const std::vector<ChartPrimitive>& primitives, int width, int height);

} // namespace kelvo::gui
