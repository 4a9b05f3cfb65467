#include "core/chart/envelope_chart.h"

#include <algorithm>
#include <optional>

#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

constexpr int kMarginLeftTop = 30;
constexpr int kMarginRightBottom = 31;
constexpr double kPixelLimit = 1e6;
constexpr int kGridPenWidth = 1;
constexpr int kEnvelopePenWidth = 2;
constexpr int kPointPenWidth = 1;
constexpr int kLabelGap = 5;   // pixels between the plot area's bottom and the to labels
constexpr int kCrossGap = 4;   // pixels between the cross-hair's lines and the point's text
constexpr int kToLabelGap = 8; // a scaling chart's to labels, clear of the tk label 0 below

int toPixel(double value)
{
    // Also catches NaN: the comparison fails and the pixel is 0.
    if (!(value >= -kPixelLimit && value <= kPixelLimit))
        return value > 0 ? static_cast<int>(kPixelLimit)
                         : (value < 0 ? -static_cast<int>(kPixelLimit) : 0);
    return static_cast<int>(roundHalfEven(value));
}

class ChartPainter
{
  public:
    ChartPainter(const ChartGeometry& geometry, char separator, std::vector<ChartPrimitive>& out)
        : geometry_(geometry), separator_(separator), canvas_(out)
    {
    }

    void fill(ChartColour colour)
    {
        canvas_.fill({0, 0}, {geometry_.width, geometry_.height}, colour);
    }

    void pen(ChartColour colour, int width)
    {
        penColour_ = colour;
        penWidth_ = width;
    }

    void moveTo(double to, double tk) { position_ = worldToPixel(geometry_, to, tk); }

    void lineTo(double to, double tk) { lineToPixel(worldToPixel(geometry_, to, tk)); }
    // The plot area's edge, drawn from its bottom-left corner clockwise.
    void plotFrame()
    {
        moveTo(kChartToMin, kChartTkMin);
        lineTo(kChartToMin, kChartTkMax);
        lineTo(kChartToMax, kChartTkMax);
        lineTo(kChartToMax, kChartTkMin);
        lineTo(kChartToMin, kChartTkMin);
    }

    void lineToPixel(ChartPixel target)
    {
        canvas_.line(position_, target, penColour_, penWidth_);
        position_ = target;
    }

    std::string number(double value) const { return formatNumber(roundToTenth(value), separator_); }
    void label(ChartPixel at, double value) { text(at, number(value), TextAnchor::TopLeft); }

    ChartPrimitive& text(ChartPixel at, std::string text, TextAnchor anchor,
                         ChartColour colour = kChartLabelColour)
    {
        return canvas_.text(at, std::move(text), anchor, colour);
    }

    ChartCanvas& canvas() { return canvas_; }

    void verticalLineWithLabel(double v)
    {
        moveTo(v, kChartTkMin);
        lineTo(v, kChartTkMax);
        label({worldToPixel(geometry_, v, kChartTkMin).x, geometry_.bottom + kLabelGap}, v);
    }

    void horizontalLineWithLabel(double v)
    {
        moveTo(kChartToMin, v);
        lineTo(kChartToMax, v);
        label({geometry_.left - kMarginLeftTop, worldToPixel(geometry_, kChartToMin, v).y}, v);
    }

    // Returns whether a line was drawn.
    bool envelope(const Envelope& envelope, ChartColour colour)
    {
        pen(colour, kEnvelopePenWidth);
        bool started = false;
        bool drawn = false;
        for (int k = 0; k < Envelope::pointCount; ++k) {
            const auto to = parseNumber(envelope.to[static_cast<std::size_t>(k)].view());
            const auto tk = parseNumber(envelope.tk[static_cast<std::size_t>(k)].view());
            if (!to || !tk)
                continue;
            if (started)
                lineTo(*to, *tk);
            else
                moveTo(*to, *tk);
            drawn = started;
            started = true;
        }
        return drawn;
    }

