#include "core/selection/selection_state.h"

#include "core/text/numeric_text.h"

namespace kelvo
{

SelectionState initialSelection(UnitFamily family)
{
    SelectionState selection;
    selection.familyIsBase = family == UnitFamily::Base;
    selection.familyIsBox = family == UnitFamily::Box;
    selection.unitFamily = selection.familyIsBase ? kBaseFamily : kBoxFamily;
    return selection;
}

void tickAllFilters(SelectionInputs& inputs)
{
    inputs.kinds.fill(true);
    inputs.brands.fill(true);
    inputs.versions.fill(true);
}

} // namespace kelvo
