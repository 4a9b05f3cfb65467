#include "core/editor/editor_session.h"

#include <algorithm>

#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/catalogue_tables.h"
#include "core/io/file_io.h"
#include "core/io/file_system_ops.h"

namespace kelvo
{
namespace
{

constexpr const char* kOpeningRefrigerant = "R404A";

bool touchesUnitOrFrame(const std::vector<EditorGrid>& tables)
{
    return std::find(tables.begin(), tables.end(), EditorGrid::Units) != tables.end() ||
           std::find(tables.begin(), tables.end(), EditorGrid::Frames) != tables.end();
}

} // namespace

EditorSession::EditorSession(Workspace& workspace)
    : workspace_(workspace), listing_(workspace), balance_(workspace, listing_),
      commands_(workspace, listing_), saving_(workspace)
{
    reset();
    workspace_.subscribe(*this);
}

EditorSession::~EditorSession()
{
    workspace_.unsubscribe(*this);
}

void EditorSession::reset()
{
    listing_.reset();
    balance_.reset();
    commands_.clear();
    saving_.reset();
}

template <class Load>
EditorOpening EditorSession::openWith(const Load& load, const ProgressReport& progress)
{
    EditorOpening opening;
    {
        const CalculationPause pause = balance_.pause();
        reset();
        try {
            const CatalogueLoad loaded = load();
            opening.catalogueLoaded = true;
            if (loaded.recovery)
                opening.message = recoveryText(*loaded.recovery, kPolish);
            saving_.loaded(loaded.files);
        } catch (const CatalogueFileError& error) {
            opening.message = (opening.message.empty() ? "" : opening.message + "\r") +
                              error.path().string() + ": " + error.reason();
        }
        balance_.clearPanels();
    }
    const std::string tableFailure = chooseRefrigerant(kOpeningRefrigerant, progress);
    if (!tableFailure.empty())
        opening.message += (opening.message.empty() ? "" : "\r") + tableFailure;
    saving_.rememberSaved();
    EditorUpdate update;
    update.everything();
    tell(update);
    return opening;
}

EditorOpening EditorSession::open(const ProgressReport& progress)
{
    return openWith([this] { return workspace_.loadCatalogue(); }, progress);
}

EditorOpening EditorSession::open(const FolderLock& writerLock)
{
    return openWith([this, &writerLock] { return workspace_.loadCatalogue(writerLock); }, {});
}

void EditorSession::openLoaded(const CatalogueStamps& files)
{
    reset();
    saving_.loaded(files);
    saving_.rememberSaved();
    EditorUpdate update;
    update.everything();
    tell(update);
}

std::vector<std::string> EditorSession::refrigerantMenu() const
{
    return workspace_.refrigerants().editorNames();
}

std::string EditorSession::chooseRefrigerant(std::string_view name, const ProgressReport& progress)
{
    if (!workspace_.refrigerants().knows(name))
        return "Nieznany czynnik chłodniczy: " + std::string(name);
    std::string failure;
    {
        const CalculationPause pause = balance_.pause();
        listing_.useRefrigerant(name);
        balance_.showRefrigerant();
        try {
            workspace_.loadPropertyTable(listing_.refrigerant(), progress);
        } catch (const FileError& error) {
            failure = error.what();
        }
        listing_.refillAll();
    }
    EditorUpdate update;
    update.everything();
    balance_.refresh(update);
    tell(update);
    return failure;
}

std::optional<EditorGrid> EditorSession::setFilter(std::size_t box, bool ticked)
{
    const auto click = listing_.setFilter(box, ticked);
    if (!click)
        return std::nullopt;
    EditorUpdate update;
    update.grids = click->refilled;
    update.filters = true;
    if (click->highlightMoved)
        balance_.refresh(update);
    tell(update);
    return click->grid;
}

BalanceDisplay EditorSession::clickRow(EditorGrid grid, int row, int column, MessageSink& sink)
{
    BalanceDisplay display = runClick(grid, row, column, sink);
    tellDisplayShown(display);
    return display;
}

BalanceDisplay EditorSession::runClick(EditorGrid grid, int row, int column, MessageSink& sink)
{
    listing_.setCursor(grid, row, column);
    BalanceDisplay display;
    switch (grid) {
    case EditorGrid::Compressors:
        display = balance_.clickPair(EditorSelectionKind::Compressor, sink);
        break;
    case EditorGrid::Condensers:
        display = balance_.clickPair(EditorSelectionKind::Condenser, sink);
        break;
    case EditorGrid::Units:
        display = balance_.clickUnit(sink);
        break;
    case EditorGrid::Frames:
        balance_.clickFrame();
        break;
    }
    return display;
}

void EditorSession::typeInput(EditorInputBox box, std::string_view text)
{
    balance_.type(box, text);
}

void EditorSession::setHeatFactorText(std::string_view text)
{
    balance_.setHeatFactorText(text);
}

BalanceDisplay EditorSession::applyInputs(MessageSink& sink)
{
    BalanceDisplay display = balance_.run(sink);
    tellDisplayShown(display);
    return display;
}

BalanceDisplay EditorSession::setInputs(const EditorInputs& typed, MessageSink& sink)
{
    balance_.typeInputs(typed);
    return applyInputs(sink);
}

BalanceDisplay EditorSession::showPair(int compressor, int condenser, const EditorInputs& typed,
                                       MessageSink& sink)
{
    balance_.typeInputs(typed);
    BalanceDisplay display = balance_.showPair(compressor, condenser, sink);
    tellDisplayShown(display);
    return display;
}

BalanceDisplay EditorSession::showUnit(int unit, const EditorInputs& typed, MessageSink& sink)
{
    BalanceDisplay display = balance_.showUnit(unit, typed, sink);
    tellDisplayShown(display);
    return display;
}

BalanceDisplay EditorSession::chooseChartPoint(double to, double tk, MessageSink& sink)
{
    BalanceDisplay display = balance_.chooseChartPoint(to, tk, sink);
    tellDisplayShown(display);
    return display;
}

void EditorSession::tellDisplayShown(const BalanceDisplay& display)
{
    EditorUpdate update;
    displayShown(update);
    update.revealCursors = display.ran;
    tell(update);
}

void EditorSession::displayShown(EditorUpdate& update)
{
    // A unit display moves the highlight of the grids of its compressor, condenser and frame;
    // an evaluation may rewrite the texts whose change the title shows.
    update.cursors.fill(true);
    update.panels = true;
    update.inputs = true;
    update.history = true;
}

std::optional<RowEdit> EditorSession::rowCommandUnavailable(RowCommand command) const
{
    return commands_.unavailable(command);
}

std::string EditorSession::promptDefault(RowCommand command) const
{
    return commands_.promptDefault(command);
}

std::optional<std::string> EditorSession::questionBefore(RowCommand command,
                                                         std::string_view answer) const
{
    return commands_.questionBefore(command, answer);
}

RowEdit EditorSession::runRowCommand(RowCommand command, std::string_view answer)
{
    // The workspace tells this session (and every other view) what the edit did.
    RowEdit edit = commands_.run(command, answer, balance_.inputs());
    if (!edit.done)
        return edit;
    EditorUpdate update;
    update.history = true;
    if (command == RowCommand::AddUnit) {
        listing_.setCursor(EditorGrid::Units, listing_.grid(EditorGrid::Units).rowCount() - 1, 0);
        update.cursor(EditorGrid::Units);
        if (balance_.selectionKind() == EditorSelectionKind::Unit)
            balance_.refresh(update);
    }
    if (command == RowCommand::AssignFrame) {
        balance_.showFrameOf(edit.index);
        update.panels = true;
    }
    tell(update);
    return edit;
}

bool EditorSession::undo()
{
    return stepTaken(commands_.undo());
}

bool EditorSession::redo()
{
    return stepTaken(commands_.redo());
}

bool EditorSession::stepTaken(const std::optional<std::vector<EditorGrid>>& tables)
{
    // Panel15 names the frame of the current unit; a step taken back or done again may have
    // changed its link (an assignment) or the unit itself.
    const auto unit = listing_.grid(EditorGrid::Units).currentIndex();
    if (tables && touchesUnitOrFrame(*tables) && unit && !balance_.panels().frameName.empty())
        balance_.showFrameOf(*unit);
    EditorUpdate update;
    update.history = true;
    update.panels = true;
    tell(update);
    return tables.has_value();
}

std::optional<int> EditorSession::currentCompressor() const
{
    return commands_.currentCompressor();
}

RowEdit EditorSession::importCoefficients(int set, const std::vector<std::string>& cells)
{
    if (!currentCompressor())
        return {};
    RowEdit edit = commands_.importCoefficients(set, cells);
    tellHistory();
    return edit;
}

RowEdit EditorSession::importCoefficients(int set, const std::filesystem::path& file)
{
    if (!currentCompressor())
        return {};
    RowEdit edit = commands_.importCoefficients(set, file);
    tellHistory();
    return edit;
}

void EditorSession::recordStep(const RowEdit& edit)
{
    commands_.record(edit);
    tellHistory();
}

void EditorSession::tellHistory()
{
    EditorUpdate update;
    update.history = true;
    tell(update);
}

bool EditorSession::showRecord(EditorGrid table, int index)
{
    if (index < 1 || index > tableCount(workspace_.catalogue(), table))
        return false;
    bool widened = false;
    const int row = listing_.revealRecord(table, index, widened);
    EditorUpdate update;
    update.grid(table); // refilled when its filters were widened
    update.filters = widened;
    if (row == 0) {
        if (widened)
            tell(update);
        return false;
    }
    // Shown as a click shows it, so that the panels describe the highlighted record; the
    // window puts the record's own grid in sight.
    DistinctMessageSink sink;
    runClick(table, row, 0, sink);
    displayShown(update);
    update.messages = sink.messages;
    tell(update);
    return true;
}

std::unique_ptr<RecordEditorSession> EditorSession::openRecordEditor(EditorGrid grid)
{
    const auto index = listing_.grid(grid).currentIndex();
    if (!index)
        return nullptr;
    return openRecordEditorSession(*this, workspace_, grid, *index);
}

SaveOutcome EditorSession::save(ChangesOnDisk changes)
{
    PosixFileSystemOps ops;
    return save(ops, nullptr, changes);
}

SaveOutcome EditorSession::save(FileSystemOps& ops, const FolderLock* writerLock,
                                ChangesOnDisk changes)
{
    SaveOutcome outcome = saving_.save(ops, writerLock, changes);
    if (outcome.saved)
        tellHistory();
    return outcome;
}

void EditorSession::workspaceChanged(const WorkspaceChange& change)
{
    EditorUpdate update;
    switch (change.kind) {
    case WorkspaceChange::Kind::PropertyTable:
        if (change.refrigerant != listing_.refrigerant())
            return;
        balance_.refresh(update);
        break;
    case WorkspaceChange::Kind::Records:
    case WorkspaceChange::Kind::Reload: {
        update.grids = listing_.follow(change);
        balance_.followFrame(change);
        update.rowsChanged = true;
        update.history = true;
        update.panels = true;
        balance_.refresh(update);
        break;
    }
    }
    tell(update);
}

void EditorSession::subscribe(EditorObserver& observer)
{
    observers_.add(observer);
}

void EditorSession::unsubscribe(EditorObserver& observer)
{
    observers_.remove(observer);
}

void EditorSession::tell(const EditorUpdate& update)
{
    observers_.each([&](EditorObserver& observer) { observer.editorChanged(update); });
}

} // namespace kelvo
