// The balance search without per-step checks against the search that checks every step: the
// same figures bit for bit, the same outcome and messages, over the whole shipped catalogue.
// The hand-made fault cases run through both in reference_comparison_test.
#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/lookups.h"
#include "core/performance/balance_point.h"
#include "core/performance/fault_flag_watch.h"
#include "core/refrigerant/table_loader.h"
#include "core/selection/selection_state.h"
#include "core/selection/unit_point.h"
#include "core/text/message_sink.h"
#include "support/pair_bench.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// What differs between two evaluations' outcomes, results and messages; empty when nothing.
std::string differences(const EvaluationOutcome& a, const PerformanceResult& ra,
                        const std::vector<std::string>& ma, const EvaluationOutcome& b,
                        const PerformanceResult& rb, const std::vector<std::string>& mb)
{
    std::ostringstream out;
    out.precision(17);
    const auto field = [&](const char* name, double x, double y) {
        if (!sameBits(x, y))
            out << " " << name << " " << x << " / " << y;
    };
    field("po", ra.evaporatingPressure, rb.evaporatingPressure);
    field("pk", ra.condensingPressure, rb.condensingPressure);
    field("dT", ra.condensingDeltaT, rb.condensingDeltaT);
    field("Qo", ra.refrigeratingCapacity, rb.refrigeratingCapacity);
    field("Pe", ra.powerInput, rb.powerInput);
    field("Qk", ra.condenserCapacity, rb.condenserCapacity);
    field("Qk15", ra.condenserCapacityAt15K, rb.condenserCapacityAt15K);
    if (a.ok != b.ok || a.error != b.error || a.gaveUp != b.gaveUp ||
        a.missingTable != b.missingTable || a.envelope != b.envelope)
        out << " outcome";
    if (ma != mb)
        out << " messages";
    return out.str();
}

TEST(UncheckedSearch, GivesTheCheckedFiguresForEveryUnitAtEveryListedCondition)
{
    const auto data = test::sampleDataFolder();
    auto fast = std::make_unique<test::PairBench>();
    auto checked = std::make_unique<test::PairBench>();
    loadCatalogue(fast->catalogue, data);
    checked->catalogue = fast->catalogue;
    const Catalogue& catalogue = fast->catalogue;
    ASSERT_GT(catalogue.units.count(), 100);

    int evaluations = 0;
    int succeeded = 0;
    int gaveUp = 0;
    int differing = 0;
    for (const std::string refrigerant : {"R404A", "R407C", "R22", "R134a"}) {
        fast->currentRefrigerant = refrigerant;
        test::loadRefrigerantTable(fast->refrigerant, data,
                                   test::refrigerantTableFileName(refrigerant));
        checked->currentRefrigerant = refrigerant;
        checked->refrigerant = fast->refrigerant;
        for (int u = 1; u <= catalogue.units.count(); ++u) {
            const CondensingUnitRecord& unit = catalogue.units[u];
            if (unit.refrigerant.view() != refrigerant)
                continue;
            const UnitConditions conditions = readUnitConditions(unit);
            const int compressor = findCompressorOfUnit(catalogue, u);
            const int condenser = findCondenserOfUnit(catalogue, u);
            for (const double to : evaporatingTemperatureChoices()) {
                for (int air = 0; air <= 50; ++air) {
                    const PairInputs in =
                        unitPairInputs(compressor, condenser, conditions, to, air);
                    // Both start from the same previous result: fields a search does not reach
                    // keep it.
                    checked->refrigerant.result = fast->refrigerant.result;
                    CollectingMessageSink fastMessages;
                    CollectingMessageSink checkedMessages;
                    const auto a =
                        test::evaluateWithState(*fast, in, fastMessages, SearchChecks::WhenNeeded);
                    const auto b = test::evaluateWithState(*checked, in, checkedMessages,
                                                           SearchChecks::Always);
                    ++evaluations;
                    succeeded += a.succeeded() ? 1 : 0;
                    gaveUp += a.gaveUp ? 1 : 0;
                    const std::string diff =
                        differences(a, fast->refrigerant.result, fastMessages.messages, b,
                                    checked->refrigerant.result, checkedMessages.messages);
                    if (!diff.empty() && ++differing <= 10)
                        ADD_FAILURE() << "unit " << u << " " << unit.name << " to " << to << " air "
                                      << air << ":" << diff;
                }
            }
        }
    }
    RecordProperty("evaluations", evaluations);
    EXPECT_EQ(differing, 0);
    EXPECT_GT(succeeded, evaluations / 2) << "the grid holds real balance points";
    EXPECT_GT(gaveUp, 0) << "and searches that pass 70 C";
    // The searches rewrote the same texts.
    for (int c = 1; c <= catalogue.compressors.count(); ++c)
        for (std::size_t set = 0; set < 2; ++set)
            EXPECT_EQ(fast->catalogue.compressors[c].coeffSets[set].c,
                      checked->catalogue.compressors[c].coeffSets[set].c);
}

TEST(FaultFlagWatch, SeesDivisionByZeroOverflowAndInvalidOperationsOnly)
{
    volatile double zero = 0;
    volatile double huge = 1e300;
    volatile double tiny = 1e-300;
    volatile double sink = 0;
    {
        const FaultFlagWatch watch;
        sink = 1.0 / 3.0 + tiny * tiny; // inexact and underflow are no faults
        EXPECT_FALSE(watch.faultRaised());
    }
    {
        const FaultFlagWatch watch;
        sink = 1.0 / zero;
        EXPECT_TRUE(watch.faultRaised());
    }
    {
        const FaultFlagWatch watch; // a new watch starts clear
        EXPECT_FALSE(watch.faultRaised());
        sink = huge * huge;
        EXPECT_TRUE(watch.faultRaised());
    }
    {
        const FaultFlagWatch watch;
        sink = zero / zero;
        EXPECT_TRUE(watch.faultRaised());
    }
    {
        // Long double arithmetic sets the same flags on its way to a double.
        const FaultFlagWatch watch;
        volatile long double big = 1e4000L;
        sink = static_cast<double>(big);
        EXPECT_TRUE(watch.faultRaised());
    }
    (void)sink;
}

TEST(UncheckedSearch, FlagsLeftRaisedBeforeAnEvaluationChangeNothing)
{
    const auto data = test::sampleDataFolder();
    test::PairBench state;
    loadCatalogue(state.catalogue, data);
    state.currentRefrigerant = "R404A";
    test::loadRefrigerantTable(state.refrigerant, data, "R404A.txt");
    int unit = 1;
    while (state.catalogue.units[unit].refrigerant.view() != "R404A")
        ++unit;
    const UnitConditions conditions = readUnitConditions(state.catalogue.units[unit]);
    const PairInputs in =
        unitPairInputs(findCompressorOfUnit(state.catalogue, unit),
                       findCondenserOfUnit(state.catalogue, unit), conditions, -10, 32);
    DiscardingMessageSink sink;
    ASSERT_TRUE(test::evaluateWithState(state, in, sink, SearchChecks::Always).succeeded());
    const PerformanceResult want = state.refrigerant.result;
    std::feraiseexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    state.refrigerant.result = {};
    ASSERT_TRUE(test::evaluateWithState(state, in, sink).succeeded());
    EXPECT_EQ(differences({}, state.refrigerant.result, {}, {}, want, {}), "");
}

} // namespace
} // namespace kelvo
