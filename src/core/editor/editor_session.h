#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor/balance_display.h"
#include "core/editor/catalogue_saving.h"
#include "core/editor/editor_state.h"
#include "core/editor/row_commands.h"
#include "core/text/message_sink.h"
#include "core/text/observer_list.h"
#include "core/workspace/workspace.h"

namespace kelvo
{

class FileSystemOps;
class FolderLock;
class RecordEditorSession;

// What changed on the editor's screen, for the views that show it.
struct EditorUpdate {
    std::array<bool, kEditorGridCount> grids{};   // grids whose rows were listed again
    std::array<bool, kEditorGridCount> cursors{}; // grids whose highlighted row may have moved
    bool panels = false;                          // the information group and the chart
    bool inputs = false;                          // the input boxes
    bool history = false;     // Cofnij / Ponów, and whether an edit waits to be saved
    bool rowsChanged = false; // records were added, removed, moved or changed
    // What the calculation said while the session brought its display up to date by itself
    // (UTF-8); a display the user asked for returns its messages instead.
    std::vector<std::string> messages;

    void grid(EditorGrid which) { grids[static_cast<std::size_t>(which)] = true; }
    void cursor(EditorGrid which) { cursors[static_cast<std::size_t>(which)] = true; }
    void everything();
};

struct EditorOpening {
    bool catalogueLoaded = false; // all four files read; saving is safe only then
    std::string message;          // for the user (UTF-8, names the file); empty when all is well
};

class EditorObserver
{
  public:
    virtual void editorChanged(const EditorUpdate& update) = 0;

  protected:
    ~EditorObserver() = default;
};

// The catalogue editor's screen: its grids, filters, inputs, balance panels and chart, the
// refrigerant it lists, its edit history and its save. It owns that state and changes it only
// through the operations below; whatever changes the workspace (its own edits, undo, redo, a
// reload, a record editor), the grids list the catalogue as it is, a highlighted row stays on
// its record, and the panels and chart show the highlighted record as it is now or are cleared.
class EditorSession final : public WorkspaceObserver
{
  public:
    explicit EditorSession(Workspace& workspace);
    ~EditorSession();
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    // ---- Operations
    // Opening of the editor window: the state of a freshly opened editor, the four catalogue
    // files of the data folder, then chooseRefrigerant("R404A"). A catalogue file that fails
    // stops the loading there (the tables read before it stay) and the grids show what was read.
    EditorOpening open(const LoadProgress& progress = {});
    // The same by a program that holds the writer lock (the command line's edit).
    EditorOpening open(const FolderLock& writerLock);
    // The editor as freshly opened over the catalogue the workspace has loaded whole (the four
    // files as `files` say), without choosing a refrigerant: the command line's edit.
    void openLoaded(const CatalogueStamps& files);
    // The state of a freshly opened editor without touching files (the catalogue stays).
    void reset();

    // The refrigerant menu: a registry refrigerant becomes the one in use, its property table
    // is read and the four grids list its records. The result is the message naming a table
    // that cannot be read (the grids are refilled even then); a name the registry does not
    // know changes nothing and returns a message.
    std::string chooseRefrigerant(std::string_view name, const LoadProgress& progress = {});

    // A filter box, by its place in editorFilterBoxes(): sets its tick and refills the grids it
    // filters (the unit grid too for the compressor boxes, whose brand and kind it reads).
    // Returns the grid the box belongs to; nullopt (nothing changed) for a place out of range.
    std::optional<EditorGrid> setFilter(std::size_t box, bool ticked);

