#pragma once

#include "core/selection/unit_details.h"
#include "core/text/display_units.h"

namespace kelvo
{

// The figures of the details as `system` shows them, for display only: every temperature,
// capacity and pressure text converted from the figure shown in SI (figureTextIn), the numbers
// beside them likewise, the unit labels of the tables renamed. Power stays in kW. Texts with no
// quantity (models, marks, reasons, dimensions in mm) are unchanged. Nothing computed from the
// copy may go back into the calculation, which stays SI.
RangeTables rangeTablesIn(const RangeTables& range, UnitSystem system, char separator);
UnitDetails unitDetailsIn(const UnitDetails& details, UnitSystem system, char separator);

} // namespace kelvo
