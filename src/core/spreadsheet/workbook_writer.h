#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kelvo
{

// The largest sheet an .xlsx workbook holds.
inline constexpr int kSpreadsheetMaxRows = 1048576;
inline constexpr int kSpreadsheetMaxColumns = 16384;

// One cell of a written sheet; row and column count from 1 (column 1 is A), text is UTF-8.
struct SpreadsheetCell {
    int row = 1;
    int column = 1;
    std::string text;
    bool asText = false;      // written as a string even when the text reads as a number
    bool highlighted = false; // bold on a pale green fill

    friend bool operator==(const SpreadsheetCell&, const SpreadsheetCell&) = default;
};

// Writes the cells to the one sheet of a new .xlsx workbook. A text that parseNumber accepts
// ("," or "." decimals) becomes a number unless the cell is asText, any other a string;
// highlighted cells share one format.
// columnWidths maps a column (from 1) to its width in characters. The file is written beside the
// target and renamed over it at the end, so the target is never left half written. Throws
// SpreadsheetError naming the file and the reason.
void writeWorkbook(const std::filesystem::path& file, const std::vector<SpreadsheetCell>& cells,
                   const std::map<int, double>& columnWidths);

} // namespace kelvo