    // A click on data row `row` (1 ..) and column `column` of a grid: the row becomes current
    // and the grid's display runs (pair display for the compressor and condenser grids, unit
    // display for the unit grid, the frame's panels for the frame grid). Nothing runs for the
    // blank row.
    BalanceDisplay clickRow(EditorGrid grid, int row, int column, MessageSink& sink);
    // The six input boxes' texts as typed, without running the display (a command that reads
    // them comes next).
    void typeInputs(const EditorInputs& typed);
    // The six input boxes as typed: the display runs again with them.
    BalanceDisplay setInputs(const EditorInputs& typed, MessageSink& sink);
    // The command line's balance: the pair display of a compressor and a condenser, or the unit
    // display of a unit, by table index whatever the grids list, at the typed inputs (a unit
    // takes its own counts).
    BalanceDisplay showPair(int compressor, int condenser, const EditorInputs& typed,
                            MessageSink& sink);
    BalanceDisplay showUnit(int unit, const EditorInputs& typed, MessageSink& sink);
    // Edit14: keeps its text and sets the heat factor from it. A text that is no number above
    // 0 is kept too; the display then refuses to run until another text is typed.
    void setHeatFactorText(std::string_view text);
    // A click on the envelope chart at the world point (to, tk), after a grid click chose what
    // is displayed: the evaporating temperature becomes the clicked to, to the nearest 0.5 K and
    // kept within the values of ComboBox1's list; the air temperature becomes the item of
    // ComboBox2 whose balance point at that to lies closest to the clicked tk (every item is
    // evaluated; equal distances go to the lower temperature; when no item evaluates, the air
    // temperature stays). Then the display runs as after a change of the inputs. Before any
    // grid click it does nothing (ran false).
    BalanceDisplay chooseChartPoint(double to, double tk, MessageSink& sink);

    // Whether a row command can ask its prompt and run: nullopt when it can; otherwise what to
    // show instead (a grid it reads has no current row: nothing happens, and the copy commands
    // say "Akcja anulowana !" and why, as they do for every failed answer).
    [[nodiscard]] std::optional<RowEdit> rowCommandUnavailable(RowCommand command) const;
    // The text the command's prompt starts with: for the assignments the position ("Poz.") of
    // the highlighted row of the grid they assign from, so that Enter takes it; empty for the
    // other prompts and without a highlighted row.
    [[nodiscard]] std::string promptDefault(RowCommand command) const;
    // The Yes / No question to ask before the command runs with this answer (the window runs
    // it only on Yes): deleting a compressor or condenser that units use, copying over a
    // compressor that holds what the copy overwrites. Nullopt when it runs without asking or
    // would be refused anyway. The command line's edit never asks.
    [[nodiscard]] std::optional<std::string> questionBefore(RowCommand command,
                                                            std::string_view answer = {}) const;
    // Runs the command on the current rows with the prompt's answer (empty when cancelled or
    // when it has none) and records its step. "Dodaj nowy agregat" then highlights the new
    // unit, "Przyporządkuj ramę" shows the frame now linked in Panel15.
    RowEdit runRowCommand(RowCommand command, std::string_view answer = {});
    // "Cofnij" / "Ponów"; false when there was no step.
    bool undo();
    bool redo();
    // "Dane": ten coefficients into set 1 or 2 of the current compressor, from cells copied to
    // the clipboard or from A1 .. J1 of a file. Without a current row nothing happens.
    [[nodiscard]] std::optional<int> currentCompressor() const;
    RowEdit importCoefficients(int set, const std::vector<std::string>& cells);
    RowEdit importCoefficients(int set, const std::filesystem::path& file);
    // A record named by a check: made the current row of its grid (its grid's ALL box ticked,
    // for frames both housing boxes, when the filters hide it) and shown as a click shows it.
    // False when the record is not listed even then (another refrigerant) or does not exist.
    bool showRecord(EditorGrid table, int index);
    // The record editor of the grid's current row; nullptr when it has none.
    std::unique_ptr<RecordEditorSession> openRecordEditor(EditorGrid grid);

    // "Zapisz": the four files as one transaction (see catalogue_saving.h).
    SaveOutcome save(ChangesOnDisk changes = ChangesOnDisk::Refuse);
    SaveOutcome save(FileSystemOps& ops, const FolderLock* writerLock = nullptr,
                     ChangesOnDisk changes = ChangesOnDisk::Refuse);
    // What "Zapisz" asks first (No the default) when a catalogue file was read cut short: the
    // save writes the records it lacks as empty ones. nullopt when every file was whole.
    [[nodiscard]] std::optional<std::string> cutShortSaveQuestion() const;
    // Something differs from what was last loaded or saved in more than the decimal commas
    // the calculation writes.
    [[nodiscard]] bool hasUnsavedChanges() const;

