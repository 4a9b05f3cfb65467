#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/editor/row_operations.h"

namespace kelvo
{

struct ApplicationState;

// "Dane" / "Qo C0...C9 - (Excel A1...J1)" and "Pe C0...C9 - (Excel A1...J1)": ten cells
// (UTF-8, from the clipboard or a spreadsheet file) become coefficients C0 .. C9 of the
// capacity (set 1) or power (set 2) polynomial, cut to 50 characters; the multiplier and the
// tag stay as they are.
inline constexpr std::string_view kNoSpreadsheet = "Brak połączenia z MsExcel";

// The message when no cells could be read: kNoSpreadsheet, a carriage return, and why.
std::string spreadsheetFailure(std::string_view why);

// Fewer than ten cells change nothing and say so.
RowEdit importCoefficients(Catalogue& catalogue, int compressor, int set,
                           const std::vector<std::string>& cells);

// The same on the compressor grid's current row, recorded in the history, the grid refilled.
// Without a current row nothing happens (done false, no message).
RowEdit importCoefficientsToCurrent(ApplicationState& state, int set,
                                    const std::vector<std::string>& cells);

} // namespace kelvo
