#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/selection/unit_envelope.h"

namespace kelvo
{
namespace
{

bool overlap(const ChartBox& a, const ChartBox& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// At the smallest page the window gives and at a large one, in every language: the tick labels
// sit centred on their grid lines, the legend names every kind of thing drawn, and no text
// leaves the canvas or covers another.
TEST(UnitEnvelopeChart, TicksCentredLegendCompleteAndEverythingInside)
{
    UnitEnvelopeView view{{}, true, -10, 45.3, {}, {{-20, 40, true}, {10, 66, false}}};
    const char* outline[][2] = {{"-45", "20"}, {"-45", "45"}, {"10", "63"}, {"10", "25"}};
    for (std::size_t k = 0; k < 4; ++k)
        for (Envelope& envelope : view.compressor.envelopes) {
            envelope.to[k] = outline[k][0];
            envelope.tk[k] = &envelope == &view.compressor.envelopes[0] ? outline[k][1] : "50";
        }
    for (const auto& [width, height] : {std::pair{560, 300}, {1200, 700}}) {
        for (int language = 1; language <= kLanguageCount; ++language) {
            SCOPED_TRACE(std::to_string(width) + " " + std::to_string(language));
            const auto chart = drawUnitEnvelope(view, width, height, ',', language);
            std::vector<int> gridX, gridY; // the x of each vertical line, the y of each horizontal
            std::vector<ChartBox> boxes;
            for (const ChartPrimitive& p : chart) {
                if (p.kind == ChartPrimitive::Kind::Text)
                    boxes.push_back(estimatedTextBox(p));
                for (const ChartPixel& end : {p.from, p.to})
                    EXPECT_TRUE(end.x >= 0 && end.x <= width && end.y >= 0 && end.y <= height);
                if (p.kind == ChartPrimitive::Kind::Line && p.from.x == p.to.x)
                    gridX.push_back(p.from.x);
                if (p.kind == ChartPrimitive::Kind::Line && p.from.y == p.to.y)
                    gridY.push_back(p.from.y);
            }
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                EXPECT_TRUE(boxes[i].left >= 0 && boxes[i].right <= width && boxes[i].top >= 0 &&
                            boxes[i].bottom <= height);
                for (std::size_t j = 0; j < i; ++j)
                    EXPECT_FALSE(overlap(boxes[i], boxes[j])) << i << " / " << j;
            }
            std::vector<std::string> tickLabels;
            for (const ChartPrimitive& p : chart) {
                const bool toLabel = p.anchor == TextAnchor::Top && p.text.size() <= 3;
                const auto& lines = toLabel ? gridX : gridY;
                if (p.kind == ChartPrimitive::Kind::Text &&
                    (toLabel || p.anchor == TextAnchor::Right)) {
                    tickLabels.push_back(p.text);
                    const int at = toLabel ? p.from.x : p.from.y;
                    EXPECT_NE(std::find(lines.begin(), lines.end(), at), lines.end()) << p.text;
                }
            }
            EXPECT_EQ(tickLabels,
                      (std::vector<std::string>{"-50", "-40", "-30", "-20", "-10", "0", "10", "20",
                                                "0", "10", "20", "30", "40", "50", "60", "70"}));
            for (OwnText name :
                 {OwnText::ChartToTitle, OwnText::ChartTkTitle, OwnText::ChartEnvelope1,
                  OwnText::ChartEnvelope2, OwnText::ChartWorkingPoint, OwnText::ChartRangeInside,
                  OwnText::ChartRangeOutside})
                EXPECT_EQ(
                    std::count_if(chart.begin(), chart.end(),
                                  [&](const auto& p) { return p.text == ownText(name, language); }),
                    1)
                    << ownText(name, language);
        }
    }
    // Without a working point, range points or a second envelope, the legend names none.
    view.hasPoint = false;
    view.rangePoints.clear();
    view.compressor.envelopes[1] = {};
    const auto chart = drawUnitEnvelope(view, 560, 300, ',', kEnglish);
    for (const auto& p : chart)
        EXPECT_TRUE(p.text != "Envelope 2" && p.text != "Working point" &&
                    p.text != "Range points inside");
}

} // namespace
} // namespace kelvo
