#include "core/chart/envelope_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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
constexpr int kLabelGap = 5; // pixels between the plot area's bottom and the to labels
constexpr int kNoteGap = 4;  // pixels between a title or note and what it stands beside
constexpr int kCrossGap = 4; // pixels between the cross-hair's lines and the point's text

int toPixel(double value)
{
    // Also catches NaN: the comparison fails and the pixel is 0.
    if (!(value >= -kPixelLimit && value <= kPixelLimit))
        return value > 0 ? static_cast<int>(kPixelLimit)
                         : (value < 0 ? -static_cast<int>(kPixelLimit) : 0);
    return static_cast<int>(roundHalfEven(value));
}

// A text line's height: Arial's ascent and descent together are 1.12 of its pixel size.
int textHeight(int fontHeight)
{
    return (fontHeight * 112 + 99) / 100;
}

// A character's advance in Arial, in hundredths of the font's pixel size; rounded up a little
// so that an estimate is never short.
int advanceOf(std::uint32_t c)
{
    if (c == ' ' || c == '.' || c == ',' || c == ':' || c == ';' || c == '!' || c == '|' ||
        c == '\'' || c == 'i' || c == 'j' || c == 'l' || c == 0x142 /* ł */)
        return 29;
    if (c == 'f' || c == 't' || c == 'r' || c == '(' || c == ')' || c == '[' || c == ']' ||
        c == '-' || c == '/' || c == 'I')
        return 35;
    if (c == 0xB0 /* ° */)
        return 41;
    if (c == 'm' || c == 'w' || c == 'M' || c == 'W')
        return 95;
    // Other letters beyond ASCII count as capitals: an accented capital is as wide as those.
    if ((c >= 'A' && c <= 'Z') || c == '%' || c >= 0xC0)
        return 78;
    return 57;
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
        out_.push_back(chartFill({0, 0}, {geometry_.width, geometry_.height}, colour));
    }

    void pen(ChartColour colour, int width)
    {
        penColour_ = colour;
        penWidth_ = width;
    }

    void moveTo(double to, double tk) { position_ = worldToPixel(geometry_, to, tk); }
    void moveToPixel(ChartPixel at) { position_ = at; }

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
        out_.push_back(chartLine(position_, target, penColour_, penWidth_));
        position_ = target;
    }

    void label(ChartPixel at, double value, TextAnchor anchor = TextAnchor::TopLeft)
    {
        text(at, formatNumber(roundToTenth(value), separator_), anchor);
    }

    ChartPrimitive& text(ChartPixel at, std::string text, TextAnchor anchor,
                         ChartColour colour = kChartLabelColour)
    {
        out_.push_back(chartText(at, std::move(text), anchor, colour));
        return out_.back();
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
        const int height = textHeight(kChartFontHeight);
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
        for (const ChartPrimitive& step : out_) {
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
        const int half = kChartMarkerSize / 2;
        const ChartPixel topLeft{centre.x - half, centre.y - half};
        const ChartPixel bottomRight{centre.x + half, centre.y + half};
        ChartPrimitive step;
        step.colour = kChartMarkerColour;
        if (filled) {
            step.kind = ChartPrimitive::Kind::Fill;
            step.from = topLeft;
            step.to = {bottomRight.x + 1, bottomRight.y + 1};
            out_.push_back(step);
            return;
        }
        const ChartPixel topRight{bottomRight.x, topLeft.y};
        const ChartPixel bottomLeft{topLeft.x, bottomRight.y};
        for (const auto& [from, to] : {std::pair{topLeft, topRight},
                                       {topRight, bottomRight},
                                       {bottomRight, bottomLeft},
                                       {bottomLeft, topLeft}}) {
            step.from = from;
            step.to = to;
            out_.push_back(step);
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
    painter.text({0, geometry.top - kNoteGap}, std::string(kChartTkTitle), TextAnchor::BottomLeft);
    painter.text({geometry.right - kNoteGap, geometry.bottom - kNoteGap},
                 std::string(kChartToTitle), TextAnchor::BottomRight);
    if (note == BalanceNote::NoBalance)
        painter.text({(geometry.left + geometry.right) / 2, geometry.top + kNoteGap},
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

ChartPrimitive chartLine(ChartPixel from, ChartPixel to, ChartColour colour, int width)
{
    ChartPrimitive p;
    p.kind = ChartPrimitive::Kind::Line;
    p.from = from;
    p.to = to;
    p.colour = colour;
    p.width = width;
    return p;
}

ChartPrimitive chartFill(ChartPixel from, ChartPixel to, ChartColour colour)
{
    ChartPrimitive p;
    p.kind = ChartPrimitive::Kind::Fill;
    p.from = from;
    p.to = to;
    p.colour = colour;
    return p;
}

ChartPrimitive chartText(ChartPixel at, std::string text, TextAnchor anchor, ChartColour colour)
{
    ChartPrimitive p;
    p.kind = ChartPrimitive::Kind::Text;
    p.from = at;
    p.to = at;
    p.colour = colour;
    p.text = std::move(text);
    p.font = kChartFont;
    p.fontHeight = kChartFontHeight;
    p.anchor = anchor;
    return p;
}

int chartTextHeight(int fontHeight)
{
    return textHeight(fontHeight);
}

int estimatedTextWidth(std::string_view utf8, int fontHeight)
{
    int hundredths = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        std::uint32_t c = length == 1 ? byte : byte & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        hundredths += advanceOf(c);
        i += length;
    }
    return (hundredths * std::max(fontHeight, 0) + 99) / 100;
}

ChartBox estimatedTextBox(const ChartPrimitive& text)
{
    const int w = estimatedTextWidth(text.text, text.fontHeight);
    const int h = textHeight(text.fontHeight);
    const int column = static_cast<int>(text.anchor) % 3; // left, centre, right
    const int row = static_cast<int>(text.anchor) / 3;    // top, middle, bottom
    const int left = -(column * w) / 2;
    const int top = -(row * h) / 2;
    // The corners turned about the anchor (counter-clockwise on a canvas whose y points down).
    const double angle = text.rotation * std::acos(-1.0) / 180;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    ChartBox box{text.from.x, text.from.y, text.from.x, text.from.y};
    bool first = true;
    for (const auto& [x, y] :
         {std::pair{left, top}, {left + w, top}, {left, top + h}, {left + w, top + h}}) {
        const int px = text.from.x + static_cast<int>(std::lround(x * c + y * s));
        const int py = text.from.y + static_cast<int>(std::lround(-x * s + y * c));
        box.left = first ? px : std::min(box.left, px);
        box.right = first ? px : std::max(box.right, px);
        box.top = first ? py : std::min(box.top, py);
        box.bottom = first ? py : std::max(box.bottom, py);
        first = false;
    }
    return box;
}

namespace
{

constexpr ChartColour kLabelledFrameColour{96, 96, 96};
constexpr int kTickGap = 6;       // pixels between the plot and its tick labels
constexpr int kToLabelGap = 8;    // ... under it, clear of the tk label 0 reaching below it
constexpr int kEdgeGap = 4;       // pixels kept free at the canvas's edges
constexpr int kLegendSample = 20; // pixels of a legend entry's line or symbol
constexpr int kLegendTextGap = 5; // ... between the symbol and its text
constexpr int kLegendSpacing = 16;
constexpr int kLegendRowGap = 4;

struct LegendEntry {
    enum class Symbol { Envelope1, Envelope2, Point, Inside, Outside };
    Symbol symbol;
    const std::string* text;
};

int widestLabel(double from, double to, double step, int fontHeight, char separator)
{
    int widest = 0;
    for (double v = from; v <= to; v += step)
        widest = std::max(widest, estimatedTextWidth(formatNumber(v, separator), fontHeight));
    return widest;
}

} // namespace

std::vector<ChartPrimitive> drawLabelledChart(const LabelledChartContent& content,
                                              const LabelledChartTexts& texts, int width,
                                              int height, char separator)
{
    const int lineHeight = textHeight(kChartFontHeight);
    const int toLabelWidth = widestLabel(kChartToMin, kChartToMax, 10, kChartFontHeight, separator);
    const int tkLabelWidth = widestLabel(kChartTkMin, kChartTkMax, 10, kChartFontHeight, separator);

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
    margins.left = kEdgeGap + lineHeight + kTickGap + tkLabelWidth + kTickGap;
    margins.right = toLabelWidth / 2 + kEdgeGap;
    margins.bottom = kToLabelGap + lineHeight + kNoteGap + lineHeight + kEdgeGap;
    const int legendRight = std::max(width - margins.right, margins.left);
    std::vector<ChartPixel> entryAt; // each entry's symbol: left end, middle of its row
    const int rowHeight = lineHeight + kLegendRowGap;
    int x = margins.left;
    int row = 0;
    for (const LegendEntry& entry : legend) {
        const int entryWidth =
            kLegendSample + kLegendTextGap + estimatedTextWidth(*entry.text, kChartFontHeight);
        if (x > margins.left && x + entryWidth > legendRight) {
            x = margins.left;
            ++row;
        }
        entryAt.push_back({x, kEdgeGap + row * rowHeight + lineHeight / 2});
        x += entryWidth + kLegendSpacing;
    }
    const int legendHeight = legend.empty() ? 0 : (row + 1) * rowHeight;
    margins.top = kEdgeGap + legendHeight + lineHeight / 2 + kNoteGap;

    const ChartGeometry geometry(width, height, margins);
    std::vector<ChartPrimitive> primitives;
    ChartPainter painter(geometry, separator, primitives);
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
    painter.pen(kLabelledFrameColour, kGridPenWidth);
    painter.plotFrame();

    for (double v = kChartToMin; v <= kChartToMax; v += 10)
        painter.label({worldToPixel(geometry, v, kChartTkMin).x, geometry.bottom + kToLabelGap}, v,
                      TextAnchor::Top);
    for (double v = kChartTkMin; v <= kChartTkMax; v += 10)
        painter.label({geometry.left - kTickGap, worldToPixel(geometry, kChartToMin, v).y}, v,
                      TextAnchor::Right);
    painter.text({(geometry.left + geometry.right) / 2,
                  geometry.bottom + kToLabelGap + lineHeight + kNoteGap},
                 texts.toTitle, TextAnchor::Top);
    painter.text({kEdgeGap, (geometry.top + geometry.bottom) / 2}, texts.tkTitle, TextAnchor::Top)
        .rotation = 90;

    painter.envelope(content.envelopes[0], kChartEnvelope1Colour);
    painter.envelope(content.envelopes[1], kChartEnvelope2Colour);
    if (point)
        painter.crossHair(content.to, content.tk);
    for (const ChartMarker& marker : content.markers)
        painter.marker(marker);
    if (point) // over the markers, so that it stays legible
        painter.pointText(content.to, content.tk);

    for (std::size_t i = 0; i < legend.size(); ++i) {
        const ChartPixel at = entryAt[i];
        const ChartPixel middle{at.x + kLegendSample / 2, at.y};
        switch (legend[i].symbol) {
        case LegendEntry::Symbol::Envelope1:
        case LegendEntry::Symbol::Envelope2:
            painter.pen(legend[i].symbol == LegendEntry::Symbol::Envelope1 ? kChartEnvelope1Colour
                                                                           : kChartEnvelope2Colour,
                        kEnvelopePenWidth);
            painter.moveToPixel(at);
            painter.lineToPixel({at.x + kLegendSample, at.y});
            break;
        case LegendEntry::Symbol::Point:
            painter.pen(kChartPointColour, kPointPenWidth);
            painter.moveToPixel({middle.x, at.y - lineHeight / 2});
            painter.lineToPixel({middle.x, at.y + lineHeight / 2});
            painter.moveToPixel(at);
            painter.lineToPixel({at.x + kLegendSample, at.y});
            break;
        case LegendEntry::Symbol::Inside:
        case LegendEntry::Symbol::Outside:
            painter.square(middle, legend[i].symbol == LegendEntry::Symbol::Inside);
            break;
        }
        painter.text({at.x + kLegendSample + kLegendTextGap, at.y}, *legend[i].text,
                     TextAnchor::Left);
    }
    return primitives;
}

} // namespace kelvo
