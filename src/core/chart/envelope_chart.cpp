#include "core/chart/envelope_chart.h"

#include <algorithm>

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
constexpr int kLabelGap = 5; // pixels between the plot area's bottom and the to labels

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
        : geometry_(geometry), separator_(separator), out_(out)
    {
    }

    void fill(ChartColour colour)
    {
        ChartPrimitive p;
        p.kind = ChartPrimitive::Kind::Fill;
        p.from = {0, 0};
        p.to = {geometry_.width, geometry_.height};
        p.colour = colour;
        out_.push_back(std::move(p));
    }

    void pen(ChartColour colour, int width)
    {
        penColour_ = colour;
        penWidth_ = width;
    }

    void moveTo(double to, double tk) { position_ = worldToPixel(geometry_, to, tk); }

    void lineTo(double to, double tk) { lineToPixel(worldToPixel(geometry_, to, tk)); }

    void lineToPixel(ChartPixel target)
    {
        ChartPrimitive p;
        p.kind = ChartPrimitive::Kind::Line;
        p.from = position_;
        p.to = target;
        p.colour = penColour_;
        p.width = penWidth_;
        out_.push_back(std::move(p));
        position_ = target;
    }

    void label(ChartPixel at, double value)
    {
        ChartPrimitive p;
        p.kind = ChartPrimitive::Kind::Text;
        p.from = at;
        p.to = at;
        p.colour = kChartLabelColour;
        p.text = formatNumber(roundToTenth(value), separator_);
        p.font = kChartFont;
        p.fontHeight = kChartFontHeight;
        out_.push_back(std::move(p));
    }

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

    void envelope(const Envelope& envelope, ChartColour colour)
    {
        pen(colour, kEnvelopePenWidth);
        bool started = false;
        for (int k = 0; k < Envelope::pointCount; ++k) {
            const auto to = parseNumber(envelope.to[static_cast<std::size_t>(k)].view());
            const auto tk = parseNumber(envelope.tk[static_cast<std::size_t>(k)].view());
            if (!to || !tk)
                continue;
            if (started)
                lineTo(*to, *tk);
            else
                moveTo(*to, *tk);
            started = true;
        }
    }

  private:
    const ChartGeometry& geometry_;
    char separator_;
    std::vector<ChartPrimitive>& out_;
    ChartPixel position_;
    ChartColour penColour_;
    int penWidth_ = 1;
};

} // namespace

ChartGeometry::ChartGeometry(int w, int h)
    : width(std::max(w, 0)), height(std::max(h, 0)), left(kMarginLeftTop), top(kMarginLeftTop),
      right(width - kMarginRightBottom), bottom(height - kMarginRightBottom)
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
                                      const std::vector<ChartMarker>& markers)
{
    const ChartGeometry geometry(width, height);
    std::vector<ChartPrimitive> primitives;
    ChartPainter painter(geometry, separator, primitives);

    painter.fill(kChartWhite);

    painter.pen(kChartGridColour, kGridPenWidth);
    painter.moveTo(kChartToMin, kChartTkMin);
    painter.lineTo(kChartToMin, kChartTkMax);
    painter.lineTo(kChartToMax, kChartTkMax);
    painter.lineTo(kChartToMax, kChartTkMin);
    painter.lineTo(kChartToMin, kChartTkMin);

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

    if (showsWorkingPoint(ok, tk, to)) {
        painter.pen(kChartPointColour, kPointPenWidth);
        painter.moveTo(to, kChartTkMin);
        painter.lineTo(to, kChartTkMax);
        painter.moveTo(kChartToMin, tk);
        painter.lineTo(kChartToMax, tk);
    }

    for (const ChartMarker& marker : markers) {
        if (!showsWorkingPoint(true, marker.tk, marker.to))
            continue;
        const ChartPixel centre = worldToPixel(geometry, marker.to, marker.tk);
        const int half = kChartMarkerSize / 2;
        const ChartPixel topLeft{centre.x - half, centre.y - half};
        const ChartPixel bottomRight{centre.x + half, centre.y + half};
        ChartPrimitive step;
        step.colour = kChartMarkerColour;
        if (marker.filled) {
            step.kind = ChartPrimitive::Kind::Fill;
            step.from = topLeft;
            step.to = {bottomRight.x + 1, bottomRight.y + 1};
            primitives.push_back(step);
            continue;
        }
        const ChartPixel topRight{bottomRight.x, topLeft.y};
        const ChartPixel bottomLeft{topLeft.x, bottomRight.y};
        for (const auto& [from, to] : {std::pair{topLeft, topRight},
                                       {topRight, bottomRight},
                                       {bottomRight, bottomLeft},
                                       {bottomLeft, topLeft}}) {
            step.from = from;
            step.to = to;
            primitives.push_back(step);
        }
    }
    return primitives;
}

} // namespace kelvo
