#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "bench_catalogues.h"
#include "rebuild_floor.h"

#include "core/catalogue/lookups.h"
#include "core/selection/candidate_list.h"
#include "core/selection/unit_details.h"
#include "core/selection/unit_point.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"

namespace
{

using kelvo::bench::eightHundredListedUnits;
using kelvo::bench::fullCatalogue;

// The list built again at the inputs it has.
void rebuild(kelvo::SelectionSession& session, kelvo::MessageSink& sink)
{
    const kelvo::SelectionInputs inputs = session.state();
    session.setInputs(inputs, sink);
}

void rebuildFullList(benchmark::State& bench, kelvo::UnitFamily family)
{
    auto selection = fullCatalogue(family);
    auto& session = selection->session;
    kelvo::DiscardingMessageSink sink;
    for (auto _ : bench) {
        rebuild(session, sink);
        benchmark::DoNotOptimize(session.state().candidates.rows.data());
    }
    bench.counters["candidates"] = static_cast<double>(session.state().candidates.rows.size());
    bench.counters["units evaluated"] = session.state().candidates.evaluatedCount;
}
BENCHMARK_CAPTURE(rebuildFullList, box, kelvo::UnitFamily::Box)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rebuildFullList, base, kelvo::UnitFamily::Base)->Unit(benchmark::kMillisecond);

void rebuildOf800EvaluatedUnits(benchmark::State& bench)
{
    auto selection = eightHundredListedUnits();
    auto& session = selection->session;
    kelvo::DiscardingMessageSink sink;
    for (auto _ : bench) {
        rebuild(session, sink);
        benchmark::DoNotOptimize(session.state().candidates.rows.data());
    }
    const auto& list = session.state().candidates;
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

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Whether the floor's figures are the program's, bit for bit, unit by unit.
bool floorMatchesTheProgram(kelvo::Workspace& workspace, const kelvo::bench::RebuildFloor& floor)
{
    kelvo::DiscardingMessageSink sink;
    kelvo::PerformanceResult result;
    kelvo::TextsRead read;
    const kelvo::SelectionCalculation calculation{workspace, "R404A", result, read};
    const auto& catalogue = workspace.catalogue();
    for (int s = 1; s <= catalogue.units.count(); ++s) {
        const auto conditions = kelvo::readUnitConditions(catalogue.units[s]);
        const auto point = kelvo::evaluateUnitPoint(
            calculation, s, kelvo::findCompressorOfUnit(catalogue, s),
            kelvo::findCondenserOfUnit(catalogue, s), conditions, -10, 32, sink);
        const auto& figures = floor.figures()[static_cast<std::size_t>(s - 1)];
        if (!point.succeeded || !sameBits(point.refrigeratingCapacity, figures.capacity) ||
            !sameBits(point.powerInput, figures.power) ||
            !sameBits(point.condensingDeltaT, figures.deltaT) ||
            !sameBits(result.condensingPressure, figures.pressure))
            return false;
    }
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The rebuild of the 800 evaluated units and the floor of its arithmetic (the same figures
// with the least work), timed in turn within each iteration so that both see the same
// machine. Counters: each one's median in ms and the ratio of the medians.
void rebuildAgainstItsFloor(benchmark::State& bench)
{
    auto selection = eightHundredListedUnits();
    auto& session = selection->session;
    kelvo::Workspace& workspace = selection->workspace;
    kelvo::bench::RebuildFloor floor(workspace.catalogue(),
                                     workspace.propertyTable("R404A")->table);
    floor.run(-10, 32);
    if (!floor.usable() || !floorMatchesTheProgram(workspace, floor)) {
        bench.SkipWithError("the floor does not give the program's figures");
        return;
    }
    kelvo::DiscardingMessageSink sink;
    std::vector<double> rebuildTimes;
    std::vector<double> floorTimes;
    using Clock = std::chrono::steady_clock;
    for (auto _ : bench) {
        const auto start = Clock::now();
        rebuild(session, sink);
        benchmark::DoNotOptimize(session.state().candidates.rows.data());
        const auto rebuilt = Clock::now();
        floor.run(-10, 32);
        benchmark::DoNotOptimize(floor.figures().data());
        const auto end = Clock::now();
        const std::chrono::duration<double, std::milli> rebuild = rebuilt - start;
        const std::chrono::duration<double, std::milli> least = end - rebuilt;
        rebuildTimes.push_back(rebuild.count());
        floorTimes.push_back(least.count());
        bench.SetIterationTime((end - start) / std::chrono::duration<double>(1));
    }
    const double rebuildMs = median(rebuildTimes);
    const double floorMs = median(floorTimes);
    bench.counters["rebuild ms"] = rebuildMs;
    bench.counters["floor ms"] = floorMs;
    bench.counters["ratio"] = rebuildMs / floorMs;
    bench.counters["units evaluated"] = session.state().candidates.evaluatedCount;
    bench.counters["search steps"] = floor.steps();
}
BENCHMARK(rebuildAgainstItsFloor)->UseManualTime()->Unit(benchmark::kMillisecond);

// The details of the listed BOX unit with the widest evaporating range (the most range-table
// columns): its point and every column at the three ambients, or at those and the extra one.
// Counters: the unit's catalogue index, the tables' columns and rows, the balance points
// evaluated and their search steps.
void detailsOfTheWidestRangeUnit(benchmark::State& bench, std::optional<double> extraAmbient)
{
    auto selection = fullCatalogue(kelvo::UnitFamily::Box);
    auto& session = selection->session;
    kelvo::DiscardingMessageSink sink;
    kelvo::SelectionInputs inputs = session.state();
    inputs.extraAmbient = extraAmbient;
    session.setInputs(inputs, sink);
    const auto& list = session.state().candidates;
    int widestRow = 0;
    double widest = -1;
    for (int row = 1; row <= list.evaluatedCount; ++row) {
        const auto& unit = selection->workspace.catalogue().units[list.row(row)->unitIndex];
        const double width =
            kelvo::toNumber(unit.toMax.view()) - kelvo::toNumber(unit.toMin.view());
        if (width > widest) {
            widest = width;
            widestRow = row;
        }
    }
    int columns = 0;
    int rows = 0;
    double steps = 0;
    for (auto _ : bench) {
        const auto details = session.computeDetails(widestRow, sink);
        columns = static_cast<int>(details.range.columns.size());
        rows = static_cast<int>(details.range.ambients.size());
        benchmark::DoNotOptimize(details.staging.rangeColumnCount);
        bench.PauseTiming();
        steps = 0;
        for (const auto& column : details.range.columns)
            for (std::size_t a = 0; a < details.range.ambients.size(); ++a)
                if (const auto& tk = column.capacity[a].condensingTemperature)
                    steps += std::round((*tk - details.range.ambients[a]) * 10);
        bench.ResumeTiming();
    }
    bench.counters["unit index"] = list.row(widestRow)->unitIndex;
    bench.counters["range columns"] = columns;
    bench.counters["range rows"] = rows;
    bench.counters["points evaluated"] = 1 + columns * rows;
    bench.counters["search steps (range)"] = steps;
}
BENCHMARK_CAPTURE(detailsOfTheWidestRangeUnit, standard_rows, std::nullopt)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(detailsOfTheWidestRangeUnit, also_at_43C, kelvo::kWindowExtraAmbient)
    ->Unit(benchmark::kMillisecond);

} // namespace