    void crossHair(double to, double tk)
    {
        pen(kChartPointColour, kPointPenWidth);
        moveTo(to, kChartTkMin);
        lineTo(to, kChartTkMax);
        moveTo(kChartToMin, tk);
        lineTo(kChartToMax, tk);
    }

    // The point's to and tk beside its cross: in the first of the cross's four corners (above
    // and right first) where the text stays inside the plot and clear of the envelopes and the
    // markers drawn so far, moved further along the cross's vertical line (nearest first) when
    // that clears them; where nothing is clear, at the place that covers the fewest of them. In a
    // plot too small for the text at all, above and right unless that leaves it, or shifted as far
    // into it as it goes.
    void pointText(double to, double tk)
    {
        const ChartPixel cross = worldToPixel(geometry_, to, tk);
        std::string label = workingPointText(to, tk, separator_);
        const int width = estimatedTextWidth(label, kChartFontHeight);
        const int height = chartTextHeight(kChartFontHeight);
        if (const auto place = clearPlaceBeside(cross, width, height)) {
            text({place->left, place->top}, std::move(label), TextAnchor::TopLeft,
                 kChartPointColour);
            return;
        }
        const bool fitsRight = cross.x + kCrossGap + width <= geometry_.right;
        const bool fitsLeft = cross.x - kCrossGap - width >= geometry_.left;
        const bool above = cross.y - kCrossGap - height >= geometry_.top ||
                           cross.y - geometry_.top > geometry_.bottom - cross.y;
        const int y = cross.y + (above ? -kCrossGap : kCrossGap);
        if (fitsRight || !fitsLeft) {
            const int x = fitsRight ? cross.x + kCrossGap
                                    : std::max(geometry_.left + 1, geometry_.right - width);
            text({x, y}, std::move(label), above ? TextAnchor::BottomLeft : TextAnchor::TopLeft,
                 kChartPointColour);
        } else {
            text({cross.x - kCrossGap, y}, std::move(label),
                 above ? TextAnchor::BottomRight : TextAnchor::TopRight, kChartPointColour);
        }
    }

    // Candidate boxes of a text beside the cross, in order of preference, inside the plot; the
    // first that covers nothing drawn so far, or else the one covering least.
    std::optional<ChartBox> clearPlaceBeside(ChartPixel cross, int width, int height) const
    {
        // Along the cross's vertical line as far as the plot goes.
        const int furthestShift = std::max(0, (geometry_.bottom - geometry_.top) / height);
        std::optional<ChartBox> best;
        int bestCovered = 0;
        for (int shift = 0; shift <= furthestShift; ++shift)
            for (const bool above : {true, false})
                for (const bool right : {true, false}) {
                    ChartBox box;
                    box.left = right ? cross.x + kCrossGap : cross.x - kCrossGap - width;
                    box.right = box.left + width;
                    const int away = kCrossGap + shift * height;
                    box.top = above ? cross.y - away - height : cross.y + away;
                    box.bottom = box.top + height;
                    if (box.left <= geometry_.left || box.right > geometry_.right ||
                        box.top <= geometry_.top || box.bottom > geometry_.bottom)
                        continue;
                    const int covered = coveredBy(box);
                    if (covered == 0)
                        return box;
                    if (!best || covered < bestCovered) {
                        best = box;
                        bestCovered = covered;
                    }
                }
        return best;
    }

    // How many envelope lines and marker strokes drawn so far pass through the box.
    int coveredBy(const ChartBox& box) const
    {
        int covered = 0;
        for (const ChartPrimitive& step : canvas_.primitives()) {
            const bool envelope =
                step.colour == kChartEnvelope1Colour || step.colour == kChartEnvelope2Colour;
            if (step.kind == ChartPrimitive::Kind::Fill && step.colour == kChartMarkerColour)
                covered += step.from.x < box.right && step.to.x > box.left &&
                           step.from.y < box.bottom && step.to.y > box.top;
            else if (step.kind == ChartPrimitive::Kind::Line &&
                     (envelope || step.colour == kChartMarkerColour))
                covered += segmentMeetsBox(step.from, step.to, box, (step.width + 1) / 2);
        }
        return covered;
    }

