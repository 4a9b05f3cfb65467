#include "core/selection/capacity_search.h"

#include "core/selection/candidate_list.h"
#include "core/text/numeric_text.h"

namespace kelvo
{

std::optional<int> searchByCapacity(const CandidateList& list, std::string_view required)
{
    const auto parsed = parseNumber(required);
    const int last = list.evaluatedCount;
    if (!parsed || last < 1)
        return std::nullopt;
    const double Q = *parsed;
    int r = 1;
    while (r < last && list.row(r)->capacityW < Q)
        ++r;
    const double q = list.row(r)->capacityW;
    if (q < Q || r == 1)
        return r; // past the end: the largest; or the first row already reaches Q
    const double x = list.row(r - 1)->capacityW;
    if (x <= 0)
        return r; // no ratio against nothing
    // Q > x > 0 here, so neither ratio divides by zero.
    return q / Q >= Q / x ? r - 1 : r;
}

} // namespace kelvo
