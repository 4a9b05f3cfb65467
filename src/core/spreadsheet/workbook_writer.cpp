#include "core/spreadsheet/workbook_writer.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <unistd.h>
#include <xlsxwriter.h>

#include "core/io/file_io.h"
#include "core/spreadsheet/classic_locale.h"
#include "core/spreadsheet/first_row_cells.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

bool insideSheet(int row, int column)
{
    return row >= 1 && row <= kSpreadsheetMaxRows && column >= 1 &&
           column <= kSpreadsheetMaxColumns;
}

std::optional<std::string> writeCell(lxw_worksheet* sheet, const SpreadsheetCell& cell)
{
    if (!insideSheet(cell.row, cell.column))
        return "komórka poza arkuszem (wiersz " + std::to_string(cell.row) + ", kolumna " +
               std::to_string(cell.column) + ")";
    const auto row = static_cast<lxw_row_t>(cell.row - 1);
    const auto column = static_cast<lxw_col_t>(cell.column - 1);
    const std::optional<double> number = cell.asText ? std::nullopt : parseNumber(cell.text);
    const lxw_error error =
        number ? worksheet_write_number(sheet, row, column, *number, nullptr)
               : worksheet_write_string(sheet, row, column, cell.text.c_str(), nullptr);
    if (error != LXW_NO_ERROR)
        return std::string(lxw_strerror(error));
    return std::nullopt;
}

std::optional<std::string> setWidth(lxw_worksheet* sheet, int column, double width)
{
    if (!insideSheet(1, column))
        return "kolumna " + std::to_string(column) + " poza arkuszem";
    const auto index = static_cast<lxw_col_t>(column - 1);
    const lxw_error error = worksheet_set_column(sheet, index, index, width, nullptr);
    if (error != LXW_NO_ERROR)
        return std::string(lxw_strerror(error));
    return std::nullopt;
}

// Fills the sheet; the first failure's reason, or nothing.
std::optional<std::string> fillSheet(lxw_worksheet* sheet,
                                     const std::vector<SpreadsheetCell>& cells,
                                     const std::map<int, double>& columnWidths)
{
    for (const auto& [column, width] : columnWidths)
        if (auto failure = setWidth(sheet, column, width))
            return failure;
    for (const SpreadsheetCell& cell : cells)
        if (auto failure = writeCell(sheet, cell))
            return failure;
    return std::nullopt;
}

// Writes the whole workbook to `temporary`; the reason it failed, or nothing.
std::optional<std::string> writeTemporary(const std::filesystem::path& temporary,
                                          const std::vector<SpreadsheetCell>& cells,
                                          const std::map<int, double>& columnWidths)
{
    // The library prints numbers with the process locale.
    const ClassicLocaleOnThisThread classicLocale;
    lxw_workbook* workbook = workbook_new(temporary.c_str());
    if (!workbook)
        return std::string("nie można utworzyć skoroszytu");
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    std::optional<std::string> failure =
        sheet ? fillSheet(sheet, cells, columnWidths)
              : std::optional<std::string>("nie można dodać arkusza");
    // Closing also frees the workbook, so it runs even after a failure.
    const lxw_error closed = workbook_close(workbook);
    if (!failure && closed != LXW_NO_ERROR)
        failure = std::string(lxw_strerror(closed));
    return failure;
}

// The library reports a file it cannot create on stderr; creating it first gives the reason
// to the caller instead.
std::optional<std::string> createEmpty(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return platformErrorText(errno);
    ::close(fd);
    return std::nullopt;
}

} // namespace

void writeWorkbook(const std::filesystem::path& file, const std::vector<SpreadsheetCell>& cells,
                   const std::map<int, double>& columnWidths)
{
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    std::optional<std::string> failure = createEmpty(temporary);
    if (!failure)
        failure = writeTemporary(temporary, cells, columnWidths);
    if (!failure && std::rename(temporary.c_str(), file.c_str()) != 0)
        failure = platformErrorText(errno);
    if (failure) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw SpreadsheetError("nie można zapisać arkusza " + file.string() + ": " + *failure);
    }
}

} // namespace kelvo
