#include "core/editor/editor_listing.h"

#include "core/catalogue/catalogue_tables.h"
#include "core/workspace/workspace.h"

namespace kelvo
{
namespace
{

constexpr EditorGrid kEveryGrid[] = {EditorGrid::Compressors, EditorGrid::Condensers,
                                     EditorGrid::Units, EditorGrid::Frames};
constexpr const char* kOpeningRefrigerant = "R404A";

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

void EditorListing::reset()
{
    filters_ = EditorFilters{};
    grids_ = {};
    tickedRefrigerant_ = kOpeningRefrigerant;
}

void EditorListing::useRefrigerant(std::string_view name)
{
    tickedRefrigerant_ = std::string(name);
    refrigerant_ = std::string(name);
}

std::optional<PairRows> currentPair(const HighlightedRecords& records)
{
    const auto compressor = records.currentIndex(EditorGrid::Compressors);
    const auto condenser = records.currentIndex(EditorGrid::Condensers);
    if (!compressor || !condenser)
        return std::nullopt;
    return PairRows{*compressor, *condenser};
}

std::optional<EditorListing::FilterClick> EditorListing::setFilter(std::size_t box, bool ticked)
{
    const auto boxes = editorFilterBoxes();
    if (box >= boxes.size())
        return std::nullopt;
    bool* tick = findEditorFilterTick(filters_, boxes[box].option->objectName);
    if (!tick)
        return std::nullopt;
    *tick = ticked;
    FilterClick click{boxes[box].refills};
    std::array<std::optional<int>, kEditorGridCount> shownBefore;
    for (const EditorGrid g : kEveryGrid)
        shownBefore[static_cast<std::size_t>(g)] = grid(g).currentIndex();
    refillFollowing(click.grid, nullptr);
    click.refilled[static_cast<std::size_t>(click.grid)] = true;
    // A unit is listed by its compressor's brand and kind as well.
    if (click.grid == EditorGrid::Compressors) {
        refillFollowing(EditorGrid::Units, nullptr);
        click.refilled[static_cast<std::size_t>(EditorGrid::Units)] = true;
    }
    for (const EditorGrid g : kEveryGrid)
        click.highlightMoved = click.highlightMoved ||
                               shownBefore[static_cast<std::size_t>(g)] != grid(g).currentIndex();
    return click;
}

GridSet EditorListing::follow(const WorkspaceChange& change)
{
    GridSet refilled{};
    for (const EditorGrid g : kEveryGrid)
        if (change.touches(g) ||
            (g == EditorGrid::Units && change.touches(EditorGrid::Compressors))) {
            refillFollowing(g, &change);
            refilled[static_cast<std::size_t>(g)] = true;
        }
    return refilled;
}

void EditorListing::refillAll()
{
    for (const EditorGrid g : kEveryGrid)
        refillFollowing(g, nullptr);
}

void EditorListing::setCursor(EditorGrid which, int row, int column)
{
    EditorGridView& shown = view(which);
    shown.currentRow = row;
    shown.currentColumn = column;
}

std::optional<int> EditorListing::selectRowOfIndex(EditorGrid which, int index)
{
    EditorGridView& shown = view(which);
    std::optional<int> found;
    for (std::size_t r = 0; r < shown.rows.size(); ++r)
        if (shown.rows[r].index == index)
            found = static_cast<int>(r) + 1;
    if (found)
        shown.currentRow = *found;
    return found;
}

int EditorListing::revealRecord(EditorGrid table, int index, bool& widened)
{
    widened = false;
    int row = rowOf(grid(table), index);
    if (row == 0) {
        showEverything(filters_, table);
        refill(table);
        widened = true;
        row = rowOf(grid(table), index);
    }
    return row;
}

void EditorListing::refill(EditorGrid which)
{
    EditorGridView& shown = view(which);
    const int rowCountBefore = shown.rowCount();
    shown.rows =
        gridRows(which, workspace_.catalogue(), filters_, refrigerant_, workspace_.refrigerants());
    const GridCursor cursor = cursorAfterRefill({shown.currentRow, shown.currentColumn},
                                                rowCountBefore, shown.rowCount());
    shown.currentRow = cursor.row;
    shown.currentColumn = cursor.column;
}

void EditorListing::refillFollowing(EditorGrid which, const WorkspaceChange* change)
{
    EditorGridView& shown = view(which);
    const std::optional<int> record = shown.currentIndex();
    if (!record) {
        refill(which);
        return;
    }
    const int count = tableCount(workspace_.catalogue(), which);
    const std::optional<int> now =
        change ? change->slotAfter(which, *record, count)
               : (*record <= count ? std::optional<int>(*record) : std::nullopt);
    shown.rows =
        gridRows(which, workspace_.catalogue(), filters_, refrigerant_, workspace_.refrigerants());
    shown.currentRow = 0;
    if (now)
        for (std::size_t r = 0; r < shown.rows.size(); ++r)
            if (shown.rows[r].index == *now) {
                shown.currentRow = static_cast<int>(r) + 1;
                break;
            }
}

} // namespace kelvo
