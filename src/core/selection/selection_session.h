#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/selection/candidate_list.h"
#include "core/selection/selection_state.h"

namespace kelvo
{

struct ApplicationState;
class MessageSink;

// Opening the selection screen for a family: reloads the catalogue from state.programDir
// (throws CatalogueFileError, leaving the selection as it was), resets the selection to its
// defaults and changes to the default refrigerant, which builds the (empty: no filter is
// ticked yet) list.
void openSelection(ApplicationState& state, UnitFamily family, MessageSink& sink,
                   const ProgressCallback& progress = {});

// The refrigerant choice: one of the four known refrigerants becomes currentRefrigerant and its
// property table is loaded; then the list is rebuilt. Any other name changes nothing and is
// returned as the failure. Returns the failure of the table load (also sent to the sink); the list
// is rebuilt either way, its units then marked as not evaluated.
std::optional<std::string> changeRefrigerant(ApplicationState& state, std::string_view name,
                                             MessageSink& sink,
                                             const ProgressCallback& progress = {});

} // namespace kelvo
