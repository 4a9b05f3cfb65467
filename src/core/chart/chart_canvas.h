#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvo
{

// What every chart of the program is made of: the drawing primitives the windows, SVG and PNG
// paint, the shared colours and layout distances, markers, axis ticks and the legend's flow in
// rows. Each chart decides what it shows; these pieces make the charts look alike.

struct ChartColour {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const ChartColour&, const ChartColour&) = default;
};
inline constexpr ChartColour kChartWhite{255, 255, 255};
inline constexpr ChartColour kChartGridColour{192, 192, 192};
inline constexpr ChartColour kChartLabelColour{0, 0, 0};
inline constexpr ChartColour kChartFrameColour{96, 96, 96}; // a scaling chart's plot edge
inline constexpr ChartColour kChartPointColour{255, 0, 0};  // the working point, nothing else
inline constexpr std::string_view kChartFont = "Arial";
inline constexpr int kChartFontHeight = 12; // pixels

struct ChartPixel {
    int x = 0;
    int y = 0;
    friend bool operator==(const ChartPixel&, const ChartPixel&) = default;
};

// Which point of a text's box its position gives: a corner, the middle of an edge or the
// centre. The box is as wide as the text and as high as the font's ascent plus descent.
enum class TextAnchor {
    TopLeft,
    Top,
    TopRight,
    Left,
    Centre,
    Right,
    BottomLeft,
    Bottom,
    BottomRight
};

// One drawing step.
//  Fill: the rectangle from `from` (top-left) to `to` (exclusive bottom-right) in colour.
//  Line: from `from` to `to`, colour, pen width.
//  Text: text (UTF-8) in font / fontHeight pixels, colour, with the point `anchor` of its box at
//  `from`, turned by `rotation` degrees counter-clockwise about `from` (90: read upwards).
struct ChartPrimitive {
    enum class Kind { Fill, Line, Text };
    Kind kind = Kind::Line;
    ChartPixel from;
    ChartPixel to;
    ChartColour colour;
    int width = 1;
    std::string text;
    std::string_view font;
    int fontHeight = 0;
    TextAnchor anchor = TextAnchor::TopLeft;
    int rotation = 0;
};

// A text's box on the canvas, before rotation, for layout decisions (flipping a label, sizing a
// margin or the legend). The core has no font metrics: the width is estimated from the
// characters at Arial's advances, rounded up, so the real text is at most as wide.
struct ChartBox {
    int left = 0;
    int top = 0;
    int right = 0; // exclusive
    int bottom = 0;
};
int estimatedTextWidth(std::string_view utf8, int fontHeight);
// A text line's height: the font's ascent and descent together.
int chartTextHeight(int fontHeight);

// A line primitive from `from` to `to`.
ChartPrimitive chartLine(ChartPixel from, ChartPixel to, ChartColour colour, int width = 1);
// A fill primitive of the rectangle from `from` (top-left) to `to` (exclusive bottom-right).
ChartPrimitive chartFill(ChartPixel from, ChartPixel to, ChartColour colour);
// A text primitive in the chart font at `at`, placed by `anchor`.
ChartPrimitive chartText(ChartPixel at, std::string text, TextAnchor anchor,
                         ChartColour colour = kChartLabelColour);
ChartBox estimatedTextBox(const ChartPrimitive& text);

// A point drawn as a small square over a chart.
inline constexpr ChartColour kChartMarkerColour{40, 40, 40};
inline constexpr int kChartMarkerSize = 7;   // pixels
inline constexpr int kChartWorkingRing = 13; // pixels across the ring around a working point

// Distances of the charts that scale with their canvas, in pixels.
inline constexpr int kChartEdgeGap = 4;        // kept free at the canvas's edges
inline constexpr int kChartTickGap = 6;        // between the plot and its tick labels
inline constexpr int kChartTitleGap = 4;       // between a title or note and what it stands beside
inline constexpr int kChartLegendSample = 20;  // a legend entry's line or symbol
inline constexpr int kChartLegendTextGap = 5;  // ... between the symbol and its text
inline constexpr int kChartLegendSpacing = 16; // ... between one entry and the next
inline constexpr int kChartLegendRowGap = 4;   // ... between the legend's rows

// An axis from `low` to `high` with a tick every `step`.
struct ChartAxis {
    double low = 0;
    double high = 1;
    double step = 1;
    [[nodiscard]] int ticks() const;        // intervals between the first and last tick
    [[nodiscard]] double tick(int i) const; // low + i steps
};
// The axis over low .. high on ticks of 1, 2 or 5 times a power of ten, about `ticksWanted`
// of them; an empty range is widened around its value.
ChartAxis niceChartAxis(double low, double high, int ticksWanted);
// The widest of the axis's tick labels in the chart font.
int widestTickLabel(const ChartAxis& axis, char separator);

// The left margin of a plot with its title read upwards at the canvas's edge and tick labels
// up to `widestLabel` pixels wide; the right margin that leaves room for half the last label
// under the plot.
int chartLeftMargin(int widestLabel);
int chartRightMargin(int widestLabel);

// The legend's entries placed in rows from `left`, starting a new row where an entry would pass
// `right` (an entry alone in its row stays even when wider). Each entry is `width` pixels:
// its symbol, the gap and its text.
struct ChartLegendFlow {
    std::vector<ChartPixel> at; // each entry's symbol: left end, middle of its row
    int height = 0;             // the rows together, 0 without entries
};
int legendEntryWidth(int symbolWidth, std::string_view text);
ChartLegendFlow flowLegend(const std::vector<int>& entryWidths, int left, int right);

// Appends primitives to a list, in the order drawn.
class ChartCanvas
{
  public:
    explicit ChartCanvas(std::vector<ChartPrimitive>& out) : out_(out) {}

    [[nodiscard]] const std::vector<ChartPrimitive>& primitives() const { return out_; }

    void fill(ChartPixel from, ChartPixel to, ChartColour colour);
    void line(ChartPixel from, ChartPixel to, ChartColour colour, int width = 1);
    ChartPrimitive& text(ChartPixel at, std::string text, TextAnchor anchor,
                         ChartColour colour = kChartLabelColour);

    // A square's edge `size` pixels across about `centre`, clockwise from its top-left corner.
    void outline(ChartPixel centre, int size, ChartColour colour, int width = 1);
    // A marker square: filled in its colour, or only outlined.
    void square(ChartPixel centre, ChartColour colour, bool filled);
    // A marker square outlined on white, so that the lines under it do not show through.
    void hollowSquare(ChartPixel centre, ChartColour colour);
    // The red ring around a working point.
    void workingRing(ChartPixel centre);

    // A plot's edge, clockwise from its bottom-left corner.
    void frame(const ChartBox& plot, ChartColour colour);
    // A tick label centred under the plot at x, or left of the plot's left edge at y.
    void tickLabelBelow(int x, int plotBottom, std::string label, int gap = kChartTickGap);
    void tickLabelLeft(int plotLeft, int y, std::string label);
    // A plot's title read upwards at the canvas's left edge, beside the plot's middle.
    void verticalTitle(int plotTop, int plotBottom, std::string title);
    // A legend entry's text after its symbol.
    void legendText(ChartPixel entryAt, int symbolWidth, std::string text);

  private:
    std::vector<ChartPrimitive>& out_;
};

} // namespace kelvo
