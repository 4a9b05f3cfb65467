#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <vector>

#include "core/app/application_state.h"
#include "core/app/message_sink.h"
#include "core/catalogue/catalogue_files.h"
#include "core/refrigerant/table_loader.h"
#include "core/selection/candidate_list.h"
#include "core/selection/unit_details.h"

namespace
{

// The sample catalogue with its units repeated up to the table's 800, R404A loaded, every
// filter ticked, to 0 C and ambient 32 C.
std::unique_ptr<kelvo::ApplicationState> fullCatalogue(kelvo::UnitFamily family)
{
    auto state = std::make_unique<kelvo::ApplicationState>();
    state->programDir = KELVO_SOURCE_DATA_DIR;
    kelvo::loadCatalogue(state->catalogue, state->programDir);
    auto& units = state->catalogue.units;
    const int sampleCount = units.count();
    for (int i = sampleCount + 1; i <= kelvo::UnitTable::capacity; ++i)
        units.at(i) = units[(i - 1) % sampleCount + 1];
    units.setCount(kelvo::UnitTable::capacity);
    state->currentRefrigerant = "R404A";
    kelvo::loadRefrigerantTable(state->refrigerant, state->programDir, "R404A.txt");
    state->selection = kelvo::initialSelection(family);
    kelvo::tickAllFilters(state->selection);
    return state;
}

void rebuildFullList(benchmark::State& bench, kelvo::UnitFamily family)
{
    auto state = fullCatalogue(family);
    kelvo::DiscardingMessageSink sink;
    for (auto _ : bench) {
        kelvo::rebuildCandidateList(*state, sink);
        benchmark::DoNotOptimize(state->selection.candidates.rows.data());
    }
    bench.counters["candidates"] = static_cast<double>(state->selection.candidates.rows.size());
}
BENCHMARK_CAPTURE(rebuildFullList, box, kelvo::UnitFamily::Box)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rebuildFullList, base, kelvo::UnitFamily::Base)->Unit(benchmark::kMillisecond);

// 800 units that all pass the filters and are all evaluated at to -10 C, ambient 32 C: the
// sample's R404A BOX units listed there, repeated up to the table's capacity.
std::unique_ptr<kelvo::ApplicationState> eightHundredListedUnits()
{
    auto state = fullCatalogue(kelvo::UnitFamily::Box);
    state->selection.evaporatingTemperature = -10;
    state->selection.ambientTemperature = 32;
    auto& units = state->catalogue.units;
    units.setCount(152);
    kelvo::DiscardingMessageSink sink;
    kelvo::rebuildCandidateList(*state, sink);
    std::vector<kelvo::CondensingUnitRecord> listed;
    for (const auto& row : state->selection.candidates.rows)
        if (row.evaluated)
            listed.push_back(units[row.unitIndex]);
    for (int i = 1; i <= kelvo::UnitTable::capacity; ++i)
        units.at(i) = listed[static_cast<std::size_t>(i - 1) % listed.size()];
    units.setCount(kelvo::UnitTable::capacity);
    return state;
}

void rebuildOf800EvaluatedUnits(benchmark::State& bench)
{
    auto state = eightHundredListedUnits();
    kelvo::DiscardingMessageSink sink;
    for (auto _ : bench) {
        kelvo::rebuildCandidateList(*state, sink);
        benchmark::DoNotOptimize(state->selection.candidates.rows.data());
    }
    const auto& list = state->selection.candidates;
    if (list.evaluatedCount != kelvo::UnitTable::capacity)
        bench.SkipWithError("not every unit was evaluated");
    // The balance search raises the condensing temperature in 0.1 K steps from the ambient.
    double steps = 0;
    for (const auto& row : list.rows)
        steps += std::round((row.condensingTemperature - 32) * 10);
    bench.counters["units evaluated"] = list.evaluatedCount;
    bench.counters["search steps"] = steps;
}
BENCHMARK(rebuildOf800EvaluatedUnits)->Unit(benchmark::kMillisecond);

void detailsOfOneUnit(benchmark::State& bench)
{
    auto state = fullCatalogue(kelvo::UnitFamily::Box);
    kelvo::DiscardingMessageSink sink;
    kelvo::rebuildCandidateList(*state, sink);
    // The largest unit: the most evaluation steps.
    const int row = state->selection.candidates.evaluatedCount;
    for (auto _ : bench) {
        const auto details = kelvo::computeUnitDetails(*state, row, sink);
        benchmark::DoNotOptimize(details.staging.rangeColumnCount);
    }
}
BENCHMARK(detailsOfOneUnit)->Unit(benchmark::kMillisecond);

} // namespace
