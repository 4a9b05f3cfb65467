#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvo::cli
{

// Prints UTF-8 rows as columns padded to their widest cell (in characters), two spaces apart.
// Columns whose flag in rightAligned is true are aligned to the right; trailing blanks are
// dropped.
void printTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                const std::vector<bool>& rightAligned);

// A text for a one-line display: line breaks become blanks.
std::string oneLine(std::string text);

} // namespace kelvo::cli
