#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/lookups.h"
#include "core/performance/balance_point.h"
#include "core/refrigerant/table_loader.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "support/pair_bench.h"

namespace
{

using namespace kelvo;

std::unique_ptr<test::PairBench> sampleState(const char* refrigerant)
{
    auto state = std::make_unique<test::PairBench>();
    loadCatalogue(state->catalogue, KELVO_SOURCE_DATA_DIR);
    state->currentRefrigerant = refrigerant;
    test::loadRefrigerantTable(state->refrigerant, KELVO_SOURCE_DATA_DIR,
                               test::refrigerantTableFileName(refrigerant));
    return state;
}

PairInputs unitInputs(const test::PairBench& state, int unitIndex, double to, double air)
{
    const auto& unit = state.catalogue.units[unitIndex];
    PairInputs in;
    in.compressor = findCompressorOfUnit(state.catalogue, unitIndex);
    in.condenser = findCondenserOfUnit(state.catalogue, unitIndex);
    in.to = to;
    in.airTemperature = air;
    in.superheat = unit.superheatMode ? toNumber(unit.superheat.view())
                                      : toNumber(unit.suctionTemperature.view()) - to;
    in.subcooling = toNumber(unit.subcooling.view());
    in.compressorQuantity = toNumber(unit.compressorCount.view());
    in.condenserQuantity = toNumber(unit.condenserCount.view());
    return in;
}

// One evaluation: the first unit of the sample catalogue at -10 / 32 C, its balance found.
void evaluateSampleUnit(benchmark::State& bench)
{
    auto state = sampleState("R404A");
    const PairInputs in = unitInputs(*state, 1, -10, 32);
    DiscardingMessageSink sink;
    bool succeeded = false;
    for (auto _ : bench)
        succeeded = test::evaluateWithState(*state, in, sink).succeeded();
    if (!succeeded)
        bench.SkipWithError("the unit has no balance point");
    bench.counters["dT"] = state->refrigerant.result.condensingDeltaT;
    bench.counters["search steps"] = std::round(state->refrigerant.result.condensingDeltaT * 10);
}
BENCHMARK(evaluateSampleUnit)->Unit(benchmark::kMicrosecond);

// The longest search from 32 C: the heat never fits, ~380 steps to the 70 C limit.
void evaluateUntilTheLimit(benchmark::State& bench)
{
    auto state = sampleState("R404A");
    PairInputs in = unitInputs(*state, 1, -10, 32);
    in.heatFactor = 1000;
    DiscardingMessageSink sink;
    for (auto _ : bench)
        benchmark::DoNotOptimize(test::evaluateWithState(*state, in, sink).gaveUp);
}
BENCHMARK(evaluateUntilTheLimit)->Unit(benchmark::kMicrosecond);

// Every R404A unit of the sample catalogue once, as a list rebuild does.
void evaluateAllR404AUnits(benchmark::State& bench)
{
    auto state = sampleState("R404A");
    std::vector<PairInputs> pairs;
    for (int u = 1; u <= state->catalogue.units.count(); ++u)
        if (state->catalogue.units[u].refrigerant == "R404A")
            pairs.push_back(unitInputs(*state, u, -10, 32));
    DiscardingMessageSink sink;
    for (auto _ : bench)
        for (const auto& in : pairs)
            benchmark::DoNotOptimize(test::evaluateWithState(*state, in, sink).ok);
    bench.SetItemsProcessed(bench.iterations() * static_cast<std::int64_t>(pairs.size()));
}
BENCHMARK(evaluateAllR404AUnits)->Unit(benchmark::kMicrosecond);

template <bool Scan> void findVapourEnthalpy(benchmark::State& bench)
{
    test::PairRefrigerant data;
    test::loadRefrigerantTable(data, KELVO_SOURCE_DATA_DIR, "R404A.txt");
    std::mt19937 random(1);
    std::uniform_real_distribution<double> t(-50, 80);
    std::uniform_real_distribution<double> p(0.8, 9.6);
    std::vector<std::pair<double, double>> points(1024);
    for (auto& point : points)
        point = {t(random), std::round(p(random) * 10) / 10};
    std::size_t i = 0;
    for (auto _ : bench) {
        const auto& [tv, pv] = points[i++ % points.size()];
        benchmark::DoNotOptimize(Scan ? data.table.findVapourEnthalpyByScan(tv, pv)
                                      : data.table.findVapourEnthalpy(tv, pv));
    }
}
BENCHMARK(findVapourEnthalpy<false>)->Name("findVapourEnthalpy");
BENCHMARK(findVapourEnthalpy<true>)->Name("findVapourEnthalpyByScan");

} // namespace
