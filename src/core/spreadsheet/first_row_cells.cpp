#include "core/spreadsheet/first_row_cells.h"

#include <algorithm>
#include <cctype>
#include <ixion/address.hpp>
#include <ixion/cell_access.hpp>
#include <ixion/model_context.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>

#include "core/io/file_io.h"
#include "core/spreadsheet/classic_locale.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

std::string_view firstLine(std::string_view text)
{
    const auto end = text.find_first_of("\r\n");
    return end == std::string_view::npos ? text : text.substr(0, end);
}

std::string lowerExtension(const std::filesystem::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::vector<std::string> workbookCells(const std::filesystem::path& file, bool ods, int count)
{
    const ClassicLocaleOnThisThread classicLocale;
    orcus::spreadsheet::document document{{1048576, 16384}};
    orcus::spreadsheet::import_factory factory{document};
    try {
        if (ods) {
            orcus::orcus_ods reader(&factory);
            reader.read_file(file.string());
        } else {
            orcus::orcus_xlsx reader(&factory);
            reader.read_file(file.string());
        }
    } catch (const std::exception& error) {
        throw SpreadsheetError("nie można odczytać arkusza: " + std::string(error.what()));
    }
    if (document.get_sheet_count() == 0)
        throw SpreadsheetError("plik nie zawiera arkusza");
    // A formula cell without a stored result makes the reader throw while the cell is read.
    std::vector<std::string> cells;
    try {
        const ixion::model_context& model = document.get_model_context();
        for (int column = 0; column < count; ++column) {
            const auto access = model.get_cell_access(ixion::abs_address_t(0, 0, column));
            switch (access.get_value_type()) {
            case ixion::cell_value_t::numeric:
                cells.push_back(formatNumber(access.get_numeric_value(), ','));
                break;
            case ixion::cell_value_t::string:
                cells.emplace_back(access.get_string_value());
                break;
            case ixion::cell_value_t::boolean:
                cells.emplace_back(access.get_boolean_value() ? "1" : "0");
                break;
            default:
                cells.emplace_back();
                break;
            }
        }
    } catch (const std::exception& error) {
        throw SpreadsheetError("nie można odczytać komórek A1 .. J1: " + std::string(error.what()));
    }
    return cells;
}

} // namespace

std::vector<std::string> clipboardCells(std::string_view text)
{
    const std::string_view line = firstLine(text);
    std::vector<std::string> cells;
    if (line.empty())
        return cells;
    std::size_t start = 0;
    while (true) {
        const auto tab = line.find('\t', start);
        cells.emplace_back(
            line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    return cells;
}

std::vector<std::string> csvFirstRowCells(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    // The separator: ";" when the first record (outside quotes) holds one, else ",".
    char separator = ',';
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ';') {
            separator = ';';
            break;
        }
    }
    std::vector<std::string> cells;
    std::string cell;
    quoted = false;
    bool any = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        any = true;
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            cells.push_back(std::move(cell));
            cell.clear();
        } else if (c == '\r' || c == '\n') {
            break;
        } else {
            cell += c;
        }
    }
    if (any)
        cells.push_back(std::move(cell));
    return cells;
}

std::vector<std::string> readFirstRowCells(const std::filesystem::path& file, int count)
{
    const std::string extension = lowerExtension(file);
    std::error_code error;
    if (const std::string kind = notARegularFile(file); !kind.empty())
        throw SpreadsheetError("plik " + file.string() + " nie jest zwykłym plikiem (" + kind +
                               ")");
    if (!std::filesystem::is_regular_file(file, error))
        throw SpreadsheetError("plik " + file.string() + " nie istnieje");
    if (std::filesystem::file_size(file, error) > kSpreadsheetLimit)
        throw SpreadsheetError("plik " + file.string() + " jest większy niż " +
                               std::to_string(kSpreadsheetLimit / kMegabyte) + " MB");
    std::vector<std::string> cells;
    if (extension == ".csv") {
        try {
            cells = csvFirstRowCells(readWholeFile(file, kSpreadsheetLimit));
        } catch (const std::exception& e) {
            throw SpreadsheetError("nie można odczytać pliku " + file.string() + ": " + e.what());
        }
    } else if (extension == ".xlsx" || extension == ".ods") {
        cells = workbookCells(file, extension == ".ods", count);
    } else {
        throw SpreadsheetError("plik " + file.string() +
                               " nie jest arkuszem .xlsx, .ods ani plikiem .csv");
    }
    cells.resize(static_cast<std::size_t>(count));
    return cells;
}

} // namespace kelvo
