// Numbers converted once and kept beside their records: every way of writing a record is
// followed by the next evaluation, as if nothing had been kept.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/app/language_table.h"
#include "core/catalogue/catalogue_changes.h"
#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/lookups.h"
#include "core/editor/coefficient_import.h"
#include "core/editor/edit_history.h"
#include "core/editor/record_editor_session.h"
#include "core/editor/row_operations.h"
#include "core/performance/balance_point.h"
#include "core/performance/compressor_model.h"
#include "core/refrigerant/table_loader.h"
#include "core/selection/candidate_list.h"
#include "core/selection/selection_session.h"
#include "core/selection/unit_point.h"
#include "core/text/message_sink.h"
#include "core/text/source_texts.h"
#include "core/workspace/workspace.h"
#include "support/pair_bench.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

std::array<std::uint64_t, 7> bitsOf(const PerformanceResult& r)
{
    return {std::bit_cast<std::uint64_t>(r.evaporatingPressure),
            std::bit_cast<std::uint64_t>(r.condensingPressure),
            std::bit_cast<std::uint64_t>(r.condensingDeltaT),
            std::bit_cast<std::uint64_t>(r.refrigeratingCapacity),
            std::bit_cast<std::uint64_t>(r.powerInput),
            std::bit_cast<std::uint64_t>(r.condenserCapacity),
            std::bit_cast<std::uint64_t>(r.condenserCapacityAt15K)};
}

// The BOX list of the sample catalogue at -10 / 32 C with R404A, every filter ticked.
class SampleList
{
  public:
    SampleList()
    {
        DiscardingMessageSink sink;
        session.open(sink);
        SelectionInputs inputs;
        tickAllFilters(inputs);
        inputs.evaporatingTemperature = -10;
        inputs.ambientTemperature = 32;
        session.setInputs(inputs, sink);
    }

    Workspace workspace{test::sampleDataFolder()};
    LanguageTable languages;
    SelectionSession session{workspace, languages, UnitFamily::Box};
};

// The sample catalogue with R404A, evaluated over and over in one state, against a fresh
// state (nothing converted yet) holding a copy of the same catalogue.
class KeptNumbers : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        useRefrigerant(state);
        loadCatalogue(state.catalogue, test::sampleDataFolder());
        // A unit the list shows at -10 / 32 C whose compressor has another above it.
        for (const Candidate& row : list.session.state().candidates.rows)
            if (row.evaluated && findCompressorOfUnit(state.catalogue, row.unitIndex) > 1) {
                unit = row.unitIndex;
                break;
            }
        ASSERT_GT(compressor(), 1);
    }

    static void useRefrigerant(test::PairBench& s)
    {
        s.currentRefrigerant = "R404A";
        test::loadRefrigerantTable(s.refrigerant, test::sampleDataFolder(), "R404A.txt");
    }

    int compressor() const { return findCompressorOfUnit(state.catalogue, unit); }
    int condenser() const { return findCondenserOfUnit(state.catalogue, unit); }

    static std::array<std::uint64_t, 7> evaluate(test::PairBench& s, int unitIndex)
    {
        const UnitConditions conditions = readUnitConditions(s.catalogue.units[unitIndex]);
        const PairInputs in =
            unitPairInputs(findCompressorOfUnit(s.catalogue, unitIndex),
                           findCondenserOfUnit(s.catalogue, unitIndex), conditions, -10, 32);
        DiscardingMessageSink sink;
        s.refrigerant.result = {};
        test::evaluateWithState(s, in, sink);
        return bitsOf(s.refrigerant.result);
    }

    // The figures of the kept state and those of a fresh copy of its catalogue.
    void expectFreshFigures(const char* after)
    {
        const auto kept = evaluate(state, unit);
        test::PairBench fresh;
        useRefrigerant(fresh);
        fresh.catalogue = state.catalogue;
        EXPECT_EQ(kept, evaluate(fresh, unit)) << after;
        EXPECT_EQ(kept, evaluate(state, unit)) << after << ", evaluated again";
    }

    SampleList list;
    test::PairBench state;
    int unit = 1;
};

