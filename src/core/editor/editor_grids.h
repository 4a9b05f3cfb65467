#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/editor/editor_filters.h"
#include "core/refrigerant/refrigerant_registry.h"

namespace kelvo
{

// One data row of an editor grid: the record's table index (column 0, "Poz.") and its name
// field (column 1) as the record holds it (Windows-1250 bytes).
struct GridRow {
    int index = 0;
    std::string name;
};

// What a grid shows and where its cursor is. Grid rows are counted as the window counts them:
// row 0 is the header, data row r is rows[r - 1]. An empty list still shows one blank data
// row (row 1), so rowCount() is at least 2.
struct EditorGridView {
    std::vector<GridRow> rows;
    int currentRow = 1;    // 0: no current row
    int currentColumn = 0; // 0 or 1

    [[nodiscard]] int rowCount() const;
    // Table index shown in the current row; nullopt for the blank row or no current row.
    [[nodiscard]] std::optional<int> currentIndex() const;
    // Table index shown in grid row `row`; nullopt for the blank row and rows outside the grid.
    [[nodiscard]] std::optional<int> indexAtRow(int row) const;
};

// Header texts (UTF-8) of a grid: "Poz." and the name column's caption.
std::string_view gridIndexCaption();
std::string_view gridNameCaption(EditorGrid grid);

// The rows a grid lists: every record 1 .. count that passes the grid's filter, in table order.
std::vector<GridRow> gridRows(EditorGrid grid, const Catalogue& catalogue,
                              const EditorFilters& filters, std::string_view refrigerant,
                              const RefrigerantRegistry& refrigerants);

// Where the cursor goes after a refill. A current row above 1 is remembered (the last row as
// the row above it) with its column and comes back when the refilled grid still has it; when
// it does not, no row is current. A current row of 1 or none stays as it is.
struct GridCursor {
    int row = 1;
    int column = 0;
};
GridCursor cursorAfterRefill(GridCursor before, int rowCountBefore, int rowCountAfter);

// Width of a grid column whose widest text measures `widestText` pixels: 1.7 x that, rounded
// half to even.
int gridColumnWidth(int widestText);

} // namespace kelvo
