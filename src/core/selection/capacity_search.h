#pragma once

#include <optional>
#include <string_view>

namespace kelvo
{

struct CandidateList;

// The row (1 ..) that best matches the required capacity in W, or nullopt for "change
// nothing" (empty or non-numeric text, no evaluated row). Walks the rows sorted by capacity to
// the first one reaching Q and takes the one before it instead when its shortfall ratio Q/x is
// not above the excess ratio q/Q of the larger one. All rows below Q: the last evaluated row.
// Rows without figures are skipped; a predecessor showing 0 W (or less) is never taken.
std::optional<int> searchByCapacity(const CandidateList& list, std::string_view required);

} // namespace kelvo
