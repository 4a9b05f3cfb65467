#include "core/selection/performance_curves.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/app/own_texts.h"
#include "core/selection/display_figures.h"
#include "core/selection/unit_details.h"
#include "core/text/code_page.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

// One colour per row, in the rows' order: cool to warm; red stays the working point's.
constexpr std::array<ChartColour, 4> kCurveColours{
    {{0, 90, 200}, {0, 140, 60}, {225, 120, 0}, {140, 30, 160}}};
constexpr int kCurvePenWidth = 2;
constexpr int kChartGap = 10; // between the upper chart's to labels and the lower chart
constexpr int kTicksWanted = 5;

ChartColour curveColour(std::size_t row)
{
    return kCurveColours[std::min(row, kCurveColours.size() - 1)];
}

ChartAxis niceAxis(double low, double high)
{
    return niceChartAxis(low, high, kTicksWanted);
}

struct Plot {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    ChartAxis x;
    ChartAxis y;
    [[nodiscard]] ChartPixel at(double to, double figure) const
    {
        const double px = left + (to - x.low) * (right - left) / (x.high - x.low);
        const double py = bottom - (figure - y.low) * (bottom - top) / (y.high - y.low);
        return {static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py))};
    }
};

const std::vector<PerformanceCurve>* curvesOf(const PerformanceCurves& curves, bool capacity)
{
    return capacity ? &curves.capacity : &curves.power;
}

// The extent of every figure of the curves.
ChartAxis figureAxis(const std::vector<PerformanceCurve>& curves)
{
    std::optional<double> low;
    std::optional<double> high;
    for (const PerformanceCurve& curve : curves)
        for (const CurvePoint& point : curve.points)
            if (point.figure) {
                low = std::min(low.value_or(*point.figure), *point.figure);
                high = std::max(high.value_or(*point.figure), *point.figure);
            }
    return niceAxis(low.value_or(0), high.value_or(1));
}

ChartAxis toAxis(const PerformanceCurves& curves)
{
    std::optional<double> low;
    std::optional<double> high;
    for (const PerformanceCurve& curve : curves.capacity)
        for (const CurvePoint& point : curve.points) {
            low = std::min(low.value_or(point.to), point.to);
            high = std::max(high.value_or(point.to), point.to);
        }
    return niceAxis(low.value_or(-10), high.value_or(10));
}

bool anyMark(const PerformanceCurves& curves, std::string_view mark)
{
    for (const PerformanceCurve& curve : curves.capacity)
        for (const CurvePoint& point : curve.points)
            if (point.mark.find(mark) != std::string::npos)
                return true;
    return false;
}

struct LegendEntry {
    enum class Symbol { Curve, WorkingPoint, Hollow, None };
    Symbol symbol = Symbol::None;
    ChartColour colour;
    std::string text;
};

// A legend entry without a symbol stands for something the curves do not draw.
int symbolWidth(const LegendEntry& entry)
{
    return entry.symbol == LegendEntry::Symbol::None ? 0 : kChartLegendSample;
}

std::vector<LegendEntry> legendOf(const PerformanceCurves& curves, int language)
{
    std::vector<LegendEntry> legend;
    for (std::size_t k = 0; k < curves.capacity.size(); ++k)
        legend.push_back(
            {LegendEntry::Symbol::Curve, curveColour(k),
             ownText(OwnText::CurveAmbient, language, toUtf8(curves.capacity[k].ambientText))});
    if (curves.workingTo)
        legend.push_back({LegendEntry::Symbol::WorkingPoint, kChartPointColour,
                          std::string(ownText(OwnText::ChartWorkingPoint, language))});
    // The range tables' legend lines, for the marks that occur: failed, gave up, outside.
    const std::vector<std::string> marks = markLegend(language);
    if (anyMark(curves, kGaveUpMark))
        legend.push_back({LegendEntry::Symbol::Hollow, kChartMarkerColour, marks[1]});
    if (anyMark(curves, kOutsideEnvelopeMark))
        legend.push_back({LegendEntry::Symbol::Hollow, kChartMarkerColour, marks[2]});
    if (anyMark(curves, kFailedMark)) // no point to draw: the curve breaks
        legend.push_back({LegendEntry::Symbol::None, kChartMarkerColour, marks[0]});
    return legend;
}

// A filled square, or a hollow one where the figure carries a mark.
void marker(ChartCanvas& canvas, ChartPixel centre, ChartColour colour, bool hollow)
{
    if (hollow)
        canvas.hollowSquare(centre, colour);
    else
        canvas.square(centre, colour, true);
}