TEST_F(KeptNumbers, EveryWayOfWritingARecordIsFollowed)
{
    const auto original = evaluate(state, unit);
    expectFreshFigures("nothing changed");

    state.catalogue.compressors.at(compressor()).capacitySet().c[0] = "20000";
    expectFreshFigures("a coefficient typed in");
    EXPECT_NE(evaluate(state, unit), original);
    state.catalogue.compressors.at(compressor()).superheatMode ^= true;
    expectFreshFigures("the rating mode switched");
    state.catalogue.condensers.at(condenser()).coeffA = "0.5";
    state.catalogue.condensers.at(condenser()).dt2 = "";
    expectFreshFigures("the condenser's model changed");

    loadCatalogue(state.catalogue, test::sampleDataFolder());
    expectFreshFigures("the catalogue loaded again");
    EXPECT_EQ(evaluate(state, unit), original);

    EditHistory history;
    const std::vector<std::string> cells{"9000", "300",  "-90",   "5",     "-2",
                                         "0.3",  "0.02", "-0.02", "0.006", "-0.002"};
    RowEdit imported = importCoefficients(state.catalogue, compressor(), 1, cells);
    ASSERT_TRUE(imported.done) << imported.message;
    history.record(std::move(imported.step));
    expectFreshFigures("coefficients imported");
    EXPECT_NE(evaluate(state, unit), original);
    ASSERT_TRUE(history.undo(state.catalogue));
    expectFreshFigures("the import undone");
    EXPECT_EQ(evaluate(state, unit), original);
    ASSERT_TRUE(history.redo(state.catalogue));
    expectFreshFigures("the import done again");

    // Removing the record above moves the unit's compressor into the slot whose numbers
    // were converted from the one removed.
    const int above = compressor() - 1;
    evaluate(state, [&] {
        for (int u = 1; u <= state.catalogue.units.count(); ++u)
            if (findCompressorOfUnit(state.catalogue, u) == above)
                return u;
        return unit;
    }());
    ASSERT_TRUE(deleteRecord(state.catalogue, EditorGrid::Compressors, above).done);
    expectFreshFigures("the compressor row above deleted");
    ASSERT_TRUE(moveRecord(state.catalogue, EditorGrid::Compressors, compressor(), "1").done);
    ASSERT_EQ(compressor(), 1);
    expectFreshFigures("the compressor row moved to the top");
}

TEST_F(KeptNumbers, TextsAreRewrittenAsBeforeAndRatingMessagesComeEveryTime)
{
    auto& record = state.catalogue.compressors.at(compressor());
    record.capacitySet().c[1] = "512.7";
    record.powerSet().multiplier = "0.97";
    record.subcooling = "abc";
    for (int evaluation = 1; evaluation <= 2; ++evaluation) {
        const UnitConditions conditions = readUnitConditions(state.catalogue.units[unit]);
        const PairInputs in = unitPairInputs(compressor(), condenser(), conditions, -10, 32);
        CollectingMessageSink sink;
        test::evaluateWithState(state, in, sink);
        EXPECT_EQ(sink.messages, std::vector<std::string>{kBadRatedSubcoolingMessage})
            << "evaluation " << evaluation;
        EXPECT_EQ(record.capacitySet().c[1], "512,7");
        EXPECT_EQ(record.powerSet().multiplier, "0.97") << "a multiplier is read from a copy";
    }
}

TEST_F(KeptNumbers, TheListFollowsAUnitsOwnTexts)
{
    const CandidateList& candidates = list.session.state().candidates;
    ASSERT_GT(candidates.rowOfUnit(unit), 0);
    // Each edit is announced by the workspace, and the session builds its list again.
    const auto editUnit = [&](auto change) {
        CatalogueEdit edit(list.workspace);
        CatalogueRecorder recorder(edit.catalogue());
        CondensingUnitRecord record = recorder.catalogue().units[unit];
        change(record);
        recorder.setRecord(unit, record);
        edit.done(recorder.take());
    };
    const std::string toMin = list.workspace.catalogue().units[unit].toMin.str();
    editUnit([](CondensingUnitRecord& r) { r.toMin = "0"; });
    EXPECT_EQ(candidates.rowOfUnit(unit), 0) << "-10 C is outside 0 .. to max";
    editUnit([&](CondensingUnitRecord& r) {
        r.toMin = toMin;
        r.compressorCount = "two";
    });
    const Candidate* failed = candidates.row(candidates.rowOfUnit(unit));
    ASSERT_NE(failed, nullptr);
    EXPECT_FALSE(failed->evaluated);
    EXPECT_NE(failed->reason.find("two"), std::string::npos) << failed->reason;
    editUnit([](CondensingUnitRecord& r) { r.compressorCount = "1"; });
    EXPECT_TRUE(candidates.row(candidates.rowOfUnit(unit))->evaluated);
}

TEST(SourceTexts, MatchOnlyTheSameTextsInTheSameSplit)
{
    SourceTexts kept;
    const std::array<std::string_view, 2> ab{"ab", "c"};
    EXPECT_FALSE(kept.matches(ab)) << "nothing kept yet";
    kept.keep(ab);
    EXPECT_TRUE(kept.matches(ab));
    EXPECT_FALSE(kept.matches(std::array<std::string_view, 2>{"a", "bc"}));
    EXPECT_FALSE(kept.matches(std::array<std::string_view, 1>{"ab"}));
    EXPECT_FALSE(kept.matches(std::array<std::string_view, 3>{"ab", "c", ""}));
    EXPECT_FALSE(kept.matches(std::array<std::string_view, 2>{"ab", "d"}));
    const std::string longText(300, 'x');
    const std::array<std::string_view, 1> tooLong{longText};
    kept.keep(tooLong);
    EXPECT_FALSE(kept.matches(tooLong)) << "a text over 255 bytes is converted every time";
}

} // namespace
} // namespace kelvo
