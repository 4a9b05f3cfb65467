#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor/row_operations.h"

namespace kelvo
{

// "Dane" / "Qo C0...C9 - (Excel A1...J1)" and "Pe C0...C9 - (Excel A1...J1)": ten cells
// (UTF-8, from the clipboard or a spreadsheet file) become coefficients C0 .. C9 of the
// capacity (set 1) or power (set 2) polynomial, cut to 50 characters; the multiplier and the
// tag stay as they are.
inline constexpr std::string_view kNoSpreadsheet = "Brak połączenia z MsExcel";

// The message when no cells could be read: kNoSpreadsheet, a carriage return, and why.
std::string spreadsheetFailure(std::string_view why);

// Fewer than ten cells, or an empty one, one of several lines or one that parseNumber does not
// take among them, change nothing and say so, naming the cell.
RowEdit importCoefficients(Catalogue& catalogue, int compressor, int set,
                           const std::vector<std::string>& cells);

// The same with A1 .. J1 of an .xlsx, .ods or .csv file; a file that cannot be read changes
// nothing and the message names it and says why.
RowEdit importCoefficientsFromFile(Catalogue& catalogue, int compressor, int set,
                                   const std::filesystem::path& file);

// The ten cells copied to the clipboard (tab-separated text), or nullopt when its first line
// holds fewer than ten.
std::optional<std::vector<std::string>> clipboardCoefficients(std::string_view clipboardText);

// The compressor grid's current row and the import into it: RowCommandRunner.

} // namespace kelvo
