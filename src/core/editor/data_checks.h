#pragma once

#include <vector>

#include "core/editor/consistency_checks.h"

namespace kelvo
{

// "Sprawdź dane": findings the three error checks do not look for, one line each naming the
// table, the row and the value found:
//  - identifiers used twice within a table;
//  - unit links to an identifier that no record has ("0" means not linked and is not listed);
//  - a unit's evaporating range reaching outside the "to" range of its compressor's envelope 1;
//  - a compressor whose power coefficients equal its capacity coefficients;
//  - a capacity or power that is 0, negative or not finite at a point of envelope 1, and a
//    COP (capacity / power) below 0.5 or above 15 there (the first such point per compressor);
//  - a condenser whose two-point line gives no positive capacity at 15 K;
//  - a multiplier text that is no number (the calculation silently takes 1 for it);
//  - every other field the program reads as a number whose text would not convert (the
//    identifiers as whole numbers); an empty one only where it is read all the same (a unit's
//    "to" range and counts, the suction state and subcooling a compressor or unit uses, the
//    identifiers), since elsewhere empty means not given.
std::vector<CheckLine> checkData(const Catalogue& catalogue);

// The lines of checkData for the menu of one table: its own lines; the unit menu's also
// take the frames' lines (frames have no menu of checks).
std::vector<CheckLine> checkDataOf(const Catalogue& catalogue, EditorGrid menu);

} // namespace kelvo