void drawPlot(ChartCanvas& canvas, const Plot& plot, const std::vector<PerformanceCurve>& curves,
              const PerformanceCurves& all, const std::string& title, char separator)
{
    for (int i = 0; i <= plot.x.ticks(); ++i) {
        const int x = plot.at(plot.x.tick(i), plot.y.low).x;
        if (i > 0 && i < plot.x.ticks())
            canvas.line({x, plot.top}, {x, plot.bottom}, kChartGridColour);
        canvas.tickLabelBelow(x, plot.bottom, formatNumber(plot.x.tick(i), separator));
    }
    for (int i = 0; i <= plot.y.ticks(); ++i) {
        const int y = plot.at(plot.x.low, plot.y.tick(i)).y;
        if (i > 0 && i < plot.y.ticks())
            canvas.line({plot.left, y}, {plot.right, y}, kChartGridColour);
        canvas.tickLabelLeft(plot.left, y, formatNumber(plot.y.tick(i), separator));
    }
    canvas.frame({plot.left, plot.top, plot.right, plot.bottom}, kChartFrameColour);
    canvas.verticalTitle(plot.top, plot.bottom, title);

    for (std::size_t k = 0; k < curves.size(); ++k) {
        const ChartColour colour = curveColour(k);
        const std::vector<CurvePoint>& points = curves[k].points;
        for (std::size_t i = 1; i < points.size(); ++i)
            if (points[i - 1].figure && points[i].figure)
                canvas.line(plot.at(points[i - 1].to, *points[i - 1].figure),
                            plot.at(points[i].to, *points[i].figure), colour, kCurvePenWidth);
        for (const CurvePoint& point : points)
            if (point.figure)
                marker(canvas, plot.at(point.to, *point.figure), colour, !point.mark.empty());
    }
    if (!all.workingTo)
        return;
    for (const PerformanceCurve& curve : curves)
        if (curve.ambient == *all.workingAmbient)
            for (const CurvePoint& point : curve.points)
                if (point.to == *all.workingTo && point.figure)
                    canvas.workingRing(plot.at(point.to, *point.figure));
}

} // namespace

PerformanceCurves performanceCurves(const RangeTables& range, double to, double ambient)
{
    PerformanceCurves curves;
    for (std::size_t k = 0; k < range.ambients.size(); ++k) {
        PerformanceCurve capacity{range.ambients[k], range.ambientTexts[k], {}};
        PerformanceCurve power = capacity;
        for (const RangeColumn& column : range.columns) {
            const RangeCell& q = column.capacity[k];
            const RangeCell& p = column.power[k];
            capacity.points.push_back({column.to, q.value, q.mark + q.envelopeMark});
            power.points.push_back({column.to, p.value, p.mark + p.envelopeMark});
        }
        curves.capacity.push_back(std::move(capacity));
        curves.power.push_back(std::move(power));
    }
    const bool toIsColumn =
        std::any_of(range.columns.begin(), range.columns.end(),
                    [to](const RangeColumn& column) { return column.to == to; });
    const bool ambientIsRow =
        std::find(range.ambients.begin(), range.ambients.end(), ambient) != range.ambients.end();
    if (toIsColumn && ambientIsRow) {
        curves.workingTo = to;
        curves.workingAmbient = ambient;
    }
    return curves;
}

std::vector<ChartPrimitive> drawPerformanceCurves(const PerformanceCurves& curves, int width,
                                                  int height, char separator, int language)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    const int lineHeight = chartTextHeight(kChartFontHeight);
    const ChartAxis x = toAxis(curves);
    const std::array<ChartAxis, 2> y{figureAxis(curves.capacity), figureAxis(curves.power)};
    const std::array<std::string, 2> titles{
        std::string(ownText(OwnText::CurvesCapacityTitle, language)),
        std::string(ownText(OwnText::CurvesPowerTitle, language))};

    // The legend's rows flow over the width, above both charts.
    const int left = chartLeftMargin(
        std::max(widestTickLabel(y[0], separator), widestTickLabel(y[1], separator)));
    const int right = std::max(left + 1, width - chartRightMargin(widestTickLabel(x, separator)));
    const std::vector<LegendEntry> legend = legendOf(curves, language);
    std::vector<int> entryWidths;
    for (const LegendEntry& entry : legend)
        entryWidths.push_back(legendEntryWidth(symbolWidth(entry), entry.text));
    const ChartLegendFlow flow = flowLegend(entryWidths, left, right);
    const int top = kChartEdgeGap + flow.height + lineHeight / 2;
    // Under each plot its to labels; under the lower one also the to title.
    const int labels = kChartTickGap + lineHeight;
    const int bottom = height - (labels + kChartTitleGap + lineHeight + kChartEdgeGap);
    const int plotHeight = std::max(1, (bottom - top - labels - kChartGap) / 2);

    std::vector<ChartPrimitive> primitives;
    ChartCanvas canvas(primitives);
    canvas.fill({0, 0}, {width, height}, kChartWhite);
    for (int chart = 0; chart < 2; ++chart) {
        Plot plot;
        plot.left = left;
        plot.right = right;
        plot.top = top + chart * (plotHeight + labels + kChartGap);
        plot.bottom = plot.top + plotHeight;
        plot.x = x;
        plot.y = y[static_cast<std::size_t>(chart)];
        drawPlot(canvas, plot, *curvesOf(curves, chart == 0), curves,
                 titles[static_cast<std::size_t>(chart)], separator);
        if (chart == 1)
            canvas.text({(left + right) / 2, plot.bottom + labels + kChartTitleGap},
                        std::string(ownText(OwnText::ChartToTitle, language)), TextAnchor::Top);
    }

    for (std::size_t i = 0; i < legend.size(); ++i) {
        const ChartPixel symbolAt = flow.at[i];
        const ChartPixel middle{symbolAt.x + kChartLegendSample / 2, symbolAt.y};
        switch (legend[i].symbol) {
        case LegendEntry::Symbol::Curve:
            canvas.line(symbolAt, {symbolAt.x + kChartLegendSample, symbolAt.y}, legend[i].colour,
                        kCurvePenWidth);
            marker(canvas, middle, legend[i].colour, false);
            break;
        case LegendEntry::Symbol::WorkingPoint:
            canvas.workingRing(middle);
            break;
        case LegendEntry::Symbol::Hollow:
            marker(canvas, middle, legend[i].colour, true);
            break;
        case LegendEntry::Symbol::None:
            break;
        }
        canvas.legendText(symbolAt, symbolWidth(legend[i]), legend[i].text);
    }
    return primitives;
}

} // namespace kelvo
