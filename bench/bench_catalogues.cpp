#include "bench_catalogues.h"

#include <vector>

#include "core/text/message_sink.h"

namespace kelvo::bench
{

namespace
{

std::unique_ptr<BenchSelection> sampleCatalogue(UnitFamily family, double to)
{
    auto bench = std::make_unique<BenchSelection>(family);
    DiscardingMessageSink sink;
    bench->session.open(sink);
    SelectionInputs inputs;
    tickAllFilters(inputs);
    inputs.evaporatingTemperature = to;
    inputs.ambientTemperature = 32;
    bench->session.setInputs(inputs, sink);
    return bench;
}

// The workspace's unit table filled up to its capacity with copies of `units`, in turn.
void repeatUnits(Workspace& workspace, const std::vector<CondensingUnitRecord>& units)
{
    Catalogue catalogue = workspace.catalogue();
    for (int i = 1; i <= UnitTable::capacity; ++i)
        catalogue.units.at(i) = units[static_cast<std::size_t>(i - 1) % units.size()];
    catalogue.units.setCount(UnitTable::capacity);
    workspace.replaceCatalogue(std::move(catalogue));
}

} // namespace

std::unique_ptr<BenchSelection> fullCatalogue(UnitFamily family)
{
    auto bench = sampleCatalogue(family, 0);
    const auto& units = bench->workspace.catalogue().units;
    std::vector<CondensingUnitRecord> sample;
    for (int i = 1; i <= units.count(); ++i)
        sample.push_back(units[i]);
    repeatUnits(bench->workspace, sample);
    return bench;
}

std::unique_ptr<BenchSelection> eightHundredListedUnits()
{
    auto bench = sampleCatalogue(UnitFamily::Box, -10);
    std::vector<CondensingUnitRecord> listed;
    for (const auto& row : bench->session.state().candidates.rows)
        if (row.evaluated)
            listed.push_back(bench->workspace.catalogue().units[row.unitIndex]);
    repeatUnits(bench->workspace, listed);
    return bench;
}

} // namespace kelvo::bench
