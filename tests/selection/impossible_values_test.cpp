// Catalogue values that convert but cannot be, and balance points without a positive capacity
// or power: the unit is listed last without figures, with the reason, and its details show no
// figure that rests on them.
#include <functional>
#include <gtest/gtest.h>

#include "core/editor/consistency_checks.h"
#include "core/selection/display_figures.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "selection/selection_fixture.h"

namespace kelvo
{
namespace
{

using test::SelectionTest;

TEST_F(SelectionTest, AUnitReadingAnImpossibleValueIsListedLastWithoutFiguresAndNamed)
{
    addCompressor("901", [](auto& c) { c.capacitySet().multiplier = "-1"; });
    addCompressor("902", [](auto& c) { c.powerSet().multiplier = "0"; });
    addCondenser("801", [](auto& k) { k.fanPower = "-0,2"; });
    addCondenser("802", [](auto& k) { k.fanCount = "-1"; });
    // Each case: how the unit is made impossible, and the field its reason names.
    const struct {
        std::function<void(CondensingUnitRecord&)> tweak;
        const char* named;
    } cases[] = {
        {[](auto& u) { u.compressorCount = "-1"; }, "compressor count '-1' (>= 1)"},
        {[](auto& u) { u.condenserCount = "0,5"; }, "condenser count '0,5' (>= 1)"},
        {[](auto& u) { u.subcooling = "-500"; }, "subcooling '-500' (>= 0)"},
        {[](auto& u) {
             u.superheatMode = true;
             u.superheat = "-3";
         },
         "superheat '-3'"},
        {[](auto& u) {
             u.superheatMode = false;
             u.suctionTemperature = "-300";
         },
         "suction temperature '-300'"},
        {[](auto& u) { u.toMin = "-300"; }, "to min '-300' (>= -273,15 C)"},
        {[](auto& u) { u.compressorId = "901"; }, "Qo multiplier '-1' (> 0)"},
        {[](auto& u) { u.compressorId = "902"; }, "Pe multiplier '0' (> 0)"},
        {[](auto& u) { u.condenserId = "801"; }, "fan power '-0,2' (>= 0)"},
        {[](auto& u) { u.condenserId = "802"; }, "fan count '-1' (>= 0)"},
    };
    const int good = addUnit();
    std::vector<int> impossible;
    for (const auto& c : cases)
        impossible.push_back(addUnit(c.tweak));

    CollectingMessageSink sink;
    setInputs([](SelectionInputs&) {}, sink);
    const auto& list = selection().candidates;
    std::vector<int> expected{good};
    expected.insert(expected.end(), impossible.begin(), impossible.end());
    ASSERT_EQ(listedUnits(), expected);
    EXPECT_EQ(list.evaluatedCount, 1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Candidate& row = list.rows[i + 1];
        EXPECT_EQ(row.mark, kFailedMark);
        EXPECT_TRUE(row.capacityText.empty());
        EXPECT_NE(toUtf8(row.reason).find(cases[i].named), std::string::npos) << row.reason;
        // The details say why and show no figure resting on the value.
        const UnitDetails& details = session->chooseRow(static_cast<int>(i) + 2, sink);
        EXPECT_EQ(details.failure, row.reason);
        EXPECT_TRUE(details.range.columns.empty()) << cases[i].named;
        EXPECT_TRUE(details.data.condensingTemperature.empty()) << cases[i].named;
    }
    // The search passes over them: the largest listed capacity is the good unit's.
    session->selectByCapacity("1000000", sink);
    EXPECT_EQ(selection().selectedRow, 1);

    // The editor's unit check names every such field, and a toMax below toMin too.
    const int reversed = addUnit([](auto& u) {
        u.toMin = "-5";
        u.toMax = "-10";
    });
    std::string lines;
    for (const CheckLine& line : checkUnits(catalogue(), workspace->refrigerants()))
        lines += line.text + "\n";
    for (const char* field :
         {"ilość sprężarek '-1'", "ilość skraplaczy '0,5'", "dochłodzenie '-500'",
          "przegrzanie '-3'", "temperatura ssania", "to min '-300'", "T max < T min"})
        EXPECT_NE(lines.find(field), std::string::npos) << field;
    EXPECT_NE(lines.find("Agregaty - nr wiersza: " + std::to_string(reversed)), std::string::npos);
    std::string others;
    for (const auto& line : checkCompressors(catalogue(), workspace->refrigerants()))
        others += line.text + "\n";
    for (const auto& line : checkCondensers(catalogue(), workspace->refrigerants()))
        others += line.text + "\n";
    for (const char* field :
         {"mnożnik Qo '-1'", "mnożnik Pe '0'", "moc wentylatora '-0,2'", "ilość wentylatorów '-1'"})
        EXPECT_NE(others.find(field), std::string::npos) << field;
}

TEST_F(SelectionTest, ABalancePointWithoutPositiveCapacityIsAFailedEvaluation)
{
    // A capacity polynomial that is negative everywhere balances at a negative capacity.
    addCompressor("903", [](auto& c) {
        c.capacitySet().c[0] = "-5000";
        for (std::size_t i = 1; i < c.capacitySet().c.size(); ++i)
            c.capacitySet().c[i] = "0";
    });
    const int good = addUnit();
    const int negative = addUnit([](auto& u) { u.compressorId = "903"; });
    DiscardingMessageSink sink;
    setInputs([](SelectionInputs&) {}, sink);
    ASSERT_EQ(listedUnits(), (std::vector{good, negative}));
    const Candidate& row = selection().candidates.rows[1];
    EXPECT_FALSE(row.evaluated);
    EXPECT_NE(toUtf8(row.reason).find("no positive capacity or power"), std::string::npos)
        << row.reason;
    // Every point of its range tables fails the same way: none shows a figure.
    const UnitDetails& details = session->chooseRow(2, sink);
    for (const RangeColumn& column : details.range.columns)
        for (const RangeCell& cell : column.capacity)
            EXPECT_FALSE(cell.value) << cell.shown();
}

} // namespace
} // namespace kelvo
