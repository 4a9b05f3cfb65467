#include <benchmark/benchmark.h>
#include <memory>
#include <string>

#include "core/catalogue/catalogue_files.h"
#include "core/chart/envelope_chart.h"
#include "core/editor/balance_display.h"
#include "core/editor/editor_grids.h"
#include "core/editor/editor_session.h"
#include "core/text/message_sink.h"

namespace
{

// The sample catalogue with its units repeated up to the table's 800. With `decoyCompressors`
// the compressor table is filled to 800 with records no unit links to, placed before the
// linked ones, so every link lookup scans the whole table.
std::unique_ptr<kelvo::Workspace> workspaceWith800Units(bool decoyCompressors)
{
    auto workspace = std::make_unique<kelvo::Workspace>(KELVO_SOURCE_DATA_DIR);
    workspace->loadCatalogue();
    workspace->loadPropertyTable("R404A");
    kelvo::Catalogue catalogue = workspace->catalogue();
    auto& units = catalogue.units;
    const int sampleUnits = units.count();
    for (int i = sampleUnits + 1; i <= kelvo::UnitTable::capacity; ++i)
        units.at(i) = units[(i - 1) % sampleUnits + 1];
    units.setCount(kelvo::UnitTable::capacity);
    if (decoyCompressors) {
        auto& compressors = catalogue.compressors;
        const int linked = compressors.count();
        const int decoys = kelvo::CompressorTable::capacity - linked;
        for (int i = linked; i >= 1; --i)
            compressors.at(i + decoys) = compressors[i];
        for (int i = 1; i <= decoys; ++i) {
            compressors.at(i) = compressors[decoys + (i - 1) % linked + 1];
            compressors.at(i).id = "decoy " + std::to_string(i);
        }
        compressors.setCount(kelvo::CompressorTable::capacity);
    }
    workspace->replaceCatalogue(std::move(catalogue));
    return workspace;
}

// The rows of the unit grid with every unit box ticked (ALL unticked, so each unit's compressor
// is looked up): every R404A unit whose housing and version pass and whose compressor brand and
// kind are ticked is listed.
void refillUnitGrid(benchmark::State& bench, bool decoyCompressors)
{
    const auto workspace = workspaceWith800Units(decoyCompressors);
    kelvo::EditorFilters filters;
    filters.compressorBrands = {true, true, true};
    filters.compressorKinds = {true, true, true};
    filters.unitHousings = {true, true, true};
    std::size_t listed = 0;
    for (auto _ : bench) {
        const auto rows = kelvo::gridRows(kelvo::EditorGrid::Units, workspace->catalogue(), filters,
                                          "R404A", workspace->refrigerants());
        listed = rows.size();
        benchmark::DoNotOptimize(rows.data());
    }
    bench.counters["listed"] = static_cast<double>(listed);
}
BENCHMARK_CAPTURE(refillUnitGrid, sampleCompressors, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(refillUnitGrid, links_after_752_other_compressors, true)
    ->Unit(benchmark::kMillisecond);

// One unit display as a click on the unit grid runs it, and the chart it asks for at the
// editor's default size.
void unitBalanceWithChart(benchmark::State& bench)
{
    const auto workspace = workspaceWith800Units(false);
    kelvo::EditorSession session(*workspace);
    session.chooseRefrigerant("R404A");
    const kelvo::EditorInputs typed = session.inputs();
    kelvo::DiscardingMessageSink sink;
    constexpr int kUnit = 3;
    if (!session.showUnit(kUnit, typed, sink).outcome.succeeded() || !session.chart()) {
        bench.SkipWithError("sample unit 3 does not evaluate");
        return;
    }
    for (auto _ : bench) {
        const auto display = session.showUnit(kUnit, typed, sink);
        const auto& chart = *session.chart();
        const auto primitives = kelvo::drawChart(
            workspace->catalogue().compressors[chart.compressor], chart.ok, chart.tk, chart.to,
            kelvo::kDefaultChartWidth, kelvo::kDefaultChartHeight, ',');
        benchmark::DoNotOptimize(display.evaluated);
        benchmark::DoNotOptimize(primitives.data());
    }
}
BENCHMARK(unitBalanceWithChart)->Unit(benchmark::kMicrosecond);

} // namespace
