#include "core/spreadsheet/first_row_cells.h"

#include <algorithm>

#include "core/io/file_io.h"
#include "core/spreadsheet/ods_first_row.h"
#include "core/spreadsheet/workbook_error.h"
#include "core/spreadsheet/xlsx_first_row.h"
#include "core/spreadsheet/zip_archive.h"

namespace kelvo
{

std::vector<std::string> readFirstRowCells(const std::filesystem::path& file, int count)
{
    const std::string extension = workbook::lowerAscii(file.extension().string());
    const std::size_t cellCount = static_cast<std::size_t>(std::max(count, 0));
    std::error_code error;
    if (const std::string kind = notARegularFile(file); !kind.empty())
        throw SpreadsheetError("plik " + file.string() + " nie jest zwykłym plikiem (" + kind +
                               ")");
    if (!std::filesystem::is_regular_file(file, error))
        throw SpreadsheetError("plik " + file.string() + " nie istnieje");
    if (std::filesystem::file_size(file, error) > kSpreadsheetLimit)
        throw SpreadsheetError("plik " + file.string() + " jest większy niż " +
                               std::to_string(kSpreadsheetLimit / kMegabyte) + " MB");
    if (extension != ".csv" && extension != ".xlsx" && extension != ".ods")
        throw SpreadsheetError("plik " + file.string() +
                               " nie jest arkuszem .xlsx, .ods ani plikiem .csv");
    std::string bytes;
    try {
        bytes = readWholeFile(file, kSpreadsheetLimit);
    } catch (const std::exception& e) {
        throw SpreadsheetError("nie można odczytać pliku " + file.string() + ": " + e.what());
    }
    std::vector<std::string> cells;
    if (extension == ".csv") {
        cells = csvFirstRowCells(bytes);
    } else {
        const std::string unreadable =
            "plik " + file.string() + " nie jest arkuszem, który program umie odczytać";
        try {
            const workbook::ZipArchive zip(std::move(bytes));
            cells = extension == ".ods" ? workbook::odsFirstRow(zip, cellCount)
                                        : workbook::xlsxFirstRow(zip, cellCount);
        } catch (const workbook::Unreadable& why) {
            throw SpreadsheetError(unreadable + ": " + why.what());
        } catch (const std::exception&) {
            // Out of memory or the like: what the library says means nothing to the user.
            throw SpreadsheetError(unreadable);
        }
    }
    cells.resize(cellCount);
    return cells;
}

} // namespace kelvo
