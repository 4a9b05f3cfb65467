#include <benchmark/benchmark.h>
#include <memory>

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
