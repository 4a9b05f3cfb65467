#pragma once

#include "core/editor/editor_filters.h"

namespace kelvo
{

struct ApplicationState;

// Makes record `index` of the table the current row of its grid, for a line of the error list
// that names it. When the grid's filters hide the record, the grid's "ALL" box is ticked (for
// frames both housing boxes) and the grid refilled. Nothing is displayed or calculated.
// False when the record is not listed even then (another refrigerant) or does not exist.
bool selectRecordInGrid(ApplicationState& state, EditorGrid table, int index);

} // namespace kelvo
