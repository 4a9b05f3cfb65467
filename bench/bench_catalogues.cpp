#include "bench_catalogues.h"

#include <vector>

#include "core/app/message_sink.h"
#include "core/catalogue/catalogue_files.h"
#include "core/refrigerant/table_loader.h"
#include "core/selection/candidate_list.h"

namespace kelvo::bench
{

namespace
{

std::unique_ptr<ApplicationState> sampleCatalogue(UnitFamily family)
{
    auto state = std::make_unique<ApplicationState>();
    state->programDir = KELVO_SOURCE_DATA_DIR;
    loadCatalogue(state->catalogue, state->programDir);
    state->currentRefrigerant = "R404A";
    loadRefrigerantTable(state->refrigerant, state->programDir, "R404A.txt");
    state->selection = initialSelection(family);
    tickAllFilters(state->selection);
    return state;
}

// Fills the unit table up to its capacity with copies of `units`, in turn.
void repeatUnits(UnitTable& table, const std::vector<CondensingUnitRecord>& units)
{
    for (int i = 1; i <= UnitTable::capacity; ++i)
        table.at(i) = units[static_cast<std::size_t>(i - 1) % units.size()];
    table.setCount(UnitTable::capacity);
}

} // namespace

std::unique_ptr<ApplicationState> fullCatalogue(UnitFamily family)
{
    auto state = sampleCatalogue(family);
    auto& units = state->catalogue.units;
    std::vector<CondensingUnitRecord> sample;
    for (int i = 1; i <= units.count(); ++i)
        sample.push_back(units[i]);
    repeatUnits(units, sample);
    return state;
}

std::unique_ptr<ApplicationState> eightHundredListedUnits()
{
    auto state = sampleCatalogue(UnitFamily::Box);
    state->selection.evaporatingTemperature = -10;
    state->selection.ambientTemperature = 32;
    DiscardingMessageSink sink;
    rebuildCandidateList(*state, sink);
    std::vector<CondensingUnitRecord> listed;
    for (const auto& row : state->selection.candidates.rows)
        if (row.evaluated)
            listed.push_back(state->catalogue.units[row.unitIndex]);
    repeatUnits(state->catalogue.units, listed);
    return state;
}

} // namespace kelvo::bench
