#include "core/editor/editor_grids.h"

#include "core/catalogue/lookups.h"
#include "core/text/numeric_text.h"

namespace kelvo
{

int EditorGridView::rowCount() const
{
    return rows.empty() ? 2 : static_cast<int>(rows.size()) + 1;
}

std::optional<int> EditorGridView::indexAtRow(int row) const
{
    if (row < 1 || row > static_cast<int>(rows.size()))
        return std::nullopt;
    return rows[static_cast<std::size_t>(row - 1)].index;
}

std::optional<int> EditorGridView::currentIndex() const
{
    return indexAtRow(currentRow);
}

std::string_view gridIndexCaption()
{
    return "Poz.";
}

std::string_view gridNameCaption(EditorGrid grid)
{
    switch (grid) {
    case EditorGrid::Compressors:
        return "Typ sprężarki";
    case EditorGrid::Condensers:
        return "Typ skraplacza";
    case EditorGrid::Units:
        return "Nazwa agregatu";
    case EditorGrid::Frames:
        break;
    }
    return "Nazwa ramy";
}

std::vector<GridRow> gridRows(EditorGrid grid, const Catalogue& catalogue,
                              const EditorFilters& filters, std::string_view refrigerant,
                              const RefrigerantRegistry& refrigerants)
{
    std::vector<GridRow> rows;
    const auto add = [&rows](int index, std::string_view name) {
        rows.push_back({index, std::string(name)});
    };
    switch (grid) {
    case EditorGrid::Compressors:
        for (int i = 1; i <= catalogue.compressors.count(); ++i)
            if (listsCompressor(catalogue.compressors[i], filters, refrigerant, refrigerants))
                add(i, catalogue.compressors[i].model.view());
        break;
    case EditorGrid::Condensers:
        for (int i = 1; i <= catalogue.condensers.count(); ++i)
            if (listsCondenser(catalogue.condensers[i], refrigerant))
                add(i, catalogue.condensers[i].model.view());
        break;
    case EditorGrid::Units:
        for (int i = 1; i <= catalogue.units.count(); ++i) {
            const CondensingUnitRecord& unit = catalogue.units[i];
            // With ALL ticked the compressor plays no part, so it is not looked up.
            const int compressor = filters.unitAll ? 0 : findCompressorOfUnit(catalogue, i);
            if (listsUnit(unit, catalogue.compressors[compressor], filters, refrigerant,
                          refrigerants))
                add(i, unit.name.view());
        }
        break;
    case EditorGrid::Frames:
        for (int i = 1; i <= catalogue.frames.count(); ++i)
            if (listsFrame(catalogue.frames[i], filters))
                add(i, catalogue.frames[i].name.view());
        break;
    }
    return rows;
}

GridCursor cursorAfterRefill(GridCursor before, int rowCountBefore, int rowCountAfter)
{
    if (before.row <= 1)
        return before;
    const int remembered = before.row == rowCountBefore - 1 ? before.row - 1 : before.row;
    if (remembered < rowCountAfter)
        return {remembered, before.column};
    return {0, before.column};
}

int gridColumnWidth(int widestText)
{
    return static_cast<int>(roundHalfEven(1.7 * widestText));
}

} // namespace kelvo