    // ---- What to show
    [[nodiscard]] const EditorState& state() const { return editor_; }
    [[nodiscard]] const EditorGridView& grid(EditorGrid which) const { return editor_.grid(which); }
    [[nodiscard]] const BalancePanels& panels() const { return editor_.panels; }
    [[nodiscard]] const std::optional<ChartRequest>& chart() const { return editor_.chart; }
    [[nodiscard]] const EditorInputs& inputs() const { return editor_.inputs; }
    [[nodiscard]] const std::string& refrigerant() const { return refrigerant_; }
    // The factor typed; 1.0 (as a text that is no number has always given) when it is refused.
    [[nodiscard]] double heatFactor() const { return heatFactor_.value_or(1.0); }
    [[nodiscard]] const PerformanceResult& result() const { return result_; }
    [[nodiscard]] const Workspace& workspace() const { return workspace_; }
    [[nodiscard]] Workspace& workspace() { return workspace_; }
    // The refrigerant menu in order, and which item is ticked.
    [[nodiscard]] std::vector<std::string> refrigerantMenu() const;

    void subscribe(EditorObserver& observer);
    void unsubscribe(EditorObserver& observer);

    void workspaceChanged(const WorkspaceChange& change) override;

  private:
    friend class RecordEditorSession;
    friend class CalculationGuard;

    template <class Load> EditorOpening openWith(const Load& load, const LoadProgress& progress);
    void refillGrid(EditorGrid grid);
    void refillGridFollowing(EditorGrid grid, const WorkspaceChange* change);
    void refreshDisplay(EditorUpdate& update);
    void clearPanels();
    void clearResultPanels();
    // Clears the panels for inputs the display cannot evaluate, keeping the compressor's
    // envelope on the chart, and says why.
    void refuseDisplay(int compressorIndex, std::string failure, BalanceDisplay& display);
    BalanceDisplay showPairBalance(int compressorIndex, int condenserIndex, MessageSink& sink);
    BalanceDisplay showUnitBalance(int unitIndex, MessageSink& sink);
    BalanceDisplay pairRowClicked(EditorSelectionKind kind, MessageSink& sink);
    BalanceDisplay unitRowClicked(MessageSink& sink);
    bool frameRowClicked();
    BalanceDisplay runDisplay(MessageSink& sink);
    void showUnitRecord(int unitIndex);
    void showUnitPanels(int unitIndex);
    void evaluateAndShow(const PairInputs& inputs, BalanceDisplay& display, MessageSink& sink);
    void chartWithoutPoint(int compressorIndex);
    RowEdit recordEdit(RowEdit edit);
    void rememberSaved();
    void showFrameOfCurrentUnit(const std::vector<EditorGrid>& tables);
    bool stepTaken(const std::optional<std::vector<EditorGrid>>& tables);
    void tellDisplayShown();
    void tell(const EditorUpdate& update);

    Workspace& workspace_;
    EditorState editor_;
    std::string refrigerant_;
    // The factor in "Qk=(Qo+Pe) x" of the displays and reports; nullopt when its text is
    // refused.
    std::optional<double> heatFactor_ = kDefaultCondenserHeatFactor;
    // The latest evaluation, which the next one starts from.
    PerformanceResult result_;
    // Displays run only while true; the session clears it while it fills its own lists.
    bool calculating_ = true;
    // The session's own edit is being announced: it brings its screen up to date itself.
    bool editing_ = false;
    ObserverList<EditorObserver> observers_;
};

// Clears a session's calculation guard for its lifetime and restores it on every exit: while a
// window fills its controls, nothing it touches runs a calculation or stores a record.
class CalculationGuard
{
  public:
    explicit CalculationGuard(EditorSession& session)
        : flag_(session.calculating_), previous_(flag_)
    {
        flag_ = false;
    }
    ~CalculationGuard() { flag_ = previous_; }
    CalculationGuard(const CalculationGuard&) = delete;
    CalculationGuard& operator=(const CalculationGuard&) = delete;

  private:
    bool& flag_;
    bool previous_;
};

} // namespace kelvo
