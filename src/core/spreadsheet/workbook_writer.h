#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/spreadsheet/first_row_cells.h"

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

// Why a workbook could not be written. The program's own reasons are told in the user's
// language by the caller; Platform and Internal carry a text (English, as platform reasons are).
enum class WorkbookProblem { NoMemory, CellTooLong, TemporaryFile, Library, Platform, Internal };
struct WorkbookFailure {
    WorkbookProblem problem = WorkbookProblem::Internal;
    std::string detail; // Library: the library's error number; Platform, Internal: the reason
};

// A workbook that was not written; what() says so in English.
class WorkbookWriteError : public SpreadsheetError
{
  public:
    WorkbookWriteError(std::filesystem::path file, WorkbookFailure failure);
    [[nodiscard]] const std::filesystem::path& file() const { return file_; }
    [[nodiscard]] const WorkbookFailure& failure() const { return failure_; }

  private:
    std::filesystem::path file_;
    WorkbookFailure failure_;
};

// The reason in English.
std::string workbookFailureText(const WorkbookFailure& failure);

// Writes the cells to the one sheet of a new .xlsx workbook. A text that parseNumber accepts
// ("," or "." decimals) becomes a number unless the cell is asText, any other a string;
// highlighted cells share one format.
// columnWidths maps a column (from 1) to its width in characters. The file is written beside the
// target and renamed over it at the end, so the target is never left half written. Throws
// WorkbookWriteError naming the file and the reason.
void writeWorkbook(const std::filesystem::path& file, const std::vector<SpreadsheetCell>& cells,
                   const std::map<int, double>& columnWidths);

} // namespace kelvo
