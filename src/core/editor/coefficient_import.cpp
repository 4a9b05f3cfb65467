#include "core/editor/coefficient_import.h"

#include <stdexcept>

#include "core/app/application_state.h"
#include "core/editor/catalogue_changes.h"
#include "core/editor/editor_grids.h"
#include "core/text/code_page.h"

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
        edit.message = std::string(kActionCancelled);
        return edit;
    }
    if (cells.size() < 10) {
        edit.message = spreadsheetFailure("odczytano " + std::to_string(cells.size()) +
                                          " komórek zamiast dziesięciu (A1 .. J1)");
        return edit;
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

RowEdit importCoefficientsToCurrent(ApplicationState& state, int set,
                                    const std::vector<std::string>& cells)
{
    const auto current = state.editor.grid(EditorGrid::Compressors).currentIndex();
    if (!current)
        return {};
    RowEdit edit = importCoefficients(state.catalogue, *current, set, cells);
    if (edit.done) {
        state.editor.history.record(edit.step);
        refillGrid(state, EditorGrid::Compressors);
    }
    return edit;
}

} // namespace kelvo
