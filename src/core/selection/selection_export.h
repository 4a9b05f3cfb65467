#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/spreadsheet/workbook_writer.h"
#include "core/text/display_units.h"

namespace kelvo
{

class SelectionSession;
struct UnitDetails;

// What the selection exports to a spreadsheet, as one sheet of cells: the inputs; the
// candidate list (one unit per row, the export's columns of kCandidateColumns) when `withList`;
// and, when `details` is given, that unit's operating range one point per row (to, ambient, Qo [W],
// Pe [kW], tk [C], envelope, mark, reason). Figures are numbers, the marks and reasons texts of
// their own columns; texts are UTF-8. In inch-pound units every figure and header is the SI one
// as the window shows it converted.
std::vector<SpreadsheetCell> selectionExportCells(const SelectionSession& session, bool withList,
                                                  const UnitDetails* details,
                                                  UnitSystem system = UnitSystem::Si);

// The cells as CSV text the way spreadsheets of a decimal-comma locale open it: UTF-8 with a
// byte order mark, ";" between cells, "," as the decimal separator of numbers, CR LF line ends,
// cells holding ";", quotes or line breaks in double quotes.
std::string selectionExportCsv(const std::vector<SpreadsheetCell>& cells);

enum class ExportFormat { Xlsx, Csv };

// Writes the cells in the format given. Never leaves a half-written file; throws
// SpreadsheetError or FileError naming the file.
void writeSelectionExport(const std::filesystem::path& file,
                          const std::vector<SpreadsheetCell>& cells, ExportFormat format);

// "cannot write the workbook FILE: reason" in `language` (UTF-8); a platform's reason stays as
// the platform gives it.
std::string workbookErrorText(const WorkbookWriteError& error, int language);
// The same for any spreadsheet error: a workbook's in `language`, another as it says itself.
std::string spreadsheetErrorText(const SpreadsheetError& error, int language);

} // namespace kelvo
