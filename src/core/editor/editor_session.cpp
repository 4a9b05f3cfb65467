#include "core/editor/editor_session.h"

#include <algorithm>

#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/catalogue_tables.h"
#include "core/catalogue/lookups.h"
#include "core/editor/editor_grids.h"
#include "core/io/file_io.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

constexpr const char* kOpeningRefrigerant = "R404A";
constexpr EditorGrid kEveryGrid[] = {EditorGrid::Compressors, EditorGrid::Condensers,
                                     EditorGrid::Units, EditorGrid::Frames};

// The current rows of the compressor and condenser grids, when both show a record.
struct PairRows {
    int compressor = 0;
    int condenser = 0;
};
std::optional<PairRows> currentPair(const EditorState& editor)
{
    const auto compressor = editor.grid(EditorGrid::Compressors).currentIndex();
    const auto condenser = editor.grid(EditorGrid::Condensers).currentIndex();
    if (!compressor || !condenser)
        return std::nullopt;
    return PairRows{*compressor, *condenser};
}

} // namespace

void EditorUpdate::everything()
{
    grids.fill(true);
    cursors.fill(true);
    panels = true;
    inputs = true;
    history = true;
}

EditorSession::EditorSession(Workspace& workspace) : workspace_(workspace)
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
    editor_ = EditorState{};
    editor_.inputs = initialEditorInputs(workspace_.displaySeparator());
    editor_.tickedRefrigerant = kOpeningRefrigerant;
    heatFactor_ = kDefaultCondenserHeatFactor;
}

template <class Load>
EditorOpening EditorSession::openWith(const Load& load, const LoadProgress& progress)
{
    EditorOpening opening;
    {
        const CalculationGuard pause(*this);
        reset();
        try {
            const CatalogueLoad loaded = load();
            opening.catalogueLoaded = true;
            if (loaded.recovery)
                opening.message = recoveryText(*loaded.recovery, kPolish);
            editor_.catalogueLoaded = true;
            editor_.filesOnDisk = loaded.files;
        } catch (const CatalogueFileError& error) {
            opening.message = (opening.message.empty() ? "" : opening.message + "\r") +
                              error.path().string() + ": " + error.reason();
        }
        clearPanels();
    }
    const std::string tableFailure = chooseRefrigerant(kOpeningRefrigerant, progress);
    if (!tableFailure.empty())
        opening.message += (opening.message.empty() ? "" : "\r") + tableFailure;
    rememberSaved();
    EditorUpdate update;
    update.everything();
    tell(update);
    return opening;
}

EditorOpening EditorSession::open(const LoadProgress& progress)
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
    editor_.filesOnDisk = files;
    editor_.catalogueLoaded = true;
    rememberSaved();
}

BalanceDisplay EditorSession::showPair(int compressor, int condenser, const EditorInputs& typed,
                                       MessageSink& sink)
{
    typeInputs(typed);
    return showPairBalance(compressor, condenser, sink);
}

BalanceDisplay EditorSession::showUnit(int unit, const EditorInputs& typed, MessageSink& sink)
{
    if (!calculating_)
        return {};
    editor_.selectionKind = EditorSelectionKind::Unit;
    editor_.inputs.countsEnabled = false;
    showUnitRecord(unit);
    editor_.inputs.to = typed.to;
    editor_.inputs.ambient = typed.ambient;
    editor_.inputs.superheat = typed.superheat;
    editor_.inputs.subcooling = typed.subcooling;
    return showUnitBalance(unit, sink);
}

std::vector<std::string> EditorSession::refrigerantMenu() const
{
    return workspace_.refrigerants().editorNames();
}

std::string EditorSession::chooseRefrigerant(std::string_view name, const LoadProgress& progress)
{
    if (!workspace_.refrigerants().knows(name))
        return "Nieznany czynnik chłodniczy: " + std::string(name);
    std::string failure;
    {
        const CalculationGuard pause(*this);
        editor_.tickedRefrigerant = std::string(name);
        refrigerant_ = std::string(name);
        editor_.panels.refrigerant = refrigerant_;
        try {
            workspace_.loadPropertyTable(refrigerant_, progress);
        } catch (const FileError& error) {
            failure = error.what();
        }
        for (const EditorGrid grid : kEveryGrid)
            refillGridFollowing(grid, nullptr);
    }
    EditorUpdate update;
    update.everything();
    refreshDisplay(update);
    tell(update);
    return failure;
}