    // Whether the segment, `reach` pixels thick on each side, meets the box (clipped against
    // the box grown by the reach, Liang-Barsky).
    static bool segmentMeetsBox(ChartPixel a, ChartPixel b, const ChartBox& box, int reach)
    {
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        double enter = 0;
        double leave = 1;
        const double edges[4][2] = {{-dx, static_cast<double>(a.x - (box.left - reach))},
                                    {dx, static_cast<double>(box.right - 1 + reach - a.x)},
                                    {-dy, static_cast<double>(a.y - (box.top - reach))},
                                    {dy, static_cast<double>(box.bottom - 1 + reach - a.y)}};
        for (const auto& [p, q] : edges) {
            if (p == 0) {
                if (q < 0)
                    return false;
                continue;
            }
            const double t = q / p;
            if (p < 0)
                enter = std::max(enter, t);
            else
                leave = std::min(leave, t);
            if (enter > leave)
                return false;
        }
        return true;
    }

    void marker(const ChartMarker& marker)
    {
        if (!showsWorkingPoint(true, marker.tk, marker.to))
            return;
        square(worldToPixel(geometry_, marker.to, marker.tk), marker.filled);
    }

    void square(ChartPixel centre, bool filled)
    {
        canvas_.square(centre, kChartMarkerColour, filled);
    }

  private:
    const ChartGeometry& geometry_;
    char separator_;
    ChartCanvas canvas_;
    ChartPixel position_;
    ChartColour penColour_;
    int penWidth_ = 1;
};

} // namespace

ChartGeometry::ChartGeometry(int w, int h)
    : ChartGeometry(w, h, {kMarginLeftTop, kMarginLeftTop, kMarginRightBottom, kMarginRightBottom})
{
}

ChartGeometry::ChartGeometry(int w, int h, const ChartMargins& margins)
    : width(std::max(w, 0)), height(std::max(h, 0)), left(margins.left), top(margins.top),
      right(width - margins.right), bottom(height - margins.bottom)
{
}

ChartPixel worldToPixel(const ChartGeometry& g, double to, double tk)
{
    const double x = g.left + (to - kChartToMin) * (g.right - g.left) / (kChartToMax - kChartToMin);
    const double y =
        g.bottom - (tk - kChartTkMin) * (g.bottom - g.top) / (kChartTkMax - kChartTkMin);
    return {toPixel(x), toPixel(y)};
}

ChartWorldPoint pixelToWorld(const ChartGeometry& g, int x, int y)
{
    ChartWorldPoint point{kChartToMin, kChartTkMin};
    if (g.right != g.left)
        point.to = kChartToMin + (x - g.left) * (kChartToMax - kChartToMin) / (g.right - g.left);
    if (g.bottom != g.top)
        point.tk = kChartTkMin + (g.bottom - y) * (kChartTkMax - kChartTkMin) / (g.bottom - g.top);
    return point;
}

bool showsWorkingPoint(bool ok, double tk, double to)
{
    return ok && to >= kChartToMin && to <= kChartToMax && tk >= kChartTkMin && tk <= kChartTkMax;
}

