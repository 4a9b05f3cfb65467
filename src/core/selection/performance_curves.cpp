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
constexpr ChartColour kAxisColour{96, 96, 96};
constexpr int kCurvePenWidth = 2;
constexpr int kWorkingRing = 13; // pixels across the working point's ring
constexpr int kEdgeGap = 4;
constexpr int kTickGap = 6;
constexpr int kTitleGap = 4;
constexpr int kChartGap = 10; // between the upper chart's to labels and the lower chart
constexpr int kLegendSample = 20;
constexpr int kLegendTextGap = 5;
constexpr int kLegendSpacing = 16;
constexpr int kLegendRowGap = 4;
constexpr int kTicksWanted = 5;

ChartColour curveColour(std::size_t row)
{
    return kCurveColours[std::min(row, kCurveColours.size() - 1)];
}

// An axis from `low` to `high` on ticks of 1, 2 or 5 times a power of ten.
struct Axis {
    double low = 0;
    double high = 1;
    double step = 1;
    [[nodiscard]] int ticks() const { return static_cast<int>(std::lround((high - low) / step)); }
    [[nodiscard]] double tick(int i) const { return low + i * step; }
};

Axis niceAxis(double low, double high)
{
    if (!(high > low)) {
        const double pad = low == 0 ? 1 : std::fabs(low) / 10;
        low -= pad;
        high += pad;
    }
    const double raw = (high - low) / kTicksWanted;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double ratio = raw / magnitude;
    const double step = magnitude * (ratio <= 1 ? 1 : ratio <= 2 ? 2 : ratio <= 5 ? 5 : 10);
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

struct Plot {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    Axis x;
    Axis y;
    [[nodiscard]] ChartPixel at(double to, double figure) const
    {
        const double px = left + (to - x.low) * (right - left) / (x.high - x.low);
        const double py = bottom - (figure - y.low) * (bottom - top) / (y.high - y.low);
        return {static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py))};
    }
};

class Canvas
{
  public:
    explicit Canvas(std::vector<ChartPrimitive>& out) : out_(out) {}

    void fill(ChartPixel from, ChartPixel to, ChartColour colour)
    {
        out_.push_back(chartFill(from, to, colour));
    }
    void line(ChartPixel from, ChartPixel to, ChartColour colour, int width = 1)
    {
        out_.push_back(chartLine(from, to, colour, width));
    }
    ChartPrimitive& text(ChartPixel at, std::string text, TextAnchor anchor,
                         ChartColour colour = kChartLabelColour)
    {
        out_.push_back(chartText(at, std::move(text), anchor, colour));
        return out_.back();
    }
    void outline(ChartPixel centre, int size, ChartColour colour, int width = 1)
    {
        const int half = size / 2;
        const ChartPixel a{centre.x - half, centre.y - half};
        const ChartPixel b{centre.x + half, centre.y - half};
        const ChartPixel c{centre.x + half, centre.y + half};
        const ChartPixel d{centre.x - half, centre.y + half};
        line(a, b, colour, width);
        line(b, c, colour, width);
        line(c, d, colour, width);
        line(d, a, colour, width);
    }
    // A filled square, or a white one outlined (a figure that carries a mark).
    void marker(ChartPixel centre, ChartColour colour, bool hollow)
    {
        const int half = kChartMarkerSize / 2;
        fill({centre.x - half, centre.y - half}, {centre.x + half + 1, centre.y + half + 1},
             hollow ? kChartWhite : colour);
        if (hollow)
            outline(centre, kChartMarkerSize, colour);
    }

  private:
    std::vector<ChartPrimitive>& out_;
};

const std::vector<PerformanceCurve>* curvesOf(const PerformanceCurves& curves, bool capacity)
{
    return capacity ? &curves.capacity : &curves.power;
}

// The extent of every figure of the curves.
Axis figureAxis(const std::vector<PerformanceCurve>& curves)
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

Axis toAxis(const PerformanceCurves& curves)
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