std::optional<EditorGrid> EditorSession::setFilter(std::size_t box, bool ticked)
{
    const auto boxes = editorFilterBoxes();
    if (box >= boxes.size())
        return std::nullopt;
    bool* tick = findEditorFilterTick(editor_.filters, boxes[box].option->objectName);
    if (!tick)
        return std::nullopt;
    *tick = ticked;
    const EditorGrid grid = boxes[box].refills;
    std::array<std::optional<int>, kEditorGridCount> shownBefore;
    for (const EditorGrid g : kEveryGrid)
        shownBefore[static_cast<std::size_t>(g)] = editor_.grid(g).currentIndex();
    EditorUpdate update;
    refillGridFollowing(grid, nullptr);
    update.grid(grid);
    // A unit is listed by its compressor's brand and kind as well.
    if (grid == EditorGrid::Compressors) {
        refillGridFollowing(EditorGrid::Units, nullptr);
        update.grid(EditorGrid::Units);
    }
    bool highlightMoved = false;
    for (const EditorGrid g : kEveryGrid)
        highlightMoved = highlightMoved ||
                         shownBefore[static_cast<std::size_t>(g)] != editor_.grid(g).currentIndex();
    if (highlightMoved)
        refreshDisplay(update);
    tell(update);
    return grid;
}

BalanceDisplay EditorSession::pairRowClicked(EditorSelectionKind kind, MessageSink& sink)
{
    if (!calculating_)
        return {};
    const auto pair = currentPair(editor_);
    if (!pair)
        return {};
    editor_.selectionKind = kind;
    editor_.inputs.countsEnabled = true;
    setEvaporatingList(editor_.inputs, pairEvaporatingList(workspace_.displaySeparator()));
    return showPairBalance(pair->compressor, pair->condenser, sink);
}

BalanceDisplay EditorSession::unitRowClicked(MessageSink& sink)
{
    if (!calculating_)
        return {};
    const auto unit = editor_.grid(EditorGrid::Units).currentIndex();
    if (!unit)
        return {};
    editor_.selectionKind = EditorSelectionKind::Unit;
    editor_.inputs.countsEnabled = false;
    showUnitRecord(*unit);
    return showUnitBalance(*unit, sink);
}

bool EditorSession::frameRowClicked()
{
    if (!calculating_)
        return false;
    const auto frame = editor_.grid(EditorGrid::Frames).currentIndex();
    if (!frame)
        return false;
    editor_.inputs.countsEnabled = true;
    editor_.panels.frameName = workspace_.catalogue().frames[*frame].name.str();
    editor_.panels.frameIndex = std::to_string(*frame);
    return true;
}

BalanceDisplay EditorSession::clickRow(EditorGrid grid, int row, int column, MessageSink& sink)
{
    EditorGridView& view = editor_.grid(grid);
    view.currentRow = row;
    view.currentColumn = column;
    BalanceDisplay display;
    switch (grid) {
    case EditorGrid::Compressors:
        display = pairRowClicked(EditorSelectionKind::Compressor, sink);
        break;
    case EditorGrid::Condensers:
        display = pairRowClicked(EditorSelectionKind::Condenser, sink);
        break;
    case EditorGrid::Units:
        display = unitRowClicked(sink);
        break;
    case EditorGrid::Frames:
        frameRowClicked();
        break;
    }
    tellDisplayShown();
    return display;
}

void EditorSession::tellDisplayShown()
{
    // A unit display moves the highlight of the grids of its compressor, condenser and frame.
    EditorUpdate update;
    update.cursors.fill(true);
    update.panels = true;
    update.inputs = true;
    tell(update);
}

void EditorSession::showUnitPanels(int unitIndex)
{
    const Catalogue& catalogue = workspace_.catalogue();
    const CondensingUnitRecord& unit = catalogue.units[unitIndex];
    BalancePanels& panels = editor_.panels;
    panels.compressorModel = unit.compressorModel.str();
    panels.refrigerant = unit.refrigerant.str();
    panels.condenserModel = unit.condenserModel.str();
    editor_.inputs.compressorCount = unit.compressorCount.str();
    editor_.inputs.condenserCount = unit.condenserCount.str();
    panels.frameName = catalogue.frames[findFrameOfUnit(catalogue, unitIndex)].name.str();
}

void EditorSession::showUnitRecord(int unitIndex)
{
    showUnitPanels(unitIndex);
    // Refilling the list selects its first item, which must not run a display of its own.
    const CalculationGuard pause(*this);
    setEvaporatingList(editor_.inputs, unitEvaporatingList(workspace_.catalogue().units[unitIndex],
                                                           workspace_.displaySeparator()));
}

BalanceDisplay EditorSession::runDisplay(MessageSink& sink)
{
    if (editor_.selectionKind == EditorSelectionKind::Unit) {
        const auto unit = editor_.grid(EditorGrid::Units).currentIndex();
        if (!unit)
            return {};
        return showUnitBalance(*unit, sink);
    }
    const auto pair = currentPair(editor_);
    if (!pair)
        return {};
    return showPairBalance(pair->compressor, pair->condenser, sink);
}