std::vector<ChartPrimitive> drawChart(const CompressorRecord& compressor, bool ok, double tk,
                                      double to, int width, int height, char separator,
                                      BalanceNote note)
{
    const ChartGeometry geometry(width, height);
    std::vector<ChartPrimitive> primitives;
    ChartPainter painter(geometry, separator, primitives);

    painter.fill(kChartWhite);

    painter.pen(kChartGridColour, kGridPenWidth);
    painter.plotFrame();

    // Both sweeps start at 0, so 0 is drawn twice; the left edge gets no line of its own.
    double v = 0;
    do {
        if (v >= kChartToMin)
            painter.verticalLineWithLabel(v);
        v += 10;
    } while (v <= kChartToMax);
    v = 0;
    do {
        if (v <= kChartToMax)
            painter.verticalLineWithLabel(v);
        v -= 10;
    } while (v > kChartToMin);

    v = 5;
    do {
        if (v >= kChartTkMin)
            painter.horizontalLineWithLabel(v);
        v += 5;
    } while (v <= kChartTkMax);
    v = 0;
    do {
        if (v <= kChartTkMax)
            painter.horizontalLineWithLabel(v);
        v -= 5;
    } while (v > kChartTkMin);

    painter.envelope(compressor.envelopes[0], kChartEnvelope1Colour);
    painter.envelope(compressor.envelopes[1], kChartEnvelope2Colour);

    const bool point = showsWorkingPoint(ok, tk, to);
    if (point)
        painter.crossHair(to, tk);

    // Additions after the specified drawing. The top margin is empty above the tk labels, and
    // the plot's bottom right corner (tk below to) is a region no envelope reaches.
    painter.text({0, geometry.top - kChartTitleGap}, std::string(kChartTkTitle),
                 TextAnchor::BottomLeft);
    painter.text({geometry.right - kChartTitleGap, geometry.bottom - kChartTitleGap},
                 std::string(kChartToTitle), TextAnchor::BottomRight);
    if (note == BalanceNote::NoBalance)
        painter.text({(geometry.left + geometry.right) / 2, geometry.top + kChartTitleGap},
                     std::string(kChartNoBalanceText), TextAnchor::Top, kChartPointColour);
    else if (point)
        painter.pointText(to, tk);
    return primitives;
}

std::string workingPointText(double to, double tk, char separator)
{
    const auto tenths = [separator](double value) {
        std::string text = formatNumber(roundToTenth(value), separator);
        if (text.find(separator) == std::string::npos)
            text += std::string(1, separator) + "0";
        return text;
    };
    return "to = " + tenths(to) + " °C  tk = " + tenths(tk) + " °C";
}

namespace
{

struct LegendEntry {
    enum class Symbol { Envelope1, Envelope2, Point, Inside, Outside };
    Symbol symbol;
    const std::string* text;
};

} // namespace

