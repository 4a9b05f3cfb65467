#include <gtest/gtest.h>
#include <limits>
#include <memory>

#include "core/performance/balance_point.h"
#include "core/refrigerant/table_loader.h"
#include "core/text/message_sink.h"
#include "support/pair_bench.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

constexpr const char* kMismatch =
    "Liczenie przerwane !\rRóżne czynniki chłodnicze dla sprężarki i skraplacza !";
constexpr const char* kNoRefrigerant = "Liczenie przerwane !\rWybierz czynnik chłodniczy !";

// One R404A compressor of about 5 kW at -10/40 C (six-coefficient form, kW) and one condenser
// whose capacity equals dT.
class BalancePointTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        state->currentRefrigerant = "R404A";
        test::loadRefrigerantTable(state->refrigerant, test::sampleDataFolder(), "R404A.txt");
        state->catalogue.compressors.setCount(1);
        state->catalogue.condensers.setCount(1);
        auto& c = compressor();
        c.refrigerant = "R404A";
        const char* capacity[] = {"0", "0", "0", "-0.1", "0.3", "12"};
        const char* power[] = {"0", "0", "0", "0.02", "0", "1"};
        for (std::size_t i = 0; i < 6; ++i) {
            c.capacitySet().c[i] = capacity[i];
            c.powerSet().c[i] = power[i];
        }
        c.suctionTemperature = "20";
        c.subcooling = "0";
        auto& k = condenser();
        k.refrigerant = "R404A";
        k.dt1 = "10";
        k.qk1 = "10";
        k.dt2 = "20.0";
        k.qk2 = "20";
        inputs = {1, 1, -10, 32, 10, 3, 1, 1, 1};
    }

    CompressorRecord& compressor() { return state->catalogue.compressors.at(1); }
    CondenserRecord& condenser() { return state->catalogue.condensers.at(1); }
    const PerformanceResult& result() const { return state->refrigerant.result; }

    EvaluationOutcome evaluate()
    {
        sink.messages.clear();
        return test::evaluateWithState(*state, inputs, sink);
    }

    std::unique_ptr<test::PairBench> state = std::make_unique<test::PairBench>();
    PairInputs inputs;
    CollectingMessageSink sink;
};

TEST_F(BalancePointTest, TwoPointCondenserTimesTheCondenserCount)
{
    ASSERT_TRUE(evaluate().succeeded());
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(result().condenserCapacityAt15K, 15);
    EXPECT_EQ(result().condenserCapacity, result().condensingDeltaT);
    EXPECT_EQ(result().evaporatingPressure, 4.3);
    EXPECT_EQ(condenser().dt2, "20,0") << "the record keeps the comma";
    const double dT = result().condensingDeltaT;
    const double heat = result().refrigeratingCapacity + result().powerInput;
    EXPECT_LE(heat, dT);
    EXPECT_GT(heat, dT - 0.15) << "the first step that holds";

    inputs.condenserQuantity = 2;
    ASSERT_TRUE(evaluate().succeeded());
    EXPECT_EQ(result().condenserCapacityAt15K, 30);
    EXPECT_EQ(result().condenserCapacity, 2 * result().condensingDeltaT);
    EXPECT_LT(result().condensingDeltaT, dT);

    inputs.condenserQuantity = 1;
    inputs.heatFactor = 1.1;
    compressor().subcooling = "-2";
    ASSERT_TRUE(evaluate().succeeded());
    EXPECT_GT(result().condensingDeltaT, dT);
    EXPECT_EQ(sink.messages.size(), 1U) << "once per evaluation, not per step";
}

TEST_F(BalancePointTest, CoefficientAModelWhenTheTwoPointsAreIncomplete)
{
    condenser().coeffA = "1.5";
    ASSERT_TRUE(evaluate().succeeded());
    EXPECT_EQ(result().condenserCapacityAt15K, 15) << "the two-point model wins";
    condenser().dt1 = "";
    ASSERT_TRUE(evaluate().succeeded());
    EXPECT_EQ(result().condenserCapacityAt15K, 10);
    EXPECT_EQ(result().condenserCapacity, result().condensingDeltaT / 1.5);
}

TEST_F(BalancePointTest, TheSearchStepsByRepeatedAdditionAndGivesUpAboveSeventy)
{
    condenser().dt1 = "";
    condenser().coeffA = "0,001"; // 1000 kW per K: the first step already holds
    ASSERT_TRUE(evaluate().succeeded());
    EXPECT_EQ(result().condensingDeltaT, 0.1);

    condenser().coeffA = "0.2";
    ASSERT_TRUE(evaluate().succeeded());
    double sum = 0;
    while (sum < result().condensingDeltaT - 0.05)
        sum = sum + 0.1;
    EXPECT_EQ(result().condensingDeltaT, sum) << "a sum of steps, not a product";

    for (const char* a : {"0", ""}) { // no capacity, or no model at all
        condenser().coeffA = a;
        const auto outcome = evaluate();
        EXPECT_EQ(outcome.ok, *a != 0) << a;
        EXPECT_TRUE(outcome.gaveUp);
        EXPECT_GT(32 + result().condensingDeltaT, 70);
        EXPECT_LT(32 + result().condensingDeltaT, 70.1 + 1e-9);
        EXPECT_EQ(result().condenserCapacity, 0);
        EXPECT_EQ(result().condenserCapacityAt15K, 0);
    }
}

