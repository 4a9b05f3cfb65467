#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

#include "core/chart/envelope_chart.h"

namespace kelvo
{
namespace
{

using Kind = ChartPrimitive::Kind;

std::vector<const ChartPrimitive*> ofColour(const std::vector<ChartPrimitive>& primitives,
                                            ChartColour colour, Kind kind = Kind::Line)
{
    std::vector<const ChartPrimitive*> found;
    for (const auto& p : primitives)
        if (p.kind == kind && p.colour == colour)
            found.push_back(&p);
    return found;
}

std::vector<std::string> labels(const std::vector<ChartPrimitive>& primitives)
{
    std::vector<std::string> texts;
    for (const auto& p : primitives)
        if (p.kind == Kind::Text)
            texts.push_back(p.text);
    return texts;
}

void setPoints(Envelope& envelope, const std::vector<std::pair<const char*, const char*>>& points)
{
    for (std::size_t k = 0; k < points.size(); ++k) {
        envelope.to[k] = points[k].first;
        envelope.tk[k] = points[k].second;
    }
}

TEST(EnvelopeChart, MappingCornersAndHalvesToEven)
{
    const ChartGeometry g(kDefaultChartWidth, kDefaultChartHeight);
    EXPECT_EQ(worldToPixel(g, -50, 0), (ChartPixel{30, 354}));
    EXPECT_EQ(worldToPixel(g, 20, 70), (ChartPixel{458, 30}));
    // A plot area 7 pixels wide: every 5 K of to is half a pixel.
    const ChartGeometry narrow(68, 68);
    EXPECT_EQ(worldToPixel(narrow, -45, 0).x, 30); // 30.5
    EXPECT_EQ(worldToPixel(narrow, -35, 0).x, 32); // 31.5
    EXPECT_EQ(worldToPixel(narrow, 0, 35).y, 34);  // 37 - 3.5 = 33.5
    // Absurd values stay drawable.
    EXPECT_EQ(worldToPixel(g, 1e300, 0).x, 1000000);
    const ChartWorldPoint back = pixelToWorld(g, 458, 30);
    EXPECT_DOUBLE_EQ(back.to, 20);
    EXPECT_DOUBLE_EQ(back.tk, 70);
}

TEST(EnvelopeChart, GridFrameAndLabelsInOrder)
{
    const CompressorRecord none;
    const auto chart = drawChart(none, false, 0, 0, kDefaultChartWidth, kDefaultChartHeight, ',');
    ASSERT_FALSE(chart.empty());
    EXPECT_EQ(chart[0].kind, Kind::Fill);
    EXPECT_EQ(chart[0].to, (ChartPixel{489, 385}));
    EXPECT_EQ(chart[0].colour, kChartWhite);
    // The frame, then 8 vertical and 15 horizontal grid lines; nothing else without envelopes.
    const auto grid = ofColour(chart, kChartGridColour);
    ASSERT_EQ(grid.size(), 4u + 8u + 15u);
    EXPECT_EQ(grid[0]->from, (ChartPixel{30, 354}));
    EXPECT_EQ(grid[0]->to, (ChartPixel{30, 30}));
    EXPECT_EQ(grid[3]->to, (ChartPixel{30, 354}));
    // The specified drawing, then the two axis titles.
    EXPECT_EQ(chart.size(), 1u + 27u + 8u + 15u + 2u);

    const std::vector<std::string> expected{"0",  "10", "20", "0",  "-10", "-20", "-30", "-40",
                                            "5",  "10", "15", "20", "25",  "30",  "35",  "40",
                                            "45", "50", "55", "60", "65",  "70",  "0"};
    auto texts = labels(chart);
    ASSERT_EQ(texts.size(), expected.size() + 2);
    EXPECT_EQ(std::vector(texts.begin(), texts.begin() + 23), expected);
    // Each line is followed by its label: to labels under the plot, tk labels at the left.
    EXPECT_EQ(chart[5].kind, Kind::Line);
    EXPECT_EQ(chart[6].kind, Kind::Text);
    EXPECT_EQ(chart[6].from, (ChartPixel{worldToPixel(ChartGeometry(489, 385), 0, 0).x, 359}));
    EXPECT_EQ(chart[6].font, "Arial");
    EXPECT_EQ(chart[6].fontHeight, 12);
    const ChartPrimitive& lastLabel = chart[chart.size() - 3];
    EXPECT_EQ(lastLabel.from, (ChartPixel{0, 354}));
    EXPECT_EQ(lastLabel.anchor, TextAnchor::TopLeft);
}

TEST(EnvelopeChart, EnvelopesSkipPointsThatDoNotConvert)
{
    CompressorRecord compressor;
    setPoints(compressor.envelopes[0], {{"-40", "20"},
                                        {"-40", "40"},
                                        {"x", "50"},
                                        {"-20", "55"},
                                        {"0", "60"},
                                        {"10", "55"},
                                        {"10", "30"},
                                        {"-40", "20"}});
    setPoints(compressor.envelopes[1], {{"-10,5", "30"}});
    const auto chart = drawChart(compressor, false, 0, 0, 489, 385, ',');
    const auto blue = ofColour(chart, kChartEnvelope1Colour);
    ASSERT_EQ(blue.size(), 6u); // 7 converting points of 10
    EXPECT_EQ(blue[1]->from, worldToPixel(ChartGeometry(489, 385), -40, 40));
    EXPECT_EQ(blue[1]->to, worldToPixel(ChartGeometry(489, 385), -20, 55));
    EXPECT_EQ(blue[0]->width, 2);
    // One valid point: a start, no line.
    EXPECT_TRUE(ofColour(chart, kChartEnvelope2Colour).empty());
}

TEST(EnvelopeChart, CrossHairOnlyWhenOkAndInside)
{
    const CompressorRecord none;
    auto red = [&](bool ok, double tk, double to) {
        const auto chart = drawChart(none, ok, tk, to, 489, 385, ',');
        std::vector<ChartPrimitive> lines;
        for (const ChartPrimitive* p : ofColour(chart, kChartPointColour))
            lines.push_back(*p);
        return lines;
    };
    const auto atEdge = red(true, 40, -50);
    ASSERT_EQ(atEdge.size(), 2u);
    EXPECT_EQ(atEdge[0].from, (ChartPixel{30, 354})); // on the frame's left edge
    EXPECT_EQ(atEdge[0].to, (ChartPixel{30, 30}));
    EXPECT_EQ(atEdge[1].from.x, 30);
    EXPECT_EQ(atEdge[1].to.x, 458);
    EXPECT_TRUE(red(true, 40, 25).empty());
    EXPECT_TRUE(red(true, 75, 0).empty());
    EXPECT_TRUE(red(false, 40, 0).empty());
    EXPECT_EQ(red(true, 70, 20).size(), 2u);
}

TEST(EnvelopeChart, AnySizeDraws)
{
    const CompressorRecord none;
    for (const auto& [w, h] : {std::pair{0, 0}, {-5, 10}, {40, 40}, {3840, 2160}}) {
        const auto chart = drawChart(none, true, 30, 0, w, h, ',');
        EXPECT_EQ(chart.size(), 1u + 27u + 23u + 2u + 3u) << w << "x" << h;
        EXPECT_GE(chart[0].to.x, 0);
    }
    const auto big = drawChart(none, false, 0, 0, 3840, 2160, ',');
    EXPECT_EQ(big[1].to, (ChartPixel{30, 30}));
    EXPECT_EQ(big[2].to, (ChartPixel{3809, 30}));
}

bool inside(const ChartBox& box, const ChartBox& area)
{
    return box.left >= area.left && box.right <= area.right && box.top >= area.top &&
           box.bottom <= area.bottom;
}

TEST(EnvelopeChart, AdditionsComeAfterTheSpecifiedDrawingAndStayInside)
{
    CompressorRecord compressor;
    setPoints(compressor.envelopes[0], {{"-40", "25"}, {"-40", "50"}, {"10", "65"}, {"10", "30"}});
    const ChartGeometry g(kDefaultChartWidth, kDefaultChartHeight);
    const ChartBox canvas{0, 0, g.width, g.height};
    const ChartBox plot{g.left, g.top, g.right + 1, g.bottom + 1};
    // Points near each edge and corner: the text beside the cross flips to stay in the plot.
    const std::pair<double, double> nearEdges[] = {{-49.5, 35}, {19.5, 35}, {-15, 69.5}, {-15, 0.5},
                                                   {19, 69},    {-49, 1},   {-10, 45.25}};
    for (const auto& [to, tk] : nearEdges) {
        const auto chart = drawChart(compressor, true, tk, to, g.width, g.height, ',');
        const auto bare = drawChart(compressor, false, tk, to, g.width, g.height, ',');
        // The specified primitives: as without a point up to the envelopes, then the cross.
        const std::size_t specified = 1 + 27 + 23 + 3 + 2;
        ASSERT_EQ(chart.size(), specified + 3) << to << " " << tk;
        for (std::size_t i = 0; i + 2 < specified; ++i)
            EXPECT_EQ(chart[i].from, bare[i].from) << i;
        EXPECT_EQ(chart[specified - 1].colour, kChartPointColour);
        EXPECT_EQ(chart[specified].text, kChartTkTitle);
        EXPECT_EQ(chart[specified + 1].text, kChartToTitle);
        const ChartPrimitive& point = chart.back();
        EXPECT_EQ(point.text, workingPointText(to, tk, ','));
        for (std::size_t i = specified; i < chart.size(); ++i)
            EXPECT_TRUE(inside(estimatedTextBox(chart[i]), canvas)) << chart[i].text;
        const ChartPixel cross = worldToPixel(g, to, tk);
        EXPECT_TRUE(inside(estimatedTextBox(point), plot)) << point.text;
        EXPECT_FALSE(inside({cross.x, cross.y, cross.x, cross.y}, estimatedTextBox(point)));
    }
    EXPECT_EQ(workingPointText(-10, 45.25, ','), "to = -10,0 °C  tk = 45,2 °C");

    // No balance below 70 C: no cross, no point text, the line saying so in the plot.
    const auto none =
        drawChart(compressor, true, 75, -10, g.width, g.height, ',', BalanceNote::NoBalance);
    ASSERT_EQ(none.size(), 1u + 27u + 23u + 3u + 3u);
    EXPECT_TRUE(ofColour(none, kChartPointColour).empty());
    EXPECT_EQ(none.back().text, kChartNoBalanceText);
    EXPECT_EQ(none.back().colour, kChartPointColour);
    EXPECT_TRUE(inside(estimatedTextBox(none.back()), plot));
}

// Whether a stroke of `colour` meets the box: lines walked pixel by pixel, fills whole.
bool strokesIn(const std::vector<ChartPrimitive>& chart, ChartColour colour, const ChartBox& box)
{
    const auto meets = [&](ChartPixel from, ChartPixel to) {
        return from.x <= box.right && to.x >= box.left - 1 && from.y <= box.bottom &&
               to.y >= box.top - 1;
    };
    for (const ChartPrimitive& p : chart) {
        const int steps = std::max({std::abs(p.to.x - p.from.x), std::abs(p.to.y - p.from.y), 1});
        for (int i = 0; p.colour == colour && p.kind == Kind::Line && i <= steps; ++i) {
            const ChartPixel at{p.from.x + (p.to.x - p.from.x) * i / steps,
                                p.from.y + (p.to.y - p.from.y) * i / steps};
            if (meets(at, at))
                return true;
        }
        if (p.colour == colour && p.kind == Kind::Fill && meets(p.from, {p.to.x - 1, p.to.y - 1}))
            return true;
    }
    return false;
}

// The point's text stays clear of the envelopes and the range markers, wherever on or beside
// them the point lies, on the editor's chart and on the labelled one.
TEST(EnvelopeChart, ThePointsTextStaysClearOfEnvelopesAndMarkers)
{
    CompressorRecord compressor;
    setPoints(compressor.envelopes[0], {{"-40", "25"}, {"-40", "50"}, {"10", "65"}, {"10", "30"}});
    setPoints(compressor.envelopes[1], {{"-30", "30"}, {"-30", "48"}, {"0", "58"}, {"0", "32"}});
    for (const auto& [to, tk] : std::vector<std::pair<double, double>>{
             {-15, 57.5}, {10, 45}, {8, 45}, {-15, 27.5}, {-40, 50}, {-30, 40}, {12.5, 51}}) {
        LabelledChartContent content{compressor.envelopes, true, to, tk, {}};
        for (const double dt : {-10.0, 0.0, 10.0})
            for (const double dk : {-5.0, 5.0})
                content.markers.push_back({to + dt, tk + dk, dk > 0});
        for (const auto& chart :
             {drawChart(compressor, true, tk, to, kDefaultChartWidth, kDefaultChartHeight, ','),
              drawLabelledChart(content, {"to", "tk", {"1", "2"}, "p", "i", "o"}, 800, 560, ',')}) {
            const auto text = std::find_if(chart.begin(), chart.end(), [&](const auto& p) {
                return p.text == workingPointText(to, tk, ',');
            });
            ASSERT_NE(text, chart.end());
            for (const ChartColour colour :
                 {kChartEnvelope1Colour, kChartEnvelope2Colour, kChartMarkerColour})
                EXPECT_FALSE(strokesIn(chart, colour, estimatedTextBox(*text))) << to << " " << tk;
        }
    }
}

TEST(EnvelopeChart, TextBoxesFollowAnchorAndRotation)
{
    ChartPrimitive text;
    text.kind = Kind::Text;
    text.text = "tk [°C]";
    text.fontHeight = 12;
    text.from = {100, 50};
    const int w = estimatedTextWidth(text.text, 12);
    EXPECT_TRUE(w >= 33 && w <= 40) << w;             // Arial's advances at 12 px add up to 32,8
    const int h = estimatedTextBox(text).bottom - 50; // top-left at `from`
    for (const auto& [anchor, rotation, expected] :
         {std::tuple{TextAnchor::BottomRight, 0, ChartBox{100 - w, 50 - h, 100, 50}},
          {TextAnchor::Right, 0, ChartBox{100 - w, 50 - h / 2, 100, 50 + h - h / 2}},
          // Read upwards: the box's top edge faces left, its text runs from bottom to top.
          {TextAnchor::Top, 90, ChartBox{100, 50 - w + w / 2, 100 + h, 50 + w / 2}}}) {
        text.anchor = anchor;
        text.rotation = rotation;
        const ChartBox box = estimatedTextBox(text);
        EXPECT_EQ(std::tuple(box.left, box.top, box.right, box.bottom),
                  std::tuple(expected.left, expected.top, expected.right, expected.bottom))
            << static_cast<int>(anchor) << " " << rotation;
    }
}

} // namespace
} // namespace kelvo
