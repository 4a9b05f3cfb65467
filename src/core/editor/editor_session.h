#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/editor/balance_view.h"
#include "core/editor/catalogue_saving.h"
#include "core/editor/editor_listing.h"
#include "core/editor/editor_update.h"
#include "core/editor/record_editor_session.h"
#include "core/editor/row_command_runner.h"
#include "core/text/calculation_pause.h"
#include "core/text/message_sink.h"
#include "core/text/observer_list.h"
#include "core/workspace/workspace.h"

namespace kelvo
{

class FileSystemOps;
class FolderLock;

struct EditorOpening {
    bool catalogueLoaded = false; // all four files read; saving is safe only then
    std::string message;          // for the user (UTF-8, names the file); empty when all is well
};

// The catalogue editor's screen: its grids, filters, inputs, balance panels and chart, the
// refrigerant it lists, its edit history and its save, each kept by one part (EditorListing,
// BalanceView, RowCommandRunner, CatalogueSaving) that this session puts together. It changes
// that state only through the operations below and tells its observers every change of what
// the screen shows; what an operation returns is the answer to its caller (a message, an
// outcome), never a second way of telling the screen. Whatever changes the workspace (its own
// edits, undo, redo, a reload, a record editor), the grids list the catalogue as it is, a
// highlighted row stays on its record, and the panels and chart show the highlighted record as
// it is now or are cleared.
class EditorSession final : private WorkspaceObserver, private RecordEditorHost
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
    EditorOpening open(const ProgressReport& progress = {});
    // The same by a program that holds the writer lock (the command line's edit).
    EditorOpening open(const FolderLock& writerLock);
    // The editor as freshly opened over the catalogue the workspace has loaded whole (the four
    // files as `files` say), without choosing a refrigerant: the command line's edit.
    void openLoaded(const CatalogueStamps& files);

    // The refrigerant menu: a registry refrigerant becomes the one in use, its property table
    // is read and the four grids list its records. The result is the message naming a table
    // that cannot be read (the grids are refilled even then); a name the registry does not
    // know changes nothing and returns a message.
    std::string chooseRefrigerant(std::string_view name, const ProgressReport& progress = {});

    // A filter box, by its place in editorFilterBoxes(): sets its tick and refills the grids it
    // filters (the unit grid too for the compressor boxes, whose brand and kind it reads).
    // Returns the grid the box belongs to; nullopt (nothing changed) for a place out of range.
    std::optional<EditorGrid> setFilter(std::size_t box, bool ticked);

    // A click on data row `row` (1 ..) and column `column` of a grid: the row becomes current
    // and the grid's display runs (pair display for the compressor and condenser grids, unit
    // display for the unit grid, the frame's panels for the frame grid). Nothing runs for the
    // blank row.
    BalanceDisplay clickRow(EditorGrid grid, int row, int column, MessageSink& sink);
    // One input box's text as the user types it. It runs nothing and tells nobody: the box
    // shows it already, and every command that reads the inputs reads it from here.
    void typeInput(EditorInputBox box, std::string_view text);
    // Edit14 as typed: keeps its text and sets the heat factor from it. A text that is no number
    // above 0 is kept too; the display then refuses to run until another text is typed.
    void setHeatFactorText(std::string_view text);
    // The input boxes' texts were taken (Enter, leaving a box, picking an item): the display
    // runs again with them.
    BalanceDisplay applyInputs(MessageSink& sink);
    // The six input boxes typed at once, then applyInputs.
    BalanceDisplay setInputs(const EditorInputs& typed, MessageSink& sink);
    // The command line's balance: the pair display of a compressor and a condenser, or the unit
    // display of a unit, by table index whatever the grids list, at the typed inputs (a unit
    // takes its own counts).
    BalanceDisplay showPair(int compressor, int condenser, const EditorInputs& typed,
                            MessageSink& sink);
    BalanceDisplay showUnit(int unit, const EditorInputs& typed, MessageSink& sink);
    // A click on the envelope chart at the world point (to, tk), after a grid click chose what
    // is displayed: the evaporating temperature becomes the clicked to, to the nearest 0.5 K and
    // kept within the values of ComboBox1's list; the air temperature becomes the item of
    // ComboBox2 whose balance point at that to lies closest to the clicked tk (every item is
    // evaluated; equal distances go to the lower temperature; when no item evaluates, the air
    // temperature stays). Then the display runs as after a change of the inputs. Before any
    // grid click it does nothing (ran false).
    BalanceDisplay chooseChartPoint(double to, double tk, MessageSink& sink);
    // While the pause lives no display runs and no record editor stores: a window fills its
    // controls.
    [[nodiscard]] CalculationPause pauseCalculation() { return balance_.pause(); }

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
    [[nodiscard]] std::optional<std::string> cutShortSaveQuestion() const
    {
        return saving_.cutShortSaveQuestion();
    }
    [[nodiscard]] bool hasUnsavedChanges() const { return saving_.hasUnsavedChanges(); }

    // ---- What to show
    [[nodiscard]] const EditorGridView& grid(EditorGrid which) const
    {
        return listing_.grid(which);
    }
    [[nodiscard]] const EditorFilters& filters() const { return listing_.filters(); }
    [[nodiscard]] const BalancePanels& panels() const { return balance_.panels(); }
    [[nodiscard]] const std::optional<ChartRequest>& chart() const { return balance_.chart(); }
    [[nodiscard]] const EditorInputs& inputs() const { return balance_.inputs(); }
    [[nodiscard]] EditorSelectionKind selectionKind() const { return balance_.selectionKind(); }
    [[nodiscard]] const EditHistory& history() const { return commands_.history(); }
    [[nodiscard]] const std::string& refrigerant() const { return listing_.refrigerant(); }
    // The item of the refrigerant menu that carries the check mark.
    [[nodiscard]] const std::string& tickedRefrigerant() const
    {
        return listing_.tickedRefrigerant();
    }
    // The factor typed; 1.0 (as a text that is no number has always given) when it is refused.
    [[nodiscard]] double heatFactor() const { return balance_.heatFactor(); }
    [[nodiscard]] const PerformanceResult& result() const { return balance_.result(); }
    [[nodiscard]] const Workspace& workspace() const { return workspace_; }
    [[nodiscard]] Workspace& workspace() { return workspace_; }
    // The refrigerant menu in order, and which item is ticked.
    [[nodiscard]] std::vector<std::string> refrigerantMenu() const;

    void subscribe(EditorObserver& observer);
    void unsubscribe(EditorObserver& observer);

  private:
    // The state of a freshly opened editor without touching files (the catalogue stays).
    void reset();
    template <class Load> EditorOpening openWith(const Load& load, const ProgressReport& progress);
    void workspaceChanged(const WorkspaceChange& change) override;
    [[nodiscard]] bool storing() const override { return balance_.calculating(); }
    void recordStep(const RowEdit& edit) override;
    bool stepTaken(const std::optional<std::vector<EditorGrid>>& tables);
    // The grid's cursor set and its display run, without telling.
    BalanceDisplay runClick(EditorGrid grid, int row, int column, MessageSink& sink);
    void tellDisplayShown(const BalanceDisplay& display);
    static void displayShown(EditorUpdate& update);
    void tellHistory();
    void tell(const EditorUpdate& update);

    Workspace& workspace_;
    EditorListing listing_;
    BalanceView balance_;
    RowCommandRunner commands_;
    CatalogueSaving saving_;
    ObserverList<EditorObserver> observers_;
};

} // namespace kelvo
