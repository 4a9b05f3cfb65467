#include <gtest/gtest.h>

#include "core/app/language_table.h"
#include "core/catalogue/catalogue_files.h"
#include "core/selection/candidate_list.h"
#include "core/selection/display_figures.h"
#include "core/selection/selection_session.h"
#include "core/selection/unit_point.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "selection/selection_fixture.h"

namespace kelvo
{
namespace
{

using test::SelectionTest;

TEST_F(SelectionTest, NothingTickedListsNothing)
{
    addUnit();
    setInputs([](SelectionInputs& inputs) { inputs = SelectionInputs(); });
    EXPECT_TRUE(listedUnits().empty());
    EXPECT_FALSE(selection().candidates.enabled());
}

TEST_F(SelectionTest, BoxIgnoresTheVersionAndBaseNeedsItsVersionTicked)
{
    const int boxKb = addUnit([](auto& u) { u.version = "KB"; });
    const int boxOther = addUnit([](auto& u) { u.version = "XX"; });
    const int baseSb = addUnit([](auto& u) { u.housing = "BASE"; });
    const int baseKb = addUnit([](auto& u) {
        u.housing = "BASE";
        u.version = "KB";
    });
    addUnit([](auto& u) { u.housing = "box"; });

    DiscardingMessageSink sink;
    const auto tickVersions = [&](bool sb, bool kb) {
        session->setFilter(SelectionFilter::Version, "SB", sb, sink);
        session->setFilter(SelectionFilter::Version, "KB", kb, sink);
        return listedUnits();
    };
    EXPECT_EQ(tickVersions(false, false), (std::vector{boxKb, boxOther}));

    openSession(UnitFamily::Base);
    EXPECT_TRUE(tickVersions(false, false).empty());
    EXPECT_EQ(tickVersions(false, true), (std::vector{baseKb}));
    EXPECT_EQ(tickVersions(true, true), (std::vector{baseSb, baseKb}));
}

TEST_F(SelectionTest, BrandKindAndRefrigerantComparisonsAreExact)
{
    const int copeland = addUnit();
    addCompressor("901", [](auto& c) { c.manufacturer = "copeland"; });
    addUnit([](auto& u) { u.compressorId = "901"; });
    addCompressor("902", [](auto& c) { c.kind = "SPIRAL "; });
    addUnit([](auto& u) { u.compressorId = "902"; });
    addUnit([](auto& u) { u.compressorId = "999"; }); // no such compressor
    addUnit([](auto& u) { u.refrigerant = "R404a"; });
    addCompressor("903", [](auto& c) { c.manufacturer = "Maneurop"; });
    const int maneurop = addUnit([](auto& u) { u.compressorId = "903"; });

    EXPECT_EQ(listedUnits(), (std::vector{copeland, maneurop}));
    DiscardingMessageSink sink;
    session->setFilter(SelectionFilter::Brand, "Maneurop", false, sink);
    EXPECT_EQ(listedUnits(), (std::vector{copeland}));
    session->setFilter(SelectionFilter::Kind, "SPIRAL", false, sink);
    EXPECT_TRUE(listedUnits().empty());
}

TEST_F(SelectionTest, BothEvaporatingLimitsAreInclusive)
{
    const int atMin = addUnit([](auto& u) { u.toMin = "0"; });
    addUnit([](auto& u) { u.toMax = "-0,5"; });
    const int atMax = addUnit([](auto& u) { u.toMax = "0.0"; });
    EXPECT_EQ(listedUnits(), (std::vector{atMin, atMax}));
}

TEST_F(SelectionTest, RowsAreSortedByCapacityAndEqualCapacitiesKeepCatalogueOrder)
{
    const int twinA = addUnit();
    const int big = addUnit([](auto& u) { u.compressorCount = "2"; });
    const int twinB = addUnit();
    const auto& list = selection().candidates;
    ASSERT_EQ(list.evaluatedCount, 3);
    EXPECT_EQ(listedUnits(), (std::vector{twinA, twinB, big}));
    for (const auto& c : list.rows) {
        EXPECT_EQ(c.capacityText, formatNumber(c.capacityW, ','));
        EXPECT_EQ(c.powerText, formatNumber(c.powerKW, ','));
        EXPECT_TRUE(c.mark.empty());
    }
    EXPECT_GT(list.rows[2].capacityW, list.rows[0].capacityW);
}

TEST_F(SelectionTest, UnitsThatCannotBeEvaluatedFollowWithoutFiguresAndWithTheirReason)
{
    addCondenser("801", [](auto& k) { k.refrigerant = "R22"; });
    const int badText = addUnit([](auto& u) { u.subcooling = "abc"; });
    const int mismatchA = addUnit([](auto& u) { u.condenserId = "801"; });
    const int good = addUnit();
    const int noCondenser = addUnit([](auto& u) { u.condenserId = "999"; });
    const int badLimit = addUnit([](auto& u) { u.toMin = "x"; });
    const int mismatchB = addUnit([](auto& u) { u.condenserId = "801"; });
    addUnit([](auto& u) { u.toMin = "5"; }); // outside its range: not listed at all

    CollectingMessageSink sink;
    setInputs([](SelectionInputs&) {}, sink);
    const auto& list = selection().candidates;
    EXPECT_EQ(listedUnits(),
              (std::vector{good, badText, mismatchA, noCondenser, badLimit, mismatchB}));
    EXPECT_EQ(list.evaluatedCount, 1);
    for (std::size_t i = 1; i < list.rows.size(); ++i) {
        const Candidate& c = list.rows[i];
        EXPECT_FALSE(c.evaluated);
        EXPECT_TRUE(c.capacityText.empty()) << "no figures of another unit";
        EXPECT_TRUE(c.powerText.empty());
        EXPECT_EQ(c.mark, kFailedMark);
        EXPECT_FALSE(c.reason.empty());
    }
    EXPECT_NE(list.rows[1].reason.find("'abc'"), std::string::npos);
    EXPECT_NE(list.rows[2].reason.find("Liczenie przerwane !"), std::string::npos);
    EXPECT_NE(list.rows[3].reason.find("999"), std::string::npos);
    EXPECT_NE(list.rows[4].reason.find("'x'"), std::string::npos);
    // The refrigerant message of the two mismatched units reaches the user once.
    EXPECT_EQ(sink.messages.size(), 1U);
    EXPECT_EQ(list.messages.size(), 1U);
}

TEST_F(SelectionTest, NoBalanceBelow70KeepsTheFiguresAndMarksThem)
{
    addCondenser("802", [](auto& k) {
        k.dt1 = k.qk1 = k.dt2 = k.qk2 = "";
        k.coeffA = "1000";
    });
    const int weak = addUnit([](auto& u) { u.condenserId = "802"; });
    const Candidate& c = selection().candidates.rows.at(0);
    EXPECT_EQ(c.unitIndex, weak);
    EXPECT_TRUE(c.evaluated);
    EXPECT_TRUE(c.gaveUp);
    EXPECT_EQ(c.mark, kGaveUpMark);
    EXPECT_FALSE(c.capacityText.empty());
}

TEST_F(SelectionTest, TheProgramsOwnReasonsFollowTheChosenLanguage)
{
    addCondenser("802", [](auto& k) {
        k.dt1 = k.qk1 = k.dt2 = k.qk2 = "";
        k.coeffA = "1000";
    });
    addUnit([](auto& u) { u.condenserId = "802"; });
    addUnit([](auto& u) { u.condenserId = "999"; });
    const auto reasons = [&](int language) {
        languages.chooseLanguage(language);
        setInputs([](SelectionInputs&) {});
        const auto& rows = selection().candidates.rows;
        EXPECT_EQ(rows.size(), 2U);
        return std::pair(toUtf8(rows.at(0).reason), toUtf8(rows.at(1).reason));
    };
    EXPECT_EQ(reasons(kEnglish), std::pair(std::string("Condensing temperature > 70 C"),
                                           std::string("The unit's condenser was not found "
                                                       "(id '999')")));
    EXPECT_EQ(reasons(kPolish), std::pair(std::string("Temperatura skraplania > 70 C"),
                                          std::string("Nie znaleziono skraplacza agregatu "
                                                      "(id '999')")));
    EXPECT_EQ(reasons(kCzech).first, "Kondenzační teplota > 70 C");
}

TEST_F(SelectionTest, ProgressCoversEveryUnitAndARebuildClearsTheChoice)
{
    for (int i = 0; i < 4; ++i)
        addUnit([](auto& u) { u.toMax = "5"; });
    std::vector<std::pair<int, int>> calls;
    DiscardingMessageSink sink;
    session->chooseRow(2, sink);
    session->setTemperatures(
        -5, 32, sink, [&](int position, int maximum) { calls.emplace_back(maximum, position); });
    ASSERT_EQ(calls.size(), 5U);
    EXPECT_EQ(calls.front(), std::make_pair(4, 0));
    EXPECT_EQ(calls.back(), std::make_pair(4, 4));
    // The unit shown is chosen again; a list without it leaves no row chosen.
    EXPECT_EQ(selection().selectedRow, 2);
    session->setTemperatures(10, 32, sink);
    EXPECT_EQ(selection().selectedRow, std::nullopt);

    PerformanceResult latest;
    TextsRead read;
    SelectionState disabled = selection();
    rebuildCandidateList({*workspace, "R404A", latest, read, kEnglish, false}, disabled, sink);
    EXPECT_TRUE(disabled.candidates.rows.empty());
}

TEST_F(SelectionTest, AMissingPropertyTableIsReportedAndEveryUnitIsMarked)
{
    addUnit();
    test::TempFolder empty;
    Workspace elsewhere(empty.path());
    elsewhere.replaceCatalogue(catalogue());
    SelectionSession withoutTables(elsewhere, languages, UnitFamily::Box);
    CollectingMessageSink sink;
    SelectionInputs inputs;
    tickAllFilters(inputs);
    withoutTables.setInputs(inputs, sink);
    const auto failure = withoutTables.chooseRefrigerant("R22", sink);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("R22.txt"), std::string::npos);
    EXPECT_EQ(withoutTables.refrigerant(), "R22");
    // The unit is for R404A; with R404A chosen again the table load fails as well.
    EXPECT_TRUE(withoutTables.state().candidates.rows.empty());
    ASSERT_TRUE(withoutTables.chooseRefrigerant("R404A", sink).has_value());
    ASSERT_EQ(withoutTables.state().candidates.rows.size(), 1U);
    EXPECT_FALSE(withoutTables.state().candidates.rows[0].evaluated);
    // A name the registry does not know changes nothing.
    EXPECT_EQ(withoutTables.chooseRefrigerant("R999", sink),
              std::optional<std::string>("Unknown refrigerant: R999"));
    EXPECT_EQ(withoutTables.refrigerant(), "R404A");
}

TEST_F(SelectionTest, TheSampleCatalogueListsUnitsOfBothFamiliesTheSameWayEveryTime)
{
    for (const UnitFamily family : {UnitFamily::Box, UnitFamily::Base}) {
        DiscardingMessageSink sink;
        SelectionSession opened(*workspace, languages, family);
        opened.open(sink);
        EXPECT_TRUE(opened.state().candidates.rows.empty()) << "filters start unticked";
        SelectionInputs inputs = opened.state();
        tickAllFilters(inputs);
        opened.setInputs(inputs, sink);
        const auto first = opened.state().candidates.rows;
        EXPECT_FALSE(first.empty());
        opened.setInputs(inputs, sink);
        const auto& second = opened.state().candidates.rows;
        ASSERT_EQ(first.size(), second.size());
        for (std::size_t i = 0; i < first.size(); ++i) {
            EXPECT_EQ(first[i].unitIndex, second[i].unitIndex);
            EXPECT_EQ(first[i].capacityText, second[i].capacityText);
            EXPECT_EQ(first[i].powerText, second[i].powerText);
        }
    }
}

} // namespace
} // namespace kelvo
