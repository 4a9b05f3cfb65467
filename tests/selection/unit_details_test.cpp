#include <gtest/gtest.h>

#include "core/selection/details_in_units.h"
#include "core/selection/display_figures.h"
#include "core/selection/unit_details.h"
#include "core/selection/window_captions.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "selection/selection_fixture.h"

namespace kelvo
{
namespace
{

class UnitDetailsTest : public test::SelectionTest
{
  protected:
    // Chooses the row of `unitIndex`; the sink keeps the messages of the details only.
    const UnitDetails& show(int unitIndex)
    {
        sink.messages.clear();
        if (const int row = selection().candidates.rowOfUnit(unitIndex))
            return session->chooseRow(row, sink);
        throw std::runtime_error("unit not listed");
    }
    std::vector<std::string> columnTexts(const UnitDetails& d)
    {
        std::vector<std::string> texts;
        for (const auto& c : d.range.columns)
            texts.push_back(c.toText);
        return texts;
    }

    CollectingMessageSink sink;
};

TEST_F(UnitDetailsTest, PanelsCopyTheListCellsAndReadFiguresBackFromTheirTexts)
{
    addCondenser("801", [](auto& k) {
        k.fanPower = "0.25";
        k.fanCount = "2";
    });
    const int u = addUnit([](auto& r) { r.condenserId = "801"; });
    const UnitDetails& d = show(u);
    const Candidate& row = *selection().candidates.row(d.row);
    EXPECT_EQ(selection().selectedRow, d.row);
    EXPECT_EQ(d.data.capacity, row.capacityText);
    EXPECT_EQ(d.data.power, row.powerText);
    EXPECT_EQ(d.data.fanPower, "0,5");
    EXPECT_EQ(catalogue().condensers[2].fanPower, "0,25") << "written back with a comma";
    EXPECT_EQ(d.fan.power, "0,25");
    EXPECT_EQ(d.data.totalPower, formatNumber(row.powerKW + 0.5, ','));
    const double cop = roundHalfEven(row.capacityW / 1000 / (row.powerKW + 0.5) * 1000) / 1000;
    EXPECT_EQ(d.data.cop, formatNumber(cop, ','));
    EXPECT_EQ(d.data.evaporatingTemperature, "0");
    EXPECT_EQ(d.data.ambientTemperature, "32");
    ASSERT_TRUE(d.data.condensingTemperatureC.has_value());
    EXPECT_GT(*d.data.condensingTemperatureC, 32.0);
    EXPECT_EQ(d.data.condensingTemperature, formatNumber(*d.data.condensingTemperatureC, ','));
    EXPECT_EQ(d.drawing, workspace->dataFolder() / "wmf" /
                             (std::string(catalogue().units[u].drawing.view()) + ".wmf"));
}

// Inch-pound details convert every figure whose line names a temperature, capacity or pressure
// and leave every other text as it is.
TEST_F(UnitDetailsTest, InchPoundDetailsConvertEveryFigureOfAQuantityAndNothingElse)
{
    const UnitDetails& d = show(addUnit());
    const UnitDetails ip = unitDetailsIn(d, UnitSystem::InchPound, ',');
    for (const DetailPage* page : {&kUnitDataPage, &kFanDataPage, &kCompressorDataPage})
        for (const DetailLine& line : page->lines) {
            const auto quantity = quantityOfLabel(line.unitLabel);
            EXPECT_EQ(line.text(ip),
                      quantity ? figureTextIn(line.text(d), *quantity, UnitSystem::InchPound, ',')
                               : line.text(d))
                << line.key;
        }
    // The range tables' cells: see the commands' inch-pound outputs.
    EXPECT_EQ(ip.range.cornerText, "[F]");
    EXPECT_EQ(unitDetailsIn(d, UnitSystem::Si, ',').data.capacity, d.data.capacity);
}

TEST_F(UnitDetailsTest, DimensionCOfABasePlateGrowsWithItsCondensers)
{
    addFrame("701", [](auto& f) {
        f.housing = "BASE";
        f.dimensions.c = "999";
        f.dimensions.d = "400";
    });
    addCondenser("801", [](auto& k) { k.height = "500"; });
    const int base = addUnit([](auto& r) {
        r.frameId = "701";
        r.condenserId = "801";
        r.condenserCount = "2";
    });
    const int box = addUnit(); // the sample frame is a casing: C as stored
    const int noFrame = addUnit([](auto& r) { r.frameId = "0"; });

    EXPECT_EQ(show(base).dimensions.c, "1400");
    EXPECT_EQ(show(box).dimensions.c, catalogue().frames[1].dimensions.c.str());
    const Dimensions d = show(noFrame).dimensions;
    for (const auto& text : {d.a, d.b, d.c, d.d, d.e, d.f, d.g, d.h})
        EXPECT_EQ(text, "?");
}

TEST_F(UnitDetailsTest, RangeColumnsFollowTheLimitsAndTheStagingKeepsTheFirstEleven)
{
    const int dotted = addUnit([](auto& r) {
        r.toMax = "10.5";
        r.toMin = "-10";
    });
    const UnitDetails& d = show(dotted);
    EXPECT_EQ(catalogue().units[dotted].toMax, "10,5");
    EXPECT_EQ(columnTexts(d),
              (std::vector<std::string>{"10,5", "5,5", "0,5", "-4,5", "-9,5", "-10"}));
    EXPECT_EQ(d.range.ambientTexts, (std::vector<std::string>{"27", "32", "38"}));

    const int wide = addUnit([](auto& r) { r.toMin = "-45"; });
    const UnitDetails& w = show(wide);
    ASSERT_EQ(w.range.columns.size(), 13U) << "12,5, 10, 5 ... -45";
    EXPECT_EQ(w.staging.rangeColumnCount, 13);
    EXPECT_EQ(w.staging.rangeTo[10], "-35");
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(w.staging.rangeQo[k][10], w.range.columns[10].capacity[k].shown());
        EXPECT_EQ(w.staging.rangePe[k][0], w.range.columns[0].power[k].shown());
    }
    // Capacity falls with the evaporating temperature and with a warmer ambient.
    const auto& warm = w.range.columns[0].capacity;
    ASSERT_TRUE(warm[0].value && warm[2].value);
    EXPECT_GT(*warm[0].value, *warm[2].value);
    EXPECT_GT(*warm[0].value, *w.range.columns[5].capacity[0].value);
}

TEST_F(UnitDetailsTest, SuperheatAndSuctionTemperature)
{
    const int bySuperheat = addUnit([](auto& r) {
        r.superheatMode = true;
        r.superheat = "10";
    });
    const int bySuction = addUnit([](auto& r) {
        r.superheatMode = false;
        r.suctionTemperature = "20";
    });
    setInputs([](SelectionInputs& inputs) { inputs.evaporatingTemperature = -5; });
    EXPECT_EQ(show(bySuperheat).data.suctionTemperature, "5");
    EXPECT_EQ(show(bySuction).data.suctionTemperature, "20");
}

TEST_F(UnitDetailsTest, AUnitWithoutFiguresShowsItsTextsAndNoEvaluatedFigure)
{
    const int bad = addUnit([](auto& r) { r.superheat = "ten"; });
    const UnitDetails& d = show(bad);
    EXPECT_NE(d.failure.find("'ten'"), std::string::npos);
    EXPECT_TRUE(d.range.columns.empty());
    EXPECT_EQ(d.staging.rangeColumnCount, 0);
    EXPECT_EQ(d.data.suctionTemperature, "?");
    EXPECT_TRUE(d.data.condensingTemperature.empty());
    EXPECT_TRUE(d.data.fanPower.empty() && d.data.totalPower.empty() && d.data.cop.empty());
    EXPECT_EQ(d.data.unitName, catalogue().units[bad].name.str());
    EXPECT_FALSE(d.compressor.model.empty());
}

TEST_F(UnitDetailsTest, FailedPointsHaveNoFigureAndGivenUpPointsAreMarked)
{
    addCondenser("801", [](auto& k) { k.refrigerant = "R22"; });
    const int mismatch = addUnit([](auto& r) { r.condenserId = "801"; });
    const UnitDetails& failed = show(mismatch);
    ASSERT_FALSE(failed.range.columns.empty());
    for (const auto& column : failed.range.columns)
        for (const auto& cell : column.capacity) {
            EXPECT_FALSE(cell.value.has_value());
            EXPECT_EQ(cell.shown(), kFailedMark);
        }
    EXPECT_TRUE(failed.data.condensingTemperature.empty());
    EXPECT_EQ(sink.messages.size(), 1U) << "one refrigerant message for the whole table";

    addCondenser("802", [](auto& k) {
        k.dt1 = k.qk1 = k.dt2 = k.qk2 = "";
        k.coeffA = "1000";
    });
    const int weak = addUnit([](auto& r) { r.condenserId = "802"; });
    const UnitDetails& gaveUp = show(weak);
    const RangeCell& cell = gaveUp.range.columns[0].capacity[1];
    EXPECT_TRUE(cell.value.has_value());
    EXPECT_TRUE(cell.gaveUp);
    // A balance past 70 C also lies above the compressor's envelope.
    EXPECT_EQ(cell.envelope, EnvelopePosition::Outside);
    EXPECT_EQ(cell.shown(),
              cell.text + std::string(kGaveUpMark) + std::string(kOutsideEnvelopeMark));
    EXPECT_EQ(gaveUp.data.condensingTemperatureMark, kGaveUpMark);
}

TEST_F(UnitDetailsTest, TheCapacitySearchShowsTheChosenRow)
{
    addUnit();
    const int big = addUnit([](auto& r) { r.compressorCount = "3"; });
    EXPECT_FALSE(session->selectByCapacity("", sink));
    EXPECT_FALSE(selection().details.has_value());
    EXPECT_TRUE(session->selectByCapacity("1000000", sink));
    ASSERT_TRUE(selection().details.has_value());
    EXPECT_EQ(selection().details->unitIndex, big);
    // A rebuild that loses the unit empties the range tables shown; the panels and the
    // datasheet staging stay.
    session->setTemperatures(20, 32, sink);
    EXPECT_TRUE(selection().details->range.columns.empty());
    EXPECT_FALSE(selection().details->data.capacity.empty());
    EXPECT_GT(selection().details->staging.rangeColumnCount, 0);
    EXPECT_THROW(session->chooseRow(1, sink), std::out_of_range);
}

// The extra row is one more ambient through the same evaluation: the standard rows stay as they
// were, and each of its cells is the figure the list shows for that unit at that to and ambient.
TEST_F(UnitDetailsTest, TheExtraAmbientAddsOneRowEvaluatedAsTheListEvaluatesItsPoint)
{
    const int u = addUnit([](auto& r) { r.toMin = "-20"; });
    const UnitDetails plain = show(u);
    for (const double extra : {kExtraAmbientMin, kWindowExtraAmbient, kExtraAmbientMax}) {
        SCOPED_TRACE(extra);
        setInputs([](SelectionInputs& inputs) { inputs = SelectionInputs(); });
        setInputs([](SelectionInputs& inputs) { tickAllFilters(inputs); });
        session->chooseRow(selection().candidates.rowOfUnit(u), sink);
        session->setExtraAmbient(extra, sink);
        const UnitDetails d = *selection().details;
        ASSERT_EQ(d.range.ambients, (std::vector<double>{27, 32, 38, extra}));
        EXPECT_EQ(d.range.ambientTexts.back(), formatNumber(extra, ','));
        ASSERT_EQ(d.range.columns.size(), plain.range.columns.size());
        for (std::size_t c = 0; c < d.range.columns.size(); ++c) {
            const RangeColumn& column = d.range.columns[c];
            for (std::size_t k = 0; k < kRangeAmbientCount; ++k) {
                EXPECT_EQ(column.capacity[k].shown(), plain.range.columns[c].capacity[k].shown());
                EXPECT_EQ(column.power[k].shown(), plain.range.columns[c].power[k].shown());
            }
            setInputs([&](SelectionInputs& inputs) {
                inputs.evaporatingTemperature = column.to;
                inputs.ambientTemperature = extra;
            });
            const Candidate& atExtra =
                *selection().candidates.row(selection().candidates.rowOfUnit(u));
            EXPECT_EQ(column.capacity[3].value, atExtra.capacityW) << column.toText;
            EXPECT_EQ(column.power[3].value, atExtra.powerKW) << column.toText;
            EXPECT_EQ(d.staging.rangeQo[3][c], column.capacity[3].shown());
        }
        EXPECT_EQ(d.staging.rangeQo[0], plain.staging.rangeQo[0]);
    }
    // Out of its range it changes nothing.
    EXPECT_THROW(session->setExtraAmbient(kExtraAmbientMax + 1, sink), std::out_of_range);
    EXPECT_EQ(selection().extraAmbient, kExtraAmbientMax);
    session->setExtraAmbient(std::nullopt, sink);
    EXPECT_EQ(selection().details->range.ambients.size(), 3U);
}

} // namespace
} // namespace kelvo
