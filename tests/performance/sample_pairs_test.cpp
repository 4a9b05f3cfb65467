// Units of the shipped catalogue: the reported step is the first where the condensers hold,
// checked against the compressor and condenser models on their own.
#include <gtest/gtest.h>
#include <memory>

#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/lookups.h"
#include "core/performance/compressor_model.h"
#include "core/performance/condenser_model.h"
#include "core/refrigerant/refrigerant_registry.h"
#include "core/refrigerant/table_loader.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "support/pair_bench.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

// (Qo + Pe) x heatFactor and Qk at one step, without the search.
std::pair<double, double> heatAndCapacity(test::PairBench& state, const PairInputs& in, double dT)
{
    auto& compressor = state.catalogue.compressors.at(in.compressor);
    DiscardingMessageSink quiet;
    const double tk = in.airTemperature + dT;
    const auto one = correctToActual(
        ratedCapacity(readCoefficientSet(compressor, 1), in.to, tk).kW,
        ratedPower(readCoefficientSet(compressor, 2), in.to, tk).kW,
        test::sampleRefrigerants().correlationsOf(state.currentRefrigerant),
        state.refrigerant.table, in.to, tk, state.refrigerant.result.evaporatingPressure,
        in.superheat, in.subcooling, ratedConditions(compressor, in.to, quiet));
    const auto condenser = CondenserModel::read(state.catalogue.condensers.at(in.condenser));
    return {(one.capacity * in.compressorQuantity + one.power * in.compressorQuantity) *
                in.heatFactor,
            condenser.capacityAt(dT) * in.condenserQuantity};
}

TEST(SamplePairs, TheReportedStepIsTheFirstWhereTheCondensersHold)
{
    auto state = std::make_unique<test::PairBench>();
    loadCatalogue(state->catalogue, test::sampleDataFolder());
    const auto number = [](const auto& text) { return parseNumber(text.view()).value(); };
    int balanced = 0;
    for (int u = 1; u <= state->catalogue.units.count(); u += 7) {
        const auto& unit = state->catalogue.units[u];
        if (state->currentRefrigerant != unit.refrigerant.view()) {
            state->currentRefrigerant = unit.refrigerant.str();
            test::loadRefrigerantTable(state->refrigerant, test::sampleDataFolder(),
                                       test::refrigerantTableFileName(state->currentRefrigerant));
        }
        for (const double to : {-15.0, -5.0, 5.0}) {
            for (const double air : {27.0, 32.0, 38.0}) {
                for (const double heatFactor : {1.0, 1.1}) {
                    SCOPED_TRACE(testing::Message() << unit.name << " to=" << to << " air=" << air
                                                    << " x=" << heatFactor);
                    const double superheat = unit.superheatMode
                                                 ? number(unit.superheat)
                                                 : number(unit.suctionTemperature) - to;
                    const PairInputs in{findCompressorOfUnit(state->catalogue, u),
                                        findCondenserOfUnit(state->catalogue, u),
                                        to,
                                        air,
                                        superheat,
                                        number(unit.subcooling),
                                        number(unit.compressorCount),
                                        number(unit.condenserCount),
                                        heatFactor};
                    DiscardingMessageSink sink;
                    const auto outcome = test::evaluateWithState(*state, in, sink);
                    ASSERT_TRUE(outcome.succeeded());
                    const PerformanceResult r = state->refrigerant.result;
                    const double dT = r.condensingDeltaT;
                    EXPECT_EQ(
                        r.condensingPressure,
                        roundToTenth(saturationPressure(
                            *test::sampleRefrigerants().correlationsOf(state->currentRefrigerant),
                            air + dT)));
                    const auto [heat, capacity] = heatAndCapacity(*state, in, dT);
                    EXPECT_EQ(heat, (r.refrigeratingCapacity + r.powerInput) * heatFactor);
                    EXPECT_EQ(capacity, r.condenserCapacity);
                    if (outcome.gaveUp)
                        continue;
                    ++balanced;
                    EXPECT_LE(heat, capacity);
                    double previous = 0;
                    for (double step = 0.1; step < dT - 0.05; step = step + 0.1)
                        previous = step;
                    if (previous > 0) {
                        const auto [heatBefore, capacityBefore] =
                            heatAndCapacity(*state, in, previous);
                        EXPECT_GT(heatBefore, capacityBefore);
                    }
                }
            }
        }
    }
    EXPECT_GT(balanced, 300);
}

} // namespace
} // namespace kelvo
