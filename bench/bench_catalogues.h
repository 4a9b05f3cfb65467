#pragma once

#include <memory>

#include "core/app/application_state.h"
#include "core/selection/selection_state.h"

namespace kelvo::bench
{

// The sample catalogue with its units repeated up to the table's 800, R404A loaded, every
// filter ticked, to 0 C and ambient 32 C.
std::unique_ptr<ApplicationState> fullCatalogue(UnitFamily family);

// 800 units that all pass the filters and are all evaluated at to -10 C, ambient 32 C: the
// sample's R404A BOX units listed there, repeated up to the table's capacity.
std::unique_ptr<ApplicationState> eightHundredListedUnits();

} // namespace kelvo::bench
