#pragma once

#include <string_view>

#include "core/catalogue/catalogue.h"

namespace kelvo
{

struct SelectionState;

// The family and filter tests of the candidate list. A BASE unit is considered when the BASE
// family is chosen and needs its brand (with the refrigerant), kind and version ticked; a BOX
// unit likewise but whatever its version; the unit's refrigerant must be `refrigerant`; any other
// housing never passes. Every comparison is exact (case, length, no trimming). `compressor` is the
// unit's compressor index, 0 when its link found none, which fails the brand test.
bool passesFamilyAndFilters(const SelectionState& selection, std::string_view refrigerant,
                            const CondensingUnitRecord& unit, const Catalogue& catalogue,
                            int compressor);

} // namespace kelvo
