#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/records.h"

namespace kelvo
{

// The envelope chart: a compressor's two operating envelopes in the plane of evaporating
// temperature to (horizontal, -50 .. 20 C) and condensing temperature tk (vertical, 0 .. 70 C),
// with the working point as a red cross-hair. Computed as drawing primitives in pixels so that
// any canvas (window, SVG, PNG) paints the same picture.

inline constexpr double kChartToMin = -50;
inline constexpr double kChartToMax = 20;
inline constexpr double kChartTkMin = 0;
inline constexpr double kChartTkMax = 70;

struct ChartColour {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const ChartColour&, const ChartColour&) = default;
};
inline constexpr ChartColour kChartWhite{255, 255, 255};
inline constexpr ChartColour kChartGridColour{192, 192, 192};
inline constexpr ChartColour kChartLabelColour{0, 0, 0};
inline constexpr ChartColour kChartEnvelope1Colour{0, 0, 255};
inline constexpr ChartColour kChartEnvelope2Colour{0, 128, 0};
inline constexpr ChartColour kChartPointColour{255, 0, 0};
inline constexpr std::string_view kChartFont = "Arial";
inline constexpr int kChartFontHeight = 12; // pixels

struct ChartPixel {
    int x = 0;
    int y = 0;
    friend bool operator==(const ChartPixel&, const ChartPixel&) = default;
};

// The canvas size and its plot area: 30 pixels margin at the left and top, 31 at the right and
// bottom. A negative size counts as 0.
struct ChartGeometry {
    ChartGeometry(int width, int height);
    int width;
    int height;
    int left;
    int top;
    int right;
    int bottom;
};

// Pixel of a world point, each coordinate rounded half to even (and kept within +-1e6 pixels,
// so that absurd catalogue values still give a drawable line).
ChartPixel worldToPixel(const ChartGeometry& geometry, double to, double tk);
// World point (to, tk) at a pixel; the inverse of worldToPixel before rounding. A plot area of
// no width or height gives its minimum on that axis.
struct ChartWorldPoint {
    double to = 0;
    double tk = 0;
};
ChartWorldPoint pixelToWorld(const ChartGeometry& geometry, int x, int y);

// One drawing step.
//  Fill: the rectangle from `from` (top-left) to `to` (exclusive bottom-right) in colour.
//  Line: from `from` to `to`, colour, pen width.
//  Text: text (UTF-8) with its top-left corner at `from`, in font / fontHeight pixels, colour.
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
};

// What the chart was last asked to show; kept so that a resized canvas can be redrawn.
// The envelopes are copied when the display runs, so that a later edit, move or delete of
// records never redraws another compressor's envelopes under this working point.
struct ChartRequest {
    int compressor = 0; // table index
    bool ok = false;    // the evaluation succeeded: draw the working point
    double tk = 0;      // C, air temperature + dT
    double to = 0;      // C
    std::array<Envelope, 2> envelopes{};
};

// The red cross-hair is drawn: ok and -50 <= to <= 20 and 0 <= tk <= 70.
bool showsWorkingPoint(bool ok, double tk, double to);

// A point drawn as a small square over the chart: filled, or only outlined.
struct ChartMarker {
    double to = 0;
    double tk = 0;
    bool filled = true;
};
inline constexpr ChartColour kChartMarkerColour{40, 40, 40};
inline constexpr int kChartMarkerSize = 7; // pixels

// The whole chart in drawing order: the white fill of the canvas; the frame; the vertical grid
// lines with their to labels (0 twice, none at -50); the horizontal lines with their tk labels;
// envelope 1 (blue) and envelope 2 (green), width 2, through the points whose to and tk texts
// both convert; the red cross-hair when ok and -50 <= to <= 20 and 0 <= tk <= 70; last the
// markers that lie within those ranges. Labels use the decimal separator given.
std::vector<ChartPrimitive> drawChart(const CompressorRecord& compressor, bool ok, double tk,
                                      double to, int width, int height, char separator,
                                      const std::vector<ChartMarker>& markers = {});

// Default canvas size of the editor's chart.
inline constexpr int kDefaultChartWidth = 489;
inline constexpr int kDefaultChartHeight = 385;

} // namespace kelvo
