#include "core/selection/selection_session.h"

#include <algorithm>
#include <array>

#include "core/app/application_state.h"
#include "core/app/calculation_pause.h"
#include "core/app/message_sink.h"
#include "core/catalogue/catalogue_files.h"
#include "core/io/file_io.h"
#include "core/refrigerant/table_loader.h"

namespace kelvo
{

void openSelection(ApplicationState& state, UnitFamily family, MessageSink& sink,
                   const ProgressCallback& progress)
{
    {
        const CalculationPause pause(state);
        initRefrigerantNames(state.refrigerant.refrigerantNames);
        if (const CatalogueLoad load = loadCatalogue(state.catalogue, state.programDir);
            !load.recovery.empty())
            sink.message(load.recovery);
        state.selection = initialSelection(family);
    }
    state.refrigerant.calculationEnabled = true;
    changeRefrigerant(state, kDefaultRefrigerant, sink, progress);
}

std::optional<std::string> changeRefrigerant(ApplicationState& state, std::string_view name,
                                             MessageSink& sink, const ProgressCallback& progress)
{
    const auto known = std::find(kKnownRefrigerants.begin(), kKnownRefrigerants.end(), name);
    if (known == kKnownRefrigerants.end()) {
        std::string failure = "Unknown refrigerant: " + std::string(name);
        sink.message(failure);
        return failure;
    }
    std::optional<std::string> failure;
    state.currentRefrigerant = *known;
    try {
        loadRefrigerantTable(state.refrigerant, state.programDir, refrigerantTableFileName(*known));
    } catch (const FileError& error) {
        failure = error.what();
        sink.message(*failure);
    }
    rebuildCandidateList(state, sink, progress);
    return failure;
}

} // namespace kelvo