std::vector<ChartPrimitive> drawLabelledChart(const LabelledChartContent& content,
                                              const LabelledChartTexts& texts, int width,
                                              int height, char separator)
{
    const int lineHeight = chartTextHeight(kChartFontHeight);
    const int toLabelWidth = widestTickLabel({kChartToMin, kChartToMax, 10}, separator);
    const int tkLabelWidth = widestTickLabel({kChartTkMin, kChartTkMax, 10}, separator);

    // The legend names only what the chart draws; which envelopes draw a line is known only
    // by drawing them, so they are drawn into a scratch list first.
    std::vector<LegendEntry> legend;
    {
        std::vector<ChartPrimitive> scratch;
        const ChartGeometry anySize(width, height);
        ChartPainter probe(anySize, separator, scratch);
        if (probe.envelope(content.envelopes[0], kChartEnvelope1Colour))
            legend.push_back({LegendEntry::Symbol::Envelope1, &texts.envelopes[0]});
        if (probe.envelope(content.envelopes[1], kChartEnvelope2Colour))
            legend.push_back({LegendEntry::Symbol::Envelope2, &texts.envelopes[1]});
    }
    const bool point = showsWorkingPoint(content.hasPoint, content.tk, content.to);
    if (point)
        legend.push_back({LegendEntry::Symbol::Point, &texts.workingPoint});
    const auto anyMarker = [&](bool filled) {
        return std::any_of(content.markers.begin(), content.markers.end(), [&](const auto& m) {
            return m.filled == filled && showsWorkingPoint(true, m.tk, m.to);
        });
    };
    if (anyMarker(true))
        legend.push_back({LegendEntry::Symbol::Inside, &texts.rangeInside});
    if (anyMarker(false))
        legend.push_back({LegendEntry::Symbol::Outside, &texts.rangeOutside});

    // Margins: the tk title read upwards and the tk labels at the left; half a to label at the
    // right; the to labels and title below; the legend's rows above, flowing over the width.
    ChartMargins margins;
    margins.left = chartLeftMargin(tkLabelWidth);
    margins.right = chartRightMargin(toLabelWidth);
    margins.bottom = kToLabelGap + lineHeight + kChartTitleGap + lineHeight + kChartEdgeGap;
    std::vector<int> entryWidths;
    for (const LegendEntry& entry : legend)
        entryWidths.push_back(legendEntryWidth(kChartLegendSample, *entry.text));
    const ChartLegendFlow flow =
        flowLegend(entryWidths, margins.left, std::max(width - margins.right, margins.left));
    margins.top = kChartEdgeGap + flow.height + lineHeight / 2 + kChartTitleGap;

    const ChartGeometry geometry(width, height, margins);
    std::vector<ChartPrimitive> primitives;
    ChartPainter painter(geometry, separator, primitives);
    ChartCanvas& canvas = painter.canvas();
    painter.fill(kChartWhite);

    painter.pen(kChartGridColour, kGridPenWidth);
    for (double v = kChartToMin + 10; v < kChartToMax; v += 10) {
        painter.moveTo(v, kChartTkMin);
        painter.lineTo(v, kChartTkMax);
    }
    for (double v = kChartTkMin + 5; v < kChartTkMax; v += 5) {
        painter.moveTo(kChartToMin, v);
        painter.lineTo(kChartToMax, v);
    }
    painter.pen(kChartFrameColour, kGridPenWidth);
    painter.plotFrame();

    for (double v = kChartToMin; v <= kChartToMax; v += 10)
        canvas.tickLabelBelow(worldToPixel(geometry, v, kChartTkMin).x, geometry.bottom,
                              painter.number(v), kToLabelGap);
    for (double v = kChartTkMin; v <= kChartTkMax; v += 10)
        canvas.tickLabelLeft(geometry.left, worldToPixel(geometry, kChartToMin, v).y,
                             painter.number(v));
    canvas.text({(geometry.left + geometry.right) / 2,
                 geometry.bottom + kToLabelGap + lineHeight + kChartTitleGap},
                texts.toTitle, TextAnchor::Top);
    canvas.verticalTitle(geometry.top, geometry.bottom, texts.tkTitle);

    painter.envelope(content.envelopes[0], kChartEnvelope1Colour);
    painter.envelope(content.envelopes[1], kChartEnvelope2Colour);
    if (point)
        painter.crossHair(content.to, content.tk);
    for (const ChartMarker& marker : content.markers)
        painter.marker(marker);
    if (point) // over the markers, so that it stays legible
        painter.pointText(content.to, content.tk);

    for (std::size_t i = 0; i < legend.size(); ++i) {
        const ChartPixel at = flow.at[i];
        const ChartPixel middle{at.x + kChartLegendSample / 2, at.y};
        switch (legend[i].symbol) {
        case LegendEntry::Symbol::Envelope1:
        case LegendEntry::Symbol::Envelope2:
            canvas.line(at, {at.x + kChartLegendSample, at.y},
                        legend[i].symbol == LegendEntry::Symbol::Envelope1 ? kChartEnvelope1Colour
                                                                           : kChartEnvelope2Colour,
                        kEnvelopePenWidth);
            break;
        case LegendEntry::Symbol::Point:
            canvas.line({middle.x, at.y - lineHeight / 2}, {middle.x, at.y + lineHeight / 2},
                        kChartPointColour, kPointPenWidth);
            canvas.line(at, {at.x + kChartLegendSample, at.y}, kChartPointColour, kPointPenWidth);
            break;
        case LegendEntry::Symbol::Inside:
        case LegendEntry::Symbol::Outside:
            painter.square(middle, legend[i].symbol == LegendEntry::Symbol::Inside);
            break;
        }
        canvas.legendText(at, kChartLegendSample, *legend[i].text);
    }
    return primitives;
}

} // namespace kelvo
