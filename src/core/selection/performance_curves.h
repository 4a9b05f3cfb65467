#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/chart/chart_canvas.h"

namespace kelvo
{

struct RangeTables;

// The range tables read as curves: one per ambient row, through the row's figures over the
// evaporating temperatures of the columns. The figures are the tables' own numbers.
struct CurvePoint {
    double to = 0;
    std::optional<double> figure; // nullopt where the evaluation failed: the curve breaks there
    std::string mark;             // the cell's marks as shown ("*", "#", "*#", "!") or ""
};
struct PerformanceCurve {
    double ambient = 0;
    std::string ambientText;
    std::vector<CurvePoint> points; // one per column, in the columns' order
};
struct PerformanceCurves {
    std::vector<PerformanceCurve> capacity; // Qo [W]
    std::vector<PerformanceCurve> power;    // Pe [kW]
    // The chosen working point when its to and ambient are a column and a row of the tables.
    std::optional<double> workingTo;
    std::optional<double> workingAmbient;
};

// The curves of `range` with the working point (to, ambient) picked out when the tables hold it.
PerformanceCurves performanceCurves(const RangeTables& range, double to, double ambient);

// Both charts on one canvas, capacity above power, against to, with axis titles and tick labels,
// one coloured polyline with square markers per curve (hollow where the figure carries a mark),
// the working point ringed in red, and a legend above them naming each curve, the working point
// and the marks that occur. Texts in `language`, numbers with `separator`.
std::vector<ChartPrimitive> drawPerformanceCurves(const PerformanceCurves& curves, int width,
                                                  int height, char separator, int language);

inline constexpr int kDefaultCurvesWidth = 640;
inline constexpr int kDefaultCurvesHeight = 560;

} // namespace kelvo
