#include <gtest/gtest.h>

#include "core/app/language_table.h"
#include "core/app/message_sink.h"
#include "core/selection/candidate_list.h"
#include "core/selection/capacity_search.h"
#include "core/selection/selection_feedback.h"
#include "core/selection/unit_details.h"
#include "selection/selection_fixture.h"

namespace kelvo
{
namespace
{

class SelectionFeedback : public test::SelectionTest
{
  protected:
    void rebuild()
    {
        DiscardingMessageSink sink;
        rebuildCandidateList(*state, sink);
    }
    std::string hint(int language = kEnglish) { return emptyListHint(*state, language); }
};

TEST_F(SelectionFeedback, AnEmptyListSaysWhatToTickOrWhyNothingFits)
{
    addUnit([](CondensingUnitRecord& u) {
        u.toMin = "-20";
        u.toMax = "5";
    });
    rebuild();
    EXPECT_EQ(emptyListReason(*state), EmptyListReason::NotEmpty);
    EXPECT_EQ(hint(), "");

    state->selection.brands = {};
    rebuild();
    EXPECT_EQ(emptyListReason(*state), EmptyListReason::NothingTicked);
    EXPECT_EQ(hint(), "Tick a box under “Compressor type” and under “Compressor brand” to see "
                      "units.");
    EXPECT_NE(hint(kCzech).find("Značka kompresoru"), std::string::npos) << hint(kCzech);

    tickAllFilters(state->selection);
    state->selection.evaporatingTemperature = 10;
    rebuild();
    EXPECT_EQ(emptyListReason(*state), EmptyListReason::OutsideEvaporatingRange);
    EXPECT_EQ(hint(), "None of these units works at an evaporating temperature of 10 C.");

    state->currentRefrigerant = "R22";
    rebuild();
    EXPECT_EQ(emptyListReason(*state), EmptyListReason::NoUnitPassesFilters);
    for (int language = 1; language <= kLanguageCount; ++language)
        EXPECT_FALSE(hint(language).empty()) << language;
}

TEST_F(SelectionFeedback, BaseUnitsAlsoNeedACondenserVersion)
{
    state->selection = initialSelection(UnitFamily::Base);
    tickAllFilters(state->selection);
    state->selection.versions = {};
    rebuild();
    EXPECT_EQ(emptyListReason(*state), EmptyListReason::NoVersionTicked);
    EXPECT_EQ(hint(), "Tick a box under “Condenser” as well to see units.");
}

TEST_F(SelectionFeedback, TheSearchSaysWhenNothingReachesTheCapacityOrTheTextIsNoNumber)
{
    addUnit();
    addUnit([](CondensingUnitRecord& u) { u.compressorCount = "2"; });
    rebuild();
    ASSERT_EQ(state->selection.candidates.evaluatedCount, 2);
    const Candidate& largest = state->selection.candidates.rows[1];
    DiscardingMessageSink sink;

    ASSERT_TRUE(selectByCapacity(*state, "99999999", sink));
    const auto note = capacitySearchNote(*state, "99999999", kEnglish);
    ASSERT_TRUE(note);
    EXPECT_EQ(*note, "No unit reaches 99999999 W; the largest was chosen: " +
                         std::string(largest.unitName.view()) + ", " + largest.capacityText +
                         " W.");

    // A unit that reaches the capacity, or a smaller one chosen for a smaller shortfall, is
    // the search's normal answer.
    const std::string reached = largest.capacityText;
    ASSERT_TRUE(selectByCapacity(*state, reached, sink));
    EXPECT_FALSE(capacitySearchNote(*state, reached, kEnglish));
    EXPECT_EQ(capacitySearchNote(*state, "12kW", kPolish),
              std::optional<std::string>("Wymagana wydajność „12kW” nie jest liczbą."));
    EXPECT_FALSE(capacitySearchNote(*state, "  ", kEnglish));
}

TEST_F(SelectionFeedback, TheChosenUnitFollowsARebuildOrIsMarkedOutdated)
{
    const int first = addUnit();
    addUnit([](CondensingUnitRecord& u) {
        u.toMin = "-5";
        u.toMax = "5";
    });
    rebuild();
    DiscardingMessageSink sink;
    showUnitDetails(*state, state->selection.candidates.rowOfUnit(first + 1), sink);
    const std::string capacityAt0 = state->selection.details->data.capacity;

    state->selection.evaporatingTemperature = -5;
    rebuild();
    EXPECT_TRUE(detailsOutdated(state->selection));
    ASSERT_TRUE(followChosenUnit(*state, sink));
    EXPECT_FALSE(detailsOutdated(state->selection));
    EXPECT_EQ(state->selection.details->unitIndex, first + 1);
    EXPECT_EQ(state->selection.details->data.evaporatingTemperature, "-5");
    EXPECT_NE(state->selection.details->data.capacity, capacityAt0) << "recomputed at -5 C";

    state->selection.evaporatingTemperature = -10; // outside the chosen unit's range
    rebuild();
    EXPECT_FALSE(followChosenUnit(*state, sink));
    EXPECT_TRUE(detailsOutdated(state->selection));
    EXPECT_EQ(state->selection.details->unitIndex, first + 1) << "kept, greyed out";
}

} // namespace
} // namespace kelvo
