#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/performance/balance_point.h"
#include "core/selection/candidate_list.h"
#include "core/selection/datasheet_parameters.h"
#include "core/selection/selection_state.h"
#include "core/selection/unit_point.h"
#include "core/text/display_units.h"
#include "core/text/observer_list.h"
#include "core/workspace/workspace.h"

namespace kelvo
{

class DistinctMessageSink;
class LanguageTable;
class MessageSink;

// The filter groups of the selection screen.
enum class SelectionFilter { Kind, Brand, Version };

// What one operation of a session changed; its observers are told once, when it ends.
struct SelectionChange {
    bool list = false;    // the list was built again: no row is chosen unless `details` is set
    bool details = false; // a row was chosen and its details are shown
    bool loads = false;   // the catalogue or the property table was read again: their notes
    bool units = false;   // the figures are shown in other units: every one is shown again
};

class SelectionObserver
{
  public:
    virtual void selectionChanged(const SelectionChange& change) = 0;

  protected:
    ~SelectionObserver() = default;
};

// The unit selection screen of one family over a workspace: its inputs, the refrigerant in use,
// the candidate list, the chosen unit and the latest result the calculation starts from. Each
// operation is one action of the screen or of a command; its messages go to the sink it is
// given. The session follows the workspace: when the units, compressors or condensers change,
// or the property table of its refrigerant is read again, the list is built again (the unit
// shown is chosen again when the list still holds it) and the observers are told; the list
// keeps the messages of such a build.
class SelectionSession : private WorkspaceObserver
{
  public:
    // A screen that is not opened yet: default inputs, every filter off, R404A chosen but its
    // table not read, an empty list.
    SelectionSession(Workspace& workspace, const LanguageTable& languages, UnitFamily family);
    ~SelectionSession();
    SelectionSession(const SelectionSession&) = delete;
    SelectionSession& operator=(const SelectionSession&) = delete;

    [[nodiscard]] const SelectionState& state() const { return state_; }
    // The refrigerant in use, a registry name.
    [[nodiscard]] const std::string& refrigerant() const { return refrigerant_; }
    [[nodiscard]] const Workspace& workspace() const { return workspace_; }
    [[nodiscard]] const LanguageTable& languages() const { return languages_; }
    [[nodiscard]] UnitFamily family() const { return family_; }

    // Opening the screen: reloads the catalogue (throws CatalogueFileError, leaving the
    // selection as it was; a save that the load finished or undid is said to the sink), resets
    // the inputs to their defaults and chooses the default refrigerant, which builds the (empty:
    // no filter is ticked yet) list.
    void open(MessageSink& sink, const ProgressReport& progress = {});

    // The refrigerant choice: a registry refrigerant becomes the one in use and its property
    // table is read, then the list is built. Any other name changes nothing and is returned as
    // the failure. Returns the failure of the table read (also said to the sink); the list is
    // built either way, its units then marked as not evaluated.
    std::optional<std::string> chooseRefrigerant(std::string_view name, MessageSink& sink,
                                                 const ProgressReport& progress = {});

    // The inputs, each followed by a build of the list. `value` names an option of the group
    // (kSelectionKindFilter ...); an unknown one throws std::out_of_range.
    void setFilter(SelectionFilter group, std::string_view value, bool ticked, MessageSink& sink,
                   const ProgressReport& progress = {});
    void setTemperatures(double to, double ambient, MessageSink& sink,
                         const ProgressReport& progress = {});
    void setInsideEnvelopeOnly(bool only, MessageSink& sink, const ProgressReport& progress = {});
    // The range tables' extra row (nullopt: none): the details shown are computed again, the
    // list stays. Both this and setInputs throw std::out_of_range, changing nothing, for an
    // extra ambient outside kExtraAmbientMin .. kExtraAmbientMax.
    void setExtraAmbient(std::optional<double> ambient, MessageSink& sink);
    // The units the screen shows its figures in; SI when the session starts. A display choice:
    // nothing is computed again, the observers show the same figures converted.
    [[nodiscard]] UnitSystem units() const { return units_; }
    void setUnits(UnitSystem units);
    // Every input at once, with one build (the command line's way).
    void setInputs(const SelectionInputs& inputs, MessageSink& sink,
                   const ProgressReport& progress = {});