int widestTick(const Axis& axis, char separator)
{
    int widest = 0;
    for (int i = 0; i <= axis.ticks(); ++i)
        widest = std::max(
            widest, estimatedTextWidth(formatNumber(axis.tick(i), separator), kChartFontHeight));
    return widest;
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

void drawPlot(Canvas& canvas, const Plot& plot, const std::vector<PerformanceCurve>& curves,
              const PerformanceCurves& all, const std::string& title, char separator)
{
    for (int i = 0; i <= plot.x.ticks(); ++i) {
        const int x = plot.at(plot.x.tick(i), plot.y.low).x;
        if (i > 0 && i < plot.x.ticks())
            canvas.line({x, plot.top}, {x, plot.bottom}, kChartGridColour);
        canvas.text({x, plot.bottom + kTickGap}, formatNumber(plot.x.tick(i), separator),
                    TextAnchor::Top);
    }
    for (int i = 0; i <= plot.y.ticks(); ++i) {
        const int y = plot.at(plot.x.low, plot.y.tick(i)).y;
        if (i > 0 && i < plot.y.ticks())
            canvas.line({plot.left, y}, {plot.right, y}, kChartGridColour);
        canvas.text({plot.left - kTickGap, y}, formatNumber(plot.y.tick(i), separator),
                    TextAnchor::Right);
    }
    canvas.line({plot.left, plot.bottom}, {plot.left, plot.top}, kAxisColour);
    canvas.line({plot.left, plot.top}, {plot.right, plot.top}, kAxisColour);
    canvas.line({plot.right, plot.top}, {plot.right, plot.bottom}, kAxisColour);
    canvas.line({plot.right, plot.bottom}, {plot.left, plot.bottom}, kAxisColour);
    canvas.text({kEdgeGap, (plot.top + plot.bottom) / 2}, title, TextAnchor::Top).rotation = 90;

    for (std::size_t k = 0; k < curves.size(); ++k) {
        const ChartColour colour = curveColour(k);
        const std::vector<CurvePoint>& points = curves[k].points;
        for (std::size_t i = 1; i < points.size(); ++i)
            if (points[i - 1].figure && points[i].figure)
                canvas.line(plot.at(points[i - 1].to, *points[i - 1].figure),
                            plot.at(points[i].to, *points[i].figure), colour, kCurvePenWidth);
        for (const CurvePoint& point : points)
            if (point.figure)
                canvas.marker(plot.at(point.to, *point.figure), colour, !point.mark.empty());
    }
    if (!all.workingTo)
        return;
    for (const PerformanceCurve& curve : curves)
        if (curve.ambient == *all.workingAmbient)
            for (const CurvePoint& point : curve.points)
                if (point.to == *all.workingTo && point.figure)
                    canvas.outline(plot.at(point.to, *point.figure), kWorkingRing,
                                   kChartPointColour, 2);
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
    const Axis x = toAxis(curves);
    const std::array<Axis, 2> y{figureAxis(curves.capacity), figureAxis(curves.power)};
    const std::array<std::string, 2> titles{
        std::string(ownText(OwnText::CurvesCapacityTitle, language)),
        std::string(ownText(OwnText::CurvesPowerTitle, language))};

    // The legend's rows flow over the width, above both charts.
    const int left = kEdgeGap + lineHeight + kTickGap +
                     std::max(widestTick(y[0], separator), widestTick(y[1], separator)) + kTickGap;
    const int right = std::max(left + 1, width - widestTick(x, separator) / 2 - kEdgeGap);
    const std::vector<LegendEntry> legend = legendOf(curves, language);
    std::vector<ChartPixel> entryAt;
    const int rowHeight = lineHeight + kLegendRowGap;
    int at = left;
    int row = 0;
    for (const LegendEntry& entry : legend) {
        const int symbol = entry.symbol == LegendEntry::Symbol::None ? 0 : kLegendSample;
        const int entryWidth =
            symbol + kLegendTextGap + estimatedTextWidth(entry.text, kChartFontHeight);
        if (at > left && at + entryWidth > right) {
            at = left;
            ++row;
        }
        entryAt.push_back({at, kEdgeGap + row * rowHeight + lineHeight / 2});
        at += entryWidth + kLegendSpacing;
    }
    const int top = kEdgeGap + (legend.empty() ? 0 : (row + 1) * rowHeight) + lineHeight / 2;
    // Under each plot its to labels; under the lower one also the to title.
    const int labels = kTickGap + lineHeight;
    const int bottom = height - (labels + kTitleGap + lineHeight + kEdgeGap);
    const int plotHeight = std::max(1, (bottom - top - labels - kChartGap) / 2);

    std::vector<ChartPrimitive> primitives;
    Canvas canvas(primitives);
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
            canvas.text({(left + right) / 2, plot.bottom + labels + kTitleGap},
                        std::string(ownText(OwnText::ChartToTitle, language)), TextAnchor::Top);
    }

    for (std::size_t i = 0; i < legend.size(); ++i) {
        const ChartPixel symbolAt = entryAt[i];
        const ChartPixel middle{symbolAt.x + kLegendSample / 2, symbolAt.y};
        int textX = symbolAt.x + kLegendSample + kLegendTextGap;
        switch (legend[i].symbol) {
        case LegendEntry::Symbol::Curve:
            canvas.line(symbolAt, {symbolAt.x + kLegendSample, symbolAt.y}, legend[i].colour,
                        kCurvePenWidth);
            canvas.marker(middle, legend[i].colour, false);
            break;
        case LegendEntry::Symbol::WorkingPoint:
            canvas.outline(middle, kWorkingRing, kChartPointColour, 2);
            break;
        case LegendEntry::Symbol::Hollow:
            canvas.marker(middle, legend[i].colour, true);
            break;
        case LegendEntry::Symbol::None:
            textX = symbolAt.x + kLegendTextGap;
            break;
        }
        canvas.text({textX, symbolAt.y}, legend[i].text, TextAnchor::Left);
    }
    return primitives;
}

} // namespace kelvo
