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

using Kind = ChartPrimitive::Kind;

bool inside(const ChartBox& box, int width, int height)
{
    return box.left >= 0 && box.top >= 0 && box.right <= width && box.bottom <= height;
}

bool overlap(const ChartBox& a, const ChartBox& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

UnitEnvelopeView sampleView()
{
    UnitEnvelopeView view;
    const std::vector<std::pair<const char*, const char*>> outline{
        {"-45", "20"}, {"-45", "45"}, {"-20", "60"}, {"10", "63"}, {"10", "25"}, {"-45", "20"}};
    for (std::size_t k = 0; k < outline.size(); ++k) {
        view.compressor.envelopes[0].to[k] = outline[k].first;
        view.compressor.envelopes[0].tk[k] = outline[k].second;
        view.compressor.envelopes[1].to[k] = outline[k].first;
        view.compressor.envelopes[1].tk[k] = k == 3 ? "55" : outline[k].second;
    }
    view.hasPoint = true;
    view.to = -10;
    view.tk = 45.3;
    view.rangePoints = {{-20, 40, true}, {0, 47, true}, {10, 66, false}};
    return view;
}

// At the smallest page the window gives and at a large one, in every language: the tick labels
// sit centred on their grid lines, the legend names every kind of thing drawn, and no text
// leaves the canvas or covers another.
TEST(UnitEnvelopeChart, TicksCentredLegendCompleteAndEverythingInside)
{
    const UnitEnvelopeView view = sampleView();
    for (const auto& [width, height] : {std::pair{560, 300}, {1200, 700}}) {
        for (int language = 1; language <= kLanguageCount; ++language) {
            SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height) + " language " +
                         std::to_string(language));
            const auto chart = drawUnitEnvelope(view, width, height, ',', language);
            std::vector<int> gridX;
            std::vector<int> gridY;
            std::vector<const ChartPrimitive*> texts;
            for (const ChartPrimitive& p : chart) {
                if (p.kind == Kind::Text)
                    texts.push_back(&p);
                else
                    for (const ChartPixel& end : {p.from, p.to})
                        EXPECT_TRUE(end.x >= 0 && end.x <= width && end.y >= 0 && end.y <= height);
                if (p.kind == Kind::Line && p.from.x == p.to.x)
                    gridX.push_back(p.from.x);
                if (p.kind == Kind::Line && p.from.y == p.to.y)
                    gridY.push_back(p.from.y);
            }
            int toLabels = 0;
            int tkLabels = 0;
            for (const ChartPrimitive* t : texts) {
                EXPECT_TRUE(inside(estimatedTextBox(*t), width, height)) << t->text;
                for (const ChartPrimitive* other : texts) {
                    if (other == t)
                        continue;
                    EXPECT_FALSE(overlap(estimatedTextBox(*t), estimatedTextBox(*other)))
                        << t->text << " / " << other->text;
                }
                const auto on = [](const std::vector<int>& lines, int at) {
                    return std::find(lines.begin(), lines.end(), at) != lines.end();
                };
                if (t->anchor == TextAnchor::Top && t->text.size() <= 3) {
                    EXPECT_TRUE(on(gridX, t->from.x)) << t->text;
                    ++toLabels;
                }
                if (t->anchor == TextAnchor::Right) {
                    EXPECT_TRUE(on(gridY, t->from.y)) << t->text;
                    ++tkLabels;
                }
            }
            EXPECT_EQ(toLabels, 8); // -50 .. 20
            EXPECT_EQ(tkLabels, 8); // 0 .. 70
            for (OwnText name :
                 {OwnText::ChartToTitle, OwnText::ChartTkTitle, OwnText::ChartEnvelope1,
                  OwnText::ChartEnvelope2, OwnText::ChartWorkingPoint, OwnText::ChartRangeInside,
                  OwnText::ChartRangeOutside}) {
                const std::string_view expected = ownText(name, language);
                EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                                        [&](const auto* t) { return t->text == expected; }),
                          1)
                    << expected;
            }
        }
    }
    // Without a working point, range points or a second envelope, the legend names none.
    UnitEnvelopeView bare = sampleView();
    bare.hasPoint = false;
    bare.rangePoints.clear();
    bare.compressor.envelopes[1] = {};
    const auto chart = drawUnitEnvelope(bare, 560, 300, ',', kEnglish);
    for (const char* absent : {"Envelope 2", "Working point", "Range points inside"})
        EXPECT_TRUE(std::none_of(chart.begin(), chart.end(), [&](const auto& p) {
            return p.text == absent;
        })) << absent;
}

} // namespace
} // namespace kelvo