    // The highlighted list row: the unit shown in full, the one the datasheet and the export
    // act on. Nullopt when no row is chosen since the list was last built (the unit shown before
    // left the list): the details shown then belong to the previous inputs.
    [[nodiscard]] std::optional<int> highlightedRow() const;

    // Chooses list row `row` (1 ..) and shows its details. Throws std::out_of_range for a row
    // not in the list.
    const UnitDetails& chooseRow(int row, MessageSink& sink);
    // The required capacity as typed into the screen's field, in the units shown when it was
    // typed. A change of units shows it converted (rounded to whole units, as capacities are
    // shown) while the search goes on reading what was typed, so the same requirement finds the
    // same unit in either system. Opening the screen empties it.
    void typeRequiredCapacity(std::string_view text);
    // The field's text in the units shown now.
    [[nodiscard]] std::string requiredCapacityText() const;
    // The requirement as the capacity search takes it: watts, or the typed text when it is no
    // number.
    [[nodiscard]] std::string requiredCapacityWatts() const;
    // The capacity search for the typed requirement; a requirement that is no number or not
    // above 0 changes nothing. Returns whether the choice changed.
    bool selectByTypedCapacity(MessageSink& sink);
    // The capacity search (searchByCapacity) for the text typed, in watts: a match is chosen
    // as by chooseRow; a requirement not above 0 changes nothing. Returns whether the choice
    // changed.
    bool selectByCapacity(std::string_view required, MessageSink& sink);

    // Marks list row `row` (1 ..) for the comparison or unmarks it. A mark beyond
    // kMaxComparedUnits is refused: returns false and changes nothing. Throws std::out_of_range
    // for a row not in the list.
    bool markForComparison(int row, bool marked);
    // The list rows of the marked units, in the order they were marked.
    [[nodiscard]] std::vector<int> comparedRows() const;

    // These evaluate, so the latest result and the catalogue's texts move on as with any
    // evaluation of the screen; the selection stays as it is.
    // The details of list row `row` without choosing it.
    UnitDetails computeDetails(int row, MessageSink& sink);
    // The datasheet of the chosen unit (unitDatasheetParameters).
    ReportParameters datasheetParameters(const DatasheetInputs& inputs, MessageSink& sink);

    void subscribe(SelectionObserver& observer);
    void unsubscribe(SelectionObserver& observer);

  private:
    void workspaceChanged(const WorkspaceChange& change) override;
    [[nodiscard]] SelectionCalculation calculation();
    // Hands what the calculation read to the workspace, which keeps those texts with commas.
    void keepTextsRead();
    // Builds the list again and chooses the unit shown before when the list holds it. The
    // details' messages come first, then the list's, as the screen has always shown them.
    SelectionChange rebuild(DistinctMessageSink& listMessages, MessageSink& sink,
                            const ProgressReport& progress);
    void rebuildAndTell(MessageSink& sink, const ProgressReport& progress);
    void tell(const SelectionChange& change);

    Workspace& workspace_;
    const LanguageTable& languages_;
    UnitFamily family_;
    SelectionState state_;
    std::string refrigerant_;
    UnitSystem units_ = UnitSystem::Si;
    std::string requiredCapacity_;
    UnitSystem requiredCapacityUnits_ = UnitSystem::Si;
    PerformanceResult latest_;
    TextsRead textsRead_; // by the calculation, not yet handed to the workspace
    // The calculation does nothing while false: while the session opens or reads a table, what
    // the workspace announces is not followed either.
    bool calculationEnabled_ = true;
    ObserverList<SelectionObserver> observers_;
};

} // namespace kelvo
