#include "core/chart/chart_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

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

} // namespace

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

int ChartAxis::ticks() const
{
    return static_cast<int>(std::lround((high - low) / step));
}

double ChartAxis::tick(int i) const
{
    return low + i * step;
}

ChartAxis niceChartAxis(double low, double high, int ticksWanted)
{
    if (!(high > low)) {
        const double pad = low == 0 ? 1 : std::fabs(low) / 10;
        low -= pad;
        high += pad;
    }
    const double raw = (high - low) / ticksWanted;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double ratio = raw / magnitude;
    const double step = magnitude * (ratio <= 1 ? 1 : ratio <= 2 ? 2 : ratio <= 5 ? 5 : 10);
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

int widestTickLabel(const ChartAxis& axis, char separator)
{
    int widest = 0;
    for (int i = 0; i <= axis.ticks(); ++i)
        widest = std::max(
            widest, estimatedTextWidth(formatNumber(axis.tick(i), separator), kChartFontHeight));
    return widest;
}

int chartLeftMargin(int widestLabel)
{
    return kChartEdgeGap + textHeight(kChartFontHeight) + kChartTickGap + widestLabel +
           kChartTickGap;
}

int chartRightMargin(int widestLabel)
{
    return widestLabel / 2 + kChartEdgeGap;
}

int legendEntryWidth(int symbolWidth, std::string_view text)
{
    return symbolWidth + kChartLegendTextGap + estimatedTextWidth(text, kChartFontHeight);
}

ChartLegendFlow flowLegend(const std::vector<int>& entryWidths, int left, int right)
{
    const int lineHeight = textHeight(kChartFontHeight);
    const int rowHeight = lineHeight + kChartLegendRowGap;
    ChartLegendFlow flow;
    int x = left;
    int row = 0;
    for (const int width : entryWidths) {
        if (x > left && x + width > right) {
            x = left;
            ++row;
        }
        flow.at.push_back({x, kChartEdgeGap + row * rowHeight + lineHeight / 2});
        x += width + kChartLegendSpacing;
    }
    flow.height = entryWidths.empty() ? 0 : (row + 1) * rowHeight;
    return flow;
}

void ChartCanvas::fill(ChartPixel from, ChartPixel to, ChartColour colour)
{
    out_.push_back(chartFill(from, to, colour));
}

void ChartCanvas::line(ChartPixel from, ChartPixel to, ChartColour colour, int width)
{
    out_.push_back(chartLine(from, to, colour, width));
}

ChartPrimitive& ChartCanvas::text(ChartPixel at, std::string text, TextAnchor anchor,
                                  ChartColour colour)
{
    out_.push_back(chartText(at, std::move(text), anchor, colour));
    return out_.back();
}

void ChartCanvas::outline(ChartPixel centre, int size, ChartColour colour, int width)
{
    const int half = size / 2;
    const ChartPixel topLeft{centre.x - half, centre.y - half};
    const ChartPixel topRight{centre.x + half, centre.y - half};
    const ChartPixel bottomRight{centre.x + half, centre.y + half};
    const ChartPixel bottomLeft{centre.x - half, centre.y + half};
    line(topLeft, topRight, colour, width);
    line(topRight, bottomRight, colour, width);
    line(bottomRight, bottomLeft, colour, width);
    line(bottomLeft, topLeft, colour, width);
}

void ChartCanvas::square(ChartPixel centre, ChartColour colour, bool filled)
{
    const int half = kChartMarkerSize / 2;
    if (filled)
        fill({centre.x - half, centre.y - half}, {centre.x + half + 1, centre.y + half + 1},
             colour);
    else
        outline(centre, kChartMarkerSize, colour);
}

void ChartCanvas::hollowSquare(ChartPixel centre, ChartColour colour)
{
    square(centre, kChartWhite, true);
    outline(centre, kChartMarkerSize, colour);
}

void ChartCanvas::workingRing(ChartPixel centre)
{
    outline(centre, kChartWorkingRing, kChartPointColour, 2);
}

void ChartCanvas::frame(const ChartBox& plot, ChartColour colour)
{
    line({plot.left, plot.bottom}, {plot.left, plot.top}, colour);
    line({plot.left, plot.top}, {plot.right, plot.top}, colour);
    line({plot.right, plot.top}, {plot.right, plot.bottom}, colour);
    line({plot.right, plot.bottom}, {plot.left, plot.bottom}, colour);
}

void ChartCanvas::tickLabelBelow(int x, int plotBottom, std::string label, int gap)
{
    text({x, plotBottom + gap}, std::move(label), TextAnchor::Top);
}

void ChartCanvas::tickLabelLeft(int plotLeft, int y, std::string label)
{
    text({plotLeft - kChartTickGap, y}, std::move(label), TextAnchor::Right);
}

void ChartCanvas::verticalTitle(int plotTop, int plotBottom, std::string title)
{
    text({kChartEdgeGap, (plotTop + plotBottom) / 2}, std::move(title), TextAnchor::Top).rotation =
        90;
}

void ChartCanvas::legendText(ChartPixel entryAt, int symbolWidth, std::string text)
{
    this->text({entryAt.x + symbolWidth + kChartLegendTextGap, entryAt.y}, std::move(text),
               TextAnchor::Left);
}

} // namespace kelvo
