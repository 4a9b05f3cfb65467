#include "core/editor/editor_session.h"

#include "core/editor/catalogue_saving.h"

#include "core/app/application_state.h"
#include "core/app/message_sink.h"
#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/lookups.h"
#include "core/io/file_io.h"

namespace kelvo
{
namespace
{

constexpr const char* kOpeningRefrigerant = "R404A";

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

BalanceDisplay pairRowClicked(ApplicationState& state, EditorSelectionKind kind, MessageSink& sink)
{
    if (!state.refrigerant.calculationEnabled)
        return {};
    const auto pair = currentPair(state.editor);
    if (!pair)
        return {};
    state.editor.selectionKind = kind;
    state.editor.inputs.countsEnabled = true;
    setEvaporatingList(state.editor.inputs, pairEvaporatingList(state.displayDecimalSeparator));
    return showPairBalance(state, pair->compressor, pair->condenser, sink);
}

} // namespace

void resetEditor(ApplicationState& state)
{
    EditorState& editor = state.editor;
    editor = EditorState{};
    editor.inputs = initialEditorInputs(state.displayDecimalSeparator);
    state.refrigerant.condenserHeatFactor = kDefaultCondenserHeatFactor;
    for (std::size_t i = 0; i < kEditorRefrigerantMenu.size(); ++i)
        editor.refrigerantChecks[i] =
            std::string_view(kEditorRefrigerantMenu[i]) == kOpeningRefrigerant;
}

EditorOpening openEditor(ApplicationState& state, const LoadProgress& progress)
{
    EditorOpening opening;
    {
        const CalculationPause pause(state);
        resetEditor(state);
        initRefrigerantNames(state.refrigerant.refrigerantNames);
        try {
            const CatalogueLoad load = loadCatalogue(state.catalogue, state.programDir);
            opening.catalogueLoaded = true;
            opening.message = load.recovery;
            state.editor.catalogueLoaded = true;
            state.editor.filesOnDisk = load.files;
        } catch (const CatalogueFileError& error) {
            opening.message = (opening.message.empty() ? "" : opening.message + "\r") +
                              error.path().string() + ": " + error.reason();
        }
        clearBalanceDisplay(state);
    }
    state.refrigerant.calculationEnabled = true;
    const std::string tableFailure = selectRefrigerant(state, kOpeningRefrigerant, progress);
    if (!tableFailure.empty())
        opening.message += (opening.message.empty() ? "" : "\r") + tableFailure;
    rememberSavedCatalogue(state);
    return opening;
}

std::string selectRefrigerant(ApplicationState& state, std::string_view name,
                              const LoadProgress& progress)
{
    std::size_t item = 0;
    while (item < kEditorRefrigerantMenu.size() && kEditorRefrigerantMenu[item] != name)
        ++item;
    if (item == kEditorRefrigerantMenu.size())
        return "Nieznany czynnik chłodniczy: " + std::string(name);

    const CalculationPause pause(state);
    EditorState& editor = state.editor;
    for (std::size_t i = 0; i < editor.refrigerantChecks.size(); ++i)
        editor.refrigerantChecks[i] = i == item;
    state.currentRefrigerant = kEditorRefrigerantMenu[item];
    editor.panels.refrigerant = state.currentRefrigerant;

    std::string failure;
    try {
        loadRefrigerantTable(state.refrigerant, state.programDir,
                             refrigerantTableFileName(state.currentRefrigerant), progress);
    } catch (const FileError& error) {
        failure = error.what();
    }
    for (const EditorGrid grid :
         {EditorGrid::Compressors, EditorGrid::Condensers, EditorGrid::Units, EditorGrid::Frames})
        refillGrid(state, grid);
    return failure;
}

std::optional<EditorGrid> filterBoxClicked(ApplicationState& state, std::string_view objectName,
                                           bool ticked)
{
    bool* tick = findEditorFilterTick(state.editor.filters, objectName);
    if (!tick)
        return std::nullopt;
    *tick = ticked;
    for (const EditorFilterBox& box : editorFilterBoxes()) {
        if (box.option->objectName == objectName) {
            refillGrid(state, box.refills);
            return box.refills;
        }
    }
    return std::nullopt;
}

BalanceDisplay compressorRowClicked(ApplicationState& state, MessageSink& sink)
{
    return pairRowClicked(state, EditorSelectionKind::Compressor, sink);
}

BalanceDisplay condenserRowClicked(ApplicationState& state, MessageSink& sink)
{
    return pairRowClicked(state, EditorSelectionKind::Condenser, sink);
}

BalanceDisplay unitRowClicked(ApplicationState& state, MessageSink& sink)
{
    if (!state.refrigerant.calculationEnabled)
        return {};
    const auto unit = state.editor.grid(EditorGrid::Units).currentIndex();
    if (!unit)
        return {};
    state.editor.selectionKind = EditorSelectionKind::Unit;
    state.editor.inputs.countsEnabled = false;
    showUnitRecord(state, *unit);
    return showUnitBalance(state, *unit, sink);
}

bool frameRowClicked(ApplicationState& state)
{
    if (!state.refrigerant.calculationEnabled)
        return false;
    const auto frame = state.editor.grid(EditorGrid::Frames).currentIndex();
    if (!frame)
        return false;
    state.editor.inputs.countsEnabled = true;
    state.editor.panels.frameName = state.catalogue.frames[*frame].name.str();
    state.editor.panels.frameIndex = std::to_string(*frame);
    return true;
}

void showUnitRecord(ApplicationState& state, int unitIndex)
{
    const Catalogue& catalogue = state.catalogue;
    const CondensingUnitRecord& unit = catalogue.units[unitIndex];
    EditorState& editor = state.editor;
    editor.panels.compressorModel = unit.compressorModel.str();
    editor.panels.refrigerant = unit.refrigerant.str();
    editor.panels.condenserModel = unit.condenserModel.str();
    editor.inputs.compressorCount = unit.compressorCount.str();
    editor.inputs.condenserCount = unit.condenserCount.str();
    editor.panels.frameName = catalogue.frames[findFrameOfUnit(catalogue, unitIndex)].name.str();
    // Refilling the list selects its first item, which must not run a display of its own.
    const CalculationPause pause(state);
    setEvaporatingList(editor.inputs, unitEvaporatingList(unit, state.displayDecimalSeparator));
}

BalanceDisplay inputChanged(ApplicationState& state, MessageSink& sink)
{
    if (state.editor.selectionKind == EditorSelectionKind::Unit) {
        const auto unit = state.editor.grid(EditorGrid::Units).currentIndex();
        if (!unit)
            return {};
        return showUnitBalance(state, *unit, sink);
    }
    const auto pair = currentPair(state.editor);
    if (!pair)
        return {};
    return showPairBalance(state, pair->compressor, pair->condenser, sink);
}

void heatFactorTextChanged(ApplicationState& state, std::string_view text)
{
    state.editor.inputs.heatFactor = std::string(text);
    state.refrigerant.condenserHeatFactor = condenserHeatFactorFromText(text);
}

} // namespace kelvo
