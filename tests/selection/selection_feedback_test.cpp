#include <gtest/gtest.h>
#include <tuple>

#include "core/app/language_table.h"
#include "core/selection/candidate_list.h"
#include "core/selection/selection_feedback.h"
#include "core/text/message_sink.h"
#include "selection/selection_fixture.h"

namespace kelvo
{
namespace
{

class SelectionFeedback : public test::SelectionTest
{
  protected:
    std::string hint(int language = kEnglish) { return emptyListHint(*session, language); }
};

TEST_F(SelectionFeedback, AnEmptyListSaysWhatToTickOrWhyNothingFits)
{
    addUnit([](CondensingUnitRecord& u) {
        u.toMin = "-20";
        u.toMax = "5";
    });
    EXPECT_EQ(emptyListReason(*session), EmptyListReason::NotEmpty);
    EXPECT_EQ(hint(), "");

    setInputs([](SelectionInputs& inputs) { inputs.brands = {}; });
    EXPECT_EQ(emptyListReason(*session), EmptyListReason::NothingTicked);
    EXPECT_EQ(hint(), "Tick a box under “Compressor type” and under “Compressor brand” to see "
                      "units.");
    EXPECT_NE(hint(kCzech).find("Značka kompresoru"), std::string::npos) << hint(kCzech);

    setInputs([](SelectionInputs& inputs) {
        tickAllFilters(inputs);
        inputs.evaporatingTemperature = 10;
    });
    EXPECT_EQ(emptyListReason(*session), EmptyListReason::OutsideEvaporatingRange);
    EXPECT_EQ(hint(), "None of these units works at an evaporating temperature of 10 C.");

    DiscardingMessageSink sink;
    session->chooseRefrigerant("R22", sink);
    EXPECT_EQ(emptyListReason(*session), EmptyListReason::NoUnitPassesFilters);
    for (int language = 1; language <= kLanguageCount; ++language)
        EXPECT_FALSE(hint(language).empty()) << language;
}

TEST_F(SelectionFeedback, BaseUnitsAlsoNeedACondenserVersion)
{
    openSession(UnitFamily::Base);
    setInputs([](SelectionInputs& inputs) { inputs.versions = {}; });
    EXPECT_EQ(emptyListReason(*session), EmptyListReason::NoVersionTicked);
    EXPECT_EQ(hint(), "Tick a box under “Condenser” as well to see units.");
}

TEST_F(SelectionFeedback, TheSearchSaysWhenNothingReachesTheCapacityOrTheTextIsNoNumber)
{
    addUnit();
    addUnit([](CondensingUnitRecord& u) { u.compressorCount = "2"; });
    ASSERT_EQ(selection().candidates.evaluatedCount, 2);
    const Candidate& largest = selection().candidates.rows[1];
    DiscardingMessageSink sink;

    ASSERT_TRUE(session->selectByCapacity("99999999", sink));
    const auto note = capacitySearchNote(*session, "99999999", kEnglish);
    ASSERT_TRUE(note);
    EXPECT_EQ(*note, "No unit reaches 99999999 W; the largest was chosen: " +
                         std::string(largest.unitName.view()) + ", " + largest.capacityText +
                         " W.");

    // A unit that reaches the capacity, or a smaller one chosen for a smaller shortfall, is
    // the search's normal answer.
    const std::string reached = largest.capacityText;
    ASSERT_TRUE(session->selectByCapacity(reached, sink));
    EXPECT_FALSE(capacitySearchNote(*session, reached, kEnglish));
    EXPECT_EQ(capacitySearchNote(*session, "12kW", kPolish),
              std::optional<std::string>("Wymagana wydajność „12kW” nie jest liczbą."));
    EXPECT_FALSE(capacitySearchNote(*session, "  ", kEnglish));
}

// The window's status line says what was read; a requirement not above 0 chooses nothing.
TEST_F(SelectionFeedback, TheWindowsSearchSaysWhatItReadAndRefusesNoCapacity)
{
    addUnit();
    addUnit([](CondensingUnitRecord& u) { u.compressorCount = "2"; });
    DiscardingMessageSink sink;
    const std::tuple<UnitSystem, const char*, bool, const char*, int> cases[] = {
        {UnitSystem::Si, "12.000", true, "Required: 12 W", kEnglish},
        {UnitSystem::InchPound, "34", true, "Wymagana wydajność: 34 Btu/h", kPolish},
        {UnitSystem::InchPound, "-5", false, "The required capacity must be above 0 (typed “-5”).",
         kEnglish},
        {UnitSystem::Si, "-0,0", false, "Reikalinga galia turi būti didesnė už 0 (įvesta „-0,0“).",
         kLithuanian},
    };
    for (const auto& [units, typed, chooses, note, language] : cases) {
        session->setUnits(units);
        session->chooseRow(2, sink);
        session->typeRequiredCapacity(typed);
        EXPECT_EQ(session->selectByTypedCapacity(sink), chooses) << typed;
        EXPECT_EQ(selection().selectedRow, chooses ? 1 : 2) << typed;
        EXPECT_EQ(requiredCapacityNote(*session, language), note);
    }
}

TEST_F(SelectionFeedback, TheChosenUnitFollowsARebuildOrIsMarkedOutdated)
{
    const int first = addUnit();
    addUnit([](CondensingUnitRecord& u) {
        u.toMin = "-5";
        u.toMax = "5";
    });
    DiscardingMessageSink sink;
    session->chooseRow(selection().candidates.rowOfUnit(first + 1), sink);
    const std::string capacityAt0 = selection().details->data.capacity;

    session->setTemperatures(-5, 32, sink);
    EXPECT_FALSE(detailsOutdated(selection()));
    EXPECT_EQ(selection().details->unitIndex, first + 1);
    EXPECT_EQ(selection().details->data.evaporatingTemperature, "-5");
    EXPECT_NE(selection().details->data.capacity, capacityAt0) << "recomputed at -5 C";

    session->setTemperatures(-10, 32, sink); // outside the chosen unit's range
    EXPECT_TRUE(detailsOutdated(selection()));
    EXPECT_EQ(selection().details->unitIndex, first + 1) << "kept, greyed out";
}

} // namespace
} // namespace kelvo
