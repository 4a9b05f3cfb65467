#pragma once

#include <optional>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/performance/physical_ranges.h"

namespace kelvo
{

// "Value outside its physical range: compressor count '-1' (>= 1)" in `language`, as the
// selection's texts hold it (Windows-1250).
std::string impossibleValueText(const ImpossibleValue& value, int language);

// The first value a unit reads of its compressor `compressor` and condenser `condenser` (0 for
// none) that cannot be.
std::optional<ImpossibleValue> impossibleLinkedValue(const Catalogue& catalogue, int compressor,
                                                     int condenser);

// Why unit `unitIndex` gets no figures because a value its evaluation reads (its own, its
// compressor's `compressor`, its condenser's `condenser`; 0 for none) cannot be; nullopt when
// all of them can. `evaporatingRangeOnly` looks at the unit's toMin and toMax alone.
std::optional<std::string> impossibleValueReason(const Catalogue& catalogue, int unitIndex,
                                                 int compressor, int condenser, int language,
                                                 bool evaporatingRangeOnly = false);

} // namespace kelvo
