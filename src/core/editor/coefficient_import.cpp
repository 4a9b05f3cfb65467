#include "core/editor/coefficient_import.h"

#include <stdexcept>
#include <type_traits>

#include "core/catalogue/catalogue_changes.h"
#include "core/editor/editor_grids.h"
#include "core/spreadsheet/first_row_cells.h"
#include "core/text/code_page.h"
#include "core/text/numeric_text.h"

namespace kelvo
{

std::string spreadsheetFailure(std::string_view why)
{
    return std::string(kNoSpreadsheet) + "\r" + std::string(why);
}

RowEdit importCoefficients(Catalogue& catalogue, int compressor, int set,
                           const std::vector<std::string>& cells)
{
    if (set != 1 && set != 2)
        throw std::invalid_argument("coefficients are imported into set 1 or 2");
    RowEdit edit;
    if (!catalogue.compressors.contains(compressor)) {
        edit.message = outsideTableRefusal(catalogue, EditorGrid::Compressors, compressor);
        return edit;
    }
    if (cells.size() < 10) {
        edit.message = spreadsheetFailure("odczytano " + std::to_string(cells.size()) +
                                          " komórek zamiast dziesięciu (A1 .. J1)");
        return edit;
    }
    // An empty cell, a text (a copied header row, "1 234,5"), an error value or a number
    // beyond the double range is never meant as a coefficient and would only fail later in
    // every calculation; a cell of several lines would also break the message's one line.
    for (std::size_t k = 0; k < 10; ++k) {
        const std::string cell = std::string(1, char('A' + k)) + "1";
        const std::string coefficient = "C" + std::to_string(k);
        if (cells[k].empty()) {
            edit.message =
                spreadsheetFailure("komórka " + cell + " jest pusta (" + coefficient + ")");
            return edit;
        }
        if (cells[k].find_first_of("\r\n") != std::string::npos) {
            edit.message = spreadsheetFailure("komórka " + cell + " (" + coefficient +
                                              ") ma więcej niż jeden wiersz");
            return edit;
        }
        if (!parseNumber(cells[k])) {
            edit.message = spreadsheetFailure("komórka " + cell + " (" + coefficient +
                                              ") nie jest liczbą: " + cells[k].substr(0, 60));
            return edit;
        }
    }
    CompressorRecord record = catalogue.compressors[compressor];
    for (std::size_t k = 0; k < 10; ++k)
        record.coeffSets[static_cast<std::size_t>(set - 1)].c[k] = fromUtf8(cells[k]);
    CatalogueRecorder recorder(catalogue);
    recorder.setRecord(compressor, record);
    edit.done = true;
    edit.index = compressor;
    edit.refill = {EditorGrid::Compressors};
    edit.step = {std::string(set == 1 ? "Qo C0...C9" : "Pe C0...C9") + " – " +
                     std::string(recordNoun(EditorGrid::Compressors)) + " " +
                     std::to_string(compressor),
                 recorder.take()};
    return edit;
}

RowEdit importCoefficientsFromFile(Catalogue& catalogue, int compressor, int set,
                                   const std::filesystem::path& file)
{
    std::vector<std::string> cells;
    try {
        cells = readFirstRowCells(file);
    } catch (const SpreadsheetError& error) {
        RowEdit edit;
        edit.message = spreadsheetFailure(error.what());
        return edit;
    }
    RowEdit edit = importCoefficients(catalogue, compressor, set, cells);
    if (!edit.done && edit.message.rfind(kNoSpreadsheet, 0) == 0)
        edit.message += " – " + file.filename().string();
    return edit;
}

std::optional<std::vector<std::string>> clipboardCoefficients(std::string_view clipboardText)
{
    std::vector<std::string> cells = clipboardCells(clipboardText);
    if (cells.size() < 10)
        return std::nullopt;
    cells.resize(10);
    return cells;
}

} // namespace kelvo
