#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/records.h"
#include "core/chart/chart_canvas.h"

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

inline constexpr ChartColour kChartEnvelope1Colour{0, 0, 255};
inline constexpr ChartColour kChartEnvelope2Colour{0, 128, 0};

// The canvas size and its plot area: 30 pixels margin at the left and top, 31 at the right and
// bottom, or the margins given. A negative size counts as 0.
struct ChartMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
struct ChartGeometry {
    ChartGeometry(int width, int height);
    ChartGeometry(int width, int height, const ChartMargins& margins);
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

// What the chart was last asked to show; kept so that a resized canvas can be redrawn.
// The envelopes are copied when the display runs, so that a later edit, move or delete of
// records never redraws another compressor's envelopes under this working point.
struct ChartRequest {
    int compressor = 0; // table index
    bool ok = false;    // the evaluation succeeded: draw the working point
    double tk = 0;      // C, air temperature + dT
    double to = 0;      // C
    std::array<Envelope, 2> envelopes{};
    bool noBalance = false; // the search found no balance below 70 C
};

// The red cross-hair is drawn: ok and -50 <= to <= 20 and 0 <= tk <= 70.
bool showsWorkingPoint(bool ok, double tk, double to);

// A point drawn as a small square over the chart: filled, or only outlined.
struct ChartMarker {
    double to = 0;
    double tk = 0;
    bool filled = true;
};

// What the editor's chart says of its working point after the cross-hair: the point's to and
// tk beside it, or that the balance search found no balance point below 70 C.
enum class BalanceNote { Point, NoBalance };

// The editor's own texts on its chart.
inline constexpr std::string_view kChartToTitle = "Temperatura parowania to [°C]";
inline constexpr std::string_view kChartTkTitle = "Temperatura skraplania tk [°C]";
inline constexpr std::string_view kChartNoBalanceText = "Brak punktu równowagi poniżej 70 °C";

// The editor's chart in drawing order: the white fill of the canvas; the frame; the vertical
// grid lines with their to labels (0 twice, none at -50); the horizontal lines with their tk
// labels; envelope 1 (blue) and envelope 2 (green), width 2, through the points whose to and tk
// texts both convert; the red cross-hair when ok and -50 <= to <= 20 and 0 <= tk <= 70. Then,
// after all of these, the axis titles (tk's in the top margin, to's in the plot's bottom right
// corner, where no envelope goes) and, with NoBalance, the line saying so at the top of the
// plot, otherwise with the cross-hair its "to = .. °C  tk = .. °C" beside the cross, on the side
// where it stays inside the plot. Labels use the decimal separator given.
std::vector<ChartPrimitive> drawChart(const CompressorRecord& compressor, bool ok, double tk,
                                      double to, int width, int height, char separator,
                                      BalanceNote note = BalanceNote::Point);

// The working point's text beside the cross: "to = -10,0 °C  tk = 45,3 °C".
std::string workingPointText(double to, double tk, char separator);

// The texts of a chart drawn for reading on its own (UTF-8).
struct LabelledChartTexts {
    std::string toTitle;
    std::string tkTitle;
    std::array<std::string, 2> envelopes;
    std::string workingPoint;
    std::string rangeInside;  // range points inside the envelope (filled squares)
    std::string rangeOutside; // ... outside it (outlined squares)
};

// What a labelled chart shows: the envelopes, the working point when there is one and the
// markers.
struct LabelledChartContent {
    std::array<Envelope, 2> envelopes{};
    bool hasPoint = false;
    double to = 0;
    double tk = 0;
    std::vector<ChartMarker> markers;
};

// The same plane as an engineering chart that scales with its canvas: margins made for the tick
// labels and axis titles, tick labels centred on their grid lines (to every 10 K from -50 to
// 20, tk every 10 K on grid lines every 5 K), the tk title read upwards, the to title under the
// to labels, the envelopes, the cross-hair, the markers, the point's to and tk beside the cross,
// and a legend above the plot, in as many rows as the width needs, naming what is drawn: each
// envelope drawn, the working point, range points inside and outside the envelope.
std::vector<ChartPrimitive> drawLabelledChart(const LabelledChartContent& content,
                                              const LabelledChartTexts& texts, int width,
                                              int height, char separator);

// Default canvas size of the editor's chart.
inline constexpr int kDefaultChartWidth = 489;
inline constexpr int kDefaultChartHeight = 385;

} // namespace kelvo
