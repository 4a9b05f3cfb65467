#pragma once

#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/editor/editor_filters.h"
#include "core/performance/physical_ranges.h"
#include "core/refrigerant/refrigerant_registry.h"

namespace kelvo
{

// One line of the error list (UTF-8) and the table row it names, so that the list can lead
// back to it; index 0 when the line names no row.
struct CheckLine {
    std::string text;
    EditorGrid table = EditorGrid::Units;
    int index = 0;
};

// "Sprawdź błędy" of the three menus: what would make the selection or the calculation go
// wrong, one numbered block per failed test for units, one line per finding for compressors
// and condensers. Numbers are converted as everywhere in the program, so "-10.5" and "-10,5"
// are both numbers.
// "Wartość spoza zakresu fizycznego: ilość sprężarek '-1' (>= 1)" (UTF-8), as the editor's
// checks and record editors say it.
std::string impossibleValueLine(const ImpossibleValue& value);

std::vector<CheckLine> checkUnits(const Catalogue& catalogue,
                                  const RefrigerantRegistry& refrigerants);
std::vector<CheckLine> checkCompressors(const Catalogue& catalogue,
                                        const RefrigerantRegistry& refrigerants);
std::vector<CheckLine> checkCondensers(const Catalogue& catalogue,
                                       const RefrigerantRegistry& refrigerants);

} // namespace kelvo