TEST_F(BalancePointTest, RefrigerantChecksKeepTheFiguresTheyDoNotReach)
{
    ASSERT_TRUE(evaluate().succeeded());
    const PerformanceResult before = result();
    compressor().refrigerant = "R22";
    state->currentRefrigerant = "R22";
    EXPECT_FALSE(evaluate().ok);
    EXPECT_EQ(sink.messages, std::vector<std::string>{kMismatch});
    EXPECT_EQ(result().evaporatingPressure, 0);
    EXPECT_EQ(result().condensingPressure, 0);
    EXPECT_EQ(result().condenserCapacityAt15K, 0);
    EXPECT_EQ(result().refrigeratingCapacity, before.refrigeratingCapacity);
    EXPECT_EQ(result().condensingDeltaT, before.condensingDeltaT);

    state->currentRefrigerant = kAllRefrigerants;
    evaluate();
    EXPECT_EQ(sink.messages, (std::vector<std::string>{kNoRefrigerant, kMismatch}));
    compressor().refrigerant = "R404A";
    evaluate();
    EXPECT_EQ(sink.messages, std::vector<std::string>{kNoRefrigerant});

    state->currentRefrigerant = "R404A";
    inputs.compressor = 0; // a unit whose link found nothing reads the empty record
    EXPECT_FALSE(evaluate().ok);
    EXPECT_EQ(sink.messages, std::vector<std::string>{kMismatch});
}

TEST_F(BalancePointTest, EvaluationsThatStopBeforeTheSearch)
{
    ASSERT_TRUE(evaluate().succeeded());
    const PerformanceResult before = result();
    state->refrigerant.calculationEnabled = false;
    condenser().coeffA = "2.5";
    EXPECT_FALSE(evaluate().ok);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(condenser().coeffA, "2.5") << "nothing is read";
    EXPECT_EQ(result().evaporatingPressure, before.evaporatingPressure);

    state->refrigerant.calculationEnabled = true;
    test::loadRefrigerantTable(state->refrigerant, test::sampleDataFolder(), "");
    inputs.to = 0;
    const auto outcome = evaluate();
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.missingTable, "R404A.txt");
    EXPECT_EQ(sink.messages, std::vector<std::string>{"Liczenie przerwane !\rBrak tablicy "
                                                      "właściwości czynnika: R404A.txt"});
    EXPECT_NE(result().evaporatingPressure, before.evaporatingPressure);
    EXPECT_EQ(result().refrigeratingCapacity, before.refrigeratingCapacity);

    test::loadRefrigerantTable(state->refrigerant, test::sampleDataFolder(), "R404A.txt");
    inputs.airTemperature = -1e12; // would search for ever
    EXPECT_FALSE(evaluate().ok);
    EXPECT_EQ(sink.messages.size(), 1U);
}

TEST_F(BalancePointTest, UnusableCoefficientSets)
{
    ASSERT_TRUE(evaluate().succeeded());
    const PerformanceResult before = result();
    compressor().powerSet().c[5] = "";
    auto outcome = evaluate();
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, EvaluationError::None) << "the search runs with Pe = 0";
    EXPECT_EQ(result().powerInput, 0);
    EXPECT_LT(result().condensingDeltaT, before.condensingDeltaT);

    // No capacity: the correction divides 0 by 0 in the first step, after pk.
    compressor().powerSet().c[5] = "1";
    ASSERT_TRUE(evaluate().succeeded());
    compressor().capacitySet().c[5] = "";
    inputs.to = -5;
    outcome = evaluate();
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.error, EvaluationError::InvalidOperation);
    EXPECT_NE(result().evaporatingPressure, before.evaporatingPressure);
    EXPECT_NE(result().condensingPressure, before.condensingPressure) << "pk of tk = 32.1";
    EXPECT_EQ(result().refrigeratingCapacity, before.refrigeratingCapacity);
    EXPECT_EQ(result().condensingDeltaT, before.condensingDeltaT);
}

TEST_F(BalancePointTest, ArithmeticFaultsEndTheEvaluationKeepingWhatWasWritten)
{
    ASSERT_TRUE(evaluate().succeeded());
    const PerformanceResult before = result();
    condenser().dt2 = "10";
    EXPECT_EQ(evaluate().error, EvaluationError::DivisionByZero);
    EXPECT_NE(result().refrigeratingCapacity, before.refrigeratingCapacity) << "written first";
    EXPECT_EQ(result().condenserCapacityAt15K, before.condenserCapacityAt15K);
    condenser().qk2 = "10";
    EXPECT_EQ(evaluate().error, EvaluationError::InvalidOperation) << "0 / 0";

    condenser().dt2 = "20";
    condenser().qk2 = "20";
    compressor().capacitySet().multiplier = "1e308";
    compressor().capacitySet().c[5] = "1e10";
    EXPECT_EQ(evaluate().error, EvaluationError::Overflow);
    compressor().capacitySet().multiplier = "";
    inputs.superheat = std::numeric_limits<double>::infinity();
    EXPECT_EQ(evaluate().error, EvaluationError::InvalidOperation);
}

} // namespace
} // namespace kelvo
