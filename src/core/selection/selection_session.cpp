#include "core/selection/selection_session.h"

#include <array>

#include "core/app/application_state.h"
#include "core/app/message_sink.h"
#include "core/catalogue/catalogue_files.h"
#include "core/io/file_io.h"
#include "core/refrigerant/table_loader.h"

namespace kelvo
{

void openSelection(ApplicationState& state, UnitFamily family, MessageSink& sink,
                   const ProgressCallback& progress)
{
    state.refrigerant.calculationEnabled = false;
    initRefrigerantNames(state.refrigerant.refrigerantNames);
    try {
        loadCatalogue(state.catalogue, state.programDir);
    } catch (...) {
        state.refrigerant.calculationEnabled = true;
        throw;
    }
    state.selection = initialSelection(family);
    state.refrigerant.calculationEnabled = true;
    changeRefrigerant(state, kDefaultRefrigerant, sink, progress);
}

std::optional<std::string> changeRefrigerant(ApplicationState& state, std::string_view name,
                                             MessageSink& sink, const ProgressCallback& progress)
{
    state.selection.selectedRefrigerant = name;
    const std::string_view selected = state.selection.selectedRefrigerant.view();
    std::optional<std::string> failure;
    // The order of the known names is the order they are tested in.
    for (const std::string_view known : {"R134a", "R407C", "R404A", "R22"}) {
        if (selected != known)
            continue;
        state.currentRefrigerant = known;
        try {
            loadRefrigerantTable(state.refrigerant, state.programDir,
                                 refrigerantTableFileName(known));
        } catch (const FileError& error) {
            failure = error.what();
            sink.message(*failure);
        }
        break;
    }
    rebuildCandidateList(state, sink, progress);
    return failure;
}

} // namespace kelvo
