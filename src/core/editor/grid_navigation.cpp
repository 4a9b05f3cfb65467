#include "core/editor/grid_navigation.h"

#include "core/app/application_state.h"
#include "core/catalogue/catalogue_tables.h"
#include "core/editor/editor_grids.h"

namespace kelvo
{
namespace
{

int rowOf(const EditorGridView& grid, int index)
{
    for (std::size_t r = 0; r < grid.rows.size(); ++r)
        if (grid.rows[r].index == index)
            return static_cast<int>(r) + 1;
    return 0;
}

void showEverything(EditorFilters& filters, EditorGrid table)
{
    switch (table) {
    case EditorGrid::Compressors:
        filters.compressorAll = true;
        break;
    case EditorGrid::Condensers:
        filters.condenserAll = true;
        break;
    case EditorGrid::Units:
        filters.unitAll = true;
        break;
    case EditorGrid::Frames:
        filters.frameHousings = {true, true};
        break;
    }
}

} // namespace

bool selectRecordInGrid(ApplicationState& state, EditorGrid table, int index)
{
    if (index < 1 || index > tableCount(state.catalogue, table))
        return false;
    EditorGridView& grid = state.editor.grid(table);
    int row = rowOf(grid, index);
    if (row == 0) {
        showEverything(state.editor.filters, table);
        refillGrid(state, table);
        row = rowOf(grid, index);
    }
    if (row == 0)
        return false;
    grid.currentRow = row;
    grid.currentColumn = 0;
    return true;
}

} // namespace kelvo
