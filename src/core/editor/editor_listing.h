#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/editor/editor_filters.h"
#include "core/editor/editor_grids.h"

namespace kelvo
{

class Workspace;
struct WorkspaceChange;

// The current rows of the compressor and condenser grids, when both show a record.
struct PairRows {
    int compressor = 0;
    int condenser = 0;
};

// Which grids one change of the listing refilled.
using GridSet = std::array<bool, kEditorGridCount>;

// What the balance display and the row commands see of the grids: the refrigerant they list,
// the ticks, the record each grid highlights, and the one change a unit display makes, moving
// a grid's highlight to the unit's compressor, condenser or frame.
class HighlightedRecords
{
  public:
    [[nodiscard]] virtual const std::string& refrigerant() const = 0;
    [[nodiscard]] virtual const EditorFilters& filters() const = 0;
    // Table index shown in the grid's current row; nullopt for the blank row or none.
    [[nodiscard]] virtual std::optional<int> currentIndex(EditorGrid grid) const = 0;
    // Makes current the last row of the grid that shows `index`; nullopt when none does.
    virtual std::optional<int> selectRowOfIndex(EditorGrid grid, int index) = 0;

  protected:
    ~HighlightedRecords() = default;
};

// The current records of the compressor and condenser grids, when both show one.
std::optional<PairRows> currentPair(const HighlightedRecords& records);

// The editor's four grids as they list the catalogue: the refrigerant in use, the filter ticks,
// the rows each grid lists and its cursor. Whatever changed the catalogue, a refill keeps a
// highlighted row on its record.
class EditorListing final : public HighlightedRecords
{
  public:
    explicit EditorListing(const Workspace& workspace) : workspace_(workspace) {}

    // The grids and ticks of a freshly opened editor; the refrigerant in use stays.
    void reset();

    // The refrigerant whose records the grids list; the refrigerant menu's check mark.
    [[nodiscard]] const std::string& refrigerant() const override { return refrigerant_; }
    [[nodiscard]] const std::string& tickedRefrigerant() const { return tickedRefrigerant_; }
    // Makes it the one in use and lists its records in every grid.
    void useRefrigerant(std::string_view name);

    [[nodiscard]] const EditorFilters& filters() const override { return filters_; }
    [[nodiscard]] const EditorGridView& grid(EditorGrid which) const
    {
        return grids_[static_cast<std::size_t>(which)];
    }
    [[nodiscard]] std::optional<int> currentIndex(EditorGrid which) const override
    {
        return grid(which).currentIndex();
    }

    // A filter box, by its place in editorFilterBoxes(): sets its tick and refills the grids it
    // filters. nullopt (nothing changed) for a place out of range.
    struct FilterClick {
        EditorGrid grid;             // the grid the box belongs to
        GridSet refilled{};          // with the unit grid for the compressor boxes
        bool highlightMoved = false; // a grid's highlighted record is another one now
    };
    std::optional<FilterClick> setFilter(std::size_t box, bool ticked);

    // The grids a change of the workspace's records touches, refilled so that each highlighted
    // row follows its record to its slot after the change (or none is current when it is gone).
    GridSet follow(const WorkspaceChange& change);
    // Every grid refilled, each highlighted row staying on its record while it is listed.
    void refillAll();

    // A click on grid row `row` and `column`.
    void setCursor(EditorGrid grid, int row, int column);
    std::optional<int> selectRowOfIndex(EditorGrid grid, int index) override;
    // The grid row (1 ..) listing the record, its grid's ALL box ticked (for frames both
    // housing boxes) and the grid refilled when the filters hide it; 0 when it is not listed
    // even then. `widened` says whether the grid was refilled.
    int revealRecord(EditorGrid table, int index, bool& widened);

  private:
    EditorGridView& view(EditorGrid which) { return grids_[static_cast<std::size_t>(which)]; }
    void refill(EditorGrid grid);
    void refillFollowing(EditorGrid grid, const WorkspaceChange* change);

    const Workspace& workspace_;
    std::string refrigerant_;
    std::string tickedRefrigerant_;
    EditorFilters filters_;
    std::array<EditorGridView, kEditorGridCount> grids_;
};

} // namespace kelvo