void EditorSession::typeInputs(const EditorInputs& typed)
{
    EditorInputs& in = editor_.inputs;
    in.to = typed.to;
    in.ambient = typed.ambient;
    in.superheat = typed.superheat;
    in.subcooling = typed.subcooling;
    in.compressorCount = typed.compressorCount;
    in.condenserCount = typed.condenserCount;
}

BalanceDisplay EditorSession::setInputs(const EditorInputs& typed, MessageSink& sink)
{
    typeInputs(typed);
    const BalanceDisplay display = runDisplay(sink);
    tellDisplayShown();
    return display;
}

void EditorSession::setHeatFactorText(std::string_view text)
{
    editor_.inputs.heatFactor = std::string(text);
    heatFactor_ = heatFactorFromText(text);
}

void EditorSession::refillGrid(EditorGrid grid)
{
    EditorGridView& view = editor_.grid(grid);
    const int rowCountBefore = view.rowCount();
    view.rows = gridRows(grid, workspace_.catalogue(), editor_.filters, refrigerant_,
                         workspace_.refrigerants());
    const GridCursor cursor =
        cursorAfterRefill({view.currentRow, view.currentColumn}, rowCountBefore, view.rowCount());
    view.currentRow = cursor.row;
    view.currentColumn = cursor.column;
}

void EditorSession::refillGridFollowing(EditorGrid grid, const WorkspaceChange* change)
{
    EditorGridView& view = editor_.grid(grid);
    const std::optional<int> shown = view.currentIndex();
    if (!shown) {
        refillGrid(grid);
        return;
    }
    const int count = tableCount(workspace_.catalogue(), grid);
    const std::optional<int> record =
        change ? change->slotAfter(grid, *shown, count)
               : (*shown <= count ? std::optional<int>(*shown) : std::nullopt);
    view.rows = gridRows(grid, workspace_.catalogue(), editor_.filters, refrigerant_,
                         workspace_.refrigerants());
    view.currentRow = 0;
    if (record)
        for (std::size_t r = 0; r < view.rows.size(); ++r)
            if (view.rows[r].index == *record) {
                view.currentRow = static_cast<int>(r) + 1;
                break;
            }
}

void EditorSession::refreshDisplay(EditorUpdate& update)
{
    if (!calculating_ || editor_.selectionKind == EditorSelectionKind::None)
        return;
    update.panels = true;
    update.inputs = true;
    DistinctMessageSink sink;
    const auto clearAll = [this] {
        clearPanels();
        editor_.panels.refrigerant = refrigerant_;
        editor_.panels.compressorModelDiffers = false;
        editor_.panels.condenserModelDiffers = false;
        editor_.chart.reset();
    };
    if (editor_.selectionKind == EditorSelectionKind::Unit) {
        const auto unit = editor_.grid(EditorGrid::Units).currentIndex();
        if (!unit) {
            clearAll();
        } else {
            showUnitPanels(*unit);
            showUnitBalance(*unit, sink);
            for (const EditorGrid g :
                 {EditorGrid::Compressors, EditorGrid::Condensers, EditorGrid::Frames})
                update.cursor(g);
        }
    } else if (const auto pair = currentPair(editor_)) {
        showPairBalance(pair->compressor, pair->condenser, sink);
    } else {
        clearAll();
    }
    update.messages.insert(update.messages.end(), sink.messages.begin(), sink.messages.end());
}

void EditorSession::workspaceChanged(const WorkspaceChange& change)
{
    EditorUpdate update;
    switch (change.kind) {
    case WorkspaceChange::Kind::PropertyTable:
        if (change.refrigerant != refrigerant_)
            return;
        refreshDisplay(update);
        break;
    case WorkspaceChange::Kind::Records:
    case WorkspaceChange::Kind::Reload: {
        for (const EditorGrid grid : kEveryGrid)
            if (change.touches(grid) ||
                (grid == EditorGrid::Units && change.touches(EditorGrid::Compressors))) {
                refillGridFollowing(grid, &change);
                update.grid(grid);
            }
        // Panel16 names a frame by its slot: it follows the frame too.
        if (const auto frame = parseInteger(editor_.panels.frameIndex);
            frame && change.touches(EditorGrid::Frames)) {
            const Catalogue& catalogue = workspace_.catalogue();
            const auto now = change.slotAfter(EditorGrid::Frames, *frame, catalogue.frames.count());
            editor_.panels.frameIndex = now ? std::to_string(*now) : std::string();
            editor_.panels.frameName = now ? catalogue.frames[*now].name.str() : std::string();
        }
        update.rowsChanged = true;
        update.history = true;
        update.panels = true;
        refreshDisplay(update);
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
