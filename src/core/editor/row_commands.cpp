#include "core/editor/row_commands.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <vector>

#include "core/catalogue/lookups.h"
#include "core/editor/editor_grids.h"
#include "core/editor/editor_session.h"

namespace kelvo
{
namespace
{

constexpr std::string_view kUnits = "Agregaty";
constexpr std::string_view kCompressors = "Sprężarki";
constexpr std::string_view kCondensers = "Skraplacze";
constexpr std::string_view kFrames = "Rama";
constexpr std::string_view kAdd = "Dodaj wolny wiersz";
constexpr std::string_view kDelete = "Usuń wiersz";
constexpr std::string_view kMove = "Przesuń aktualny wiersz";
constexpr std::string_view kMoveCaption = "Dokąd kopiujemy ?";
constexpr std::string_view kRowPrompt = "Nr Wiersza :";
constexpr std::string_view kPositionPrompt = "Nr Poz. :";

constexpr std::array kCommands = {
    RowCommandEntry{RowCommand::AddUnit, kUnits, "Dodaj nowy agregat", "actionAddUnit"},
    RowCommandEntry{RowCommand::DeleteUnit, kUnits, kDelete, "actionDeleteUnit"},
    RowCommandEntry{RowCommand::MoveUnit, kUnits, kMove, "actionMoveUnit", kMoveCaption,
                    kRowPrompt},
    RowCommandEntry{RowCommand::AssignCondenser, kUnits, "Przyporządkuj skraplacz",
                    "actionAssignCondenser", "Skraplacz", kPositionPrompt},
    RowCommandEntry{RowCommand::AssignCompressor, kUnits, "Przyporządkuj sprężarkę",
                    "actionAssignCompressor", "Sprężarki", kPositionPrompt},
    RowCommandEntry{RowCommand::AssignFrame, kUnits, "Przyporządkuj ramę", "actionAssignFrame",
                    "Rama", kPositionPrompt},
    RowCommandEntry{RowCommand::AddCompressor, kCompressors, kAdd, "actionAddCompressor"},
    RowCommandEntry{RowCommand::DeleteCompressor, kCompressors, kDelete, "actionDeleteCompressor"},
    RowCommandEntry{RowCommand::MoveCompressor, kCompressors, kMove, "actionMoveCompressor",
                    kMoveCaption, kRowPrompt},
    RowCommandEntry{RowCommand::CopyEnvelopes, kCompressors, "Kopiuj kopertę",
                    "actionCopyEnvelopes", "Skąd", kRowPrompt},
    RowCommandEntry{RowCommand::CopyCompressor, kCompressors, "Kopiuj sprężarkę",
                    "actionCopyCompressor", "Skąd", kRowPrompt},
    RowCommandEntry{RowCommand::AddCondenser, kCondensers, kAdd, "actionAddCondenser"},
    RowCommandEntry{RowCommand::DeleteCondenser, kCondensers, kDelete, "actionDeleteCondenser"},
    RowCommandEntry{RowCommand::MoveCondenser, kCondensers, kMove, "actionMoveCondenser",
                    kMoveCaption, kRowPrompt},
    RowCommandEntry{RowCommand::AddFrame, kFrames, kAdd, "actionAddFrame"},
};

// The grids whose current rows the command reads.
std::vector<EditorGrid> gridsRead(RowCommand command)
{
    switch (command) {
    case RowCommand::AddUnit:
        return {EditorGrid::Compressors, EditorGrid::Condensers, EditorGrid::Frames};
    case RowCommand::AddCompressor:
    case RowCommand::AddCondenser:
    case RowCommand::AddFrame:
        return {};
    case RowCommand::DeleteCompressor:
    case RowCommand::MoveCompressor:
    case RowCommand::CopyEnvelopes:
    case RowCommand::CopyCompressor:
        return {EditorGrid::Compressors};
    case RowCommand::DeleteCondenser:
    case RowCommand::MoveCondenser:
        return {EditorGrid::Condensers};
    case RowCommand::DeleteUnit:
    case RowCommand::MoveUnit:
    case RowCommand::AssignCondenser:
    case RowCommand::AssignCompressor:
    case RowCommand::AssignFrame:
        return {EditorGrid::Units};
    }
    return {};
}

int current(const EditorState& state, EditorGrid grid)
{
    // rowCommandUnavailable has ruled out a missing row; 0 is refused by every operation.
    return state.grid(grid).currentIndex().value_or(0);
}

RowEdit run(Catalogue& catalogue, const EditorState& state, const std::string& refrigerant,
            const RefrigerantRegistry& refrigerants, RowCommand command, std::string_view answer)
{
    switch (command) {
    case RowCommand::AddUnit:
        return addUnit(catalogue,
                       {refrigerant, current(state, EditorGrid::Compressors),
                        current(state, EditorGrid::Condensers), current(state, EditorGrid::Frames),
                        state.inputs.compressorCount, state.inputs.condenserCount},
                       state.filters, refrigerants);
    case RowCommand::AddCompressor:
        return addEmptyRecord(catalogue, EditorGrid::Compressors, refrigerant);
    case RowCommand::AddCondenser:
        return addEmptyRecord(catalogue, EditorGrid::Condensers, refrigerant);
    case RowCommand::AddFrame:
        return addEmptyRecord(catalogue, EditorGrid::Frames, refrigerant);
    case RowCommand::DeleteCompressor:
    case RowCommand::DeleteCondenser:
    case RowCommand::DeleteUnit: {
        const EditorGrid grid = gridsRead(command).front();
        return deleteRecord(catalogue, grid, current(state, grid));
    }
    case RowCommand::MoveCompressor:
    case RowCommand::MoveCondenser:
    case RowCommand::MoveUnit: {
        const EditorGrid grid = gridsRead(command).front();
        return moveRecord(catalogue, grid, current(state, grid), answer);
    }
    case RowCommand::CopyEnvelopes:
        return copyEnvelopes(catalogue, current(state, EditorGrid::Compressors), answer);
    case RowCommand::CopyCompressor:
        return copyCompressor(catalogue, current(state, EditorGrid::Compressors), answer,
                              refrigerant);
    case RowCommand::AssignCondenser:
        return assignToUnit(catalogue, EditorGrid::Condensers, current(state, EditorGrid::Units),
                            answer);
    case RowCommand::AssignCompressor:
        return assignToUnit(catalogue, EditorGrid::Compressors, current(state, EditorGrid::Units),
                            answer);
    case RowCommand::AssignFrame:
        return assignToUnit(catalogue, EditorGrid::Frames, current(state, EditorGrid::Units),
                            answer);
    }
    throw std::invalid_argument("unknown row command");
}

} // namespace

std::span<const RowCommandEntry> rowCommands()
{
    return kCommands;
}

const RowCommandEntry& rowCommandEntry(RowCommand command)
{
    for (const RowCommandEntry& entry : kCommands)
        if (entry.command == command)
            return entry;
    throw std::invalid_argument("unknown row command");
}

std::optional<RowEdit> EditorSession::rowCommandUnavailable(RowCommand command) const
{
    for (EditorGrid grid : gridsRead(command))
        if (!editor_.grid(grid).currentIndex()) {
            RowEdit nothing;
            if (command == RowCommand::CopyEnvelopes || command == RowCommand::CopyCompressor)
                nothing.message = std::string(kActionCancelled) + "\rnie wybrano sprężarki";
            return nothing;
        }
    return std::nullopt;
}

std::string EditorSession::promptDefault(RowCommand command) const
{
    std::optional<int> position;
    if (command == RowCommand::AssignCondenser)
        position = editor_.grid(EditorGrid::Condensers).currentIndex();
    else if (command == RowCommand::AssignCompressor)
        position = editor_.grid(EditorGrid::Compressors).currentIndex();
    else if (command == RowCommand::AssignFrame)
        position = editor_.grid(EditorGrid::Frames).currentIndex();
    return position ? std::to_string(*position) : std::string();
}

std::optional<std::string> EditorSession::questionBefore(RowCommand command,
                                                         std::string_view answer) const
{
    if (rowCommandUnavailable(command))
        return std::nullopt;
    const Catalogue& catalogue = workspace_.catalogue();
    switch (command) {
    case RowCommand::DeleteCompressor:
    case RowCommand::DeleteCondenser: {
        const EditorGrid grid = gridsRead(command).front();
        return deleteQuestion(catalogue, grid, current(editor_, grid));
    }
    case RowCommand::CopyEnvelopes:
    case RowCommand::CopyCompressor:
        return copyQuestion(catalogue,
                            command == RowCommand::CopyEnvelopes ? CompressorCopy::Envelopes
                                                                 : CompressorCopy::WholeRecord,
                            current(editor_, EditorGrid::Compressors), answer);
    default:
        return std::nullopt;
    }
}

RowEdit EditorSession::recordEdit(RowEdit edit)
{
    if (edit.done)
        editor_.history.record(edit.step);
    EditorUpdate update;
    update.history = true;
    tell(update);
    return edit;
}

RowEdit EditorSession::runRowCommand(RowCommand command, std::string_view answer)
{
    if (auto unavailable = rowCommandUnavailable(command))
        return *std::move(unavailable);
    RowEdit edit;
    {
        // The workspace tells this session (and every other view) what the edit did.
        CatalogueEdit change(workspace_);
        edit = run(change.catalogue(), editor_, refrigerant_, workspace_.refrigerants(), command,
                   answer);
        change.done(edit.done ? edit.step.changes : ChangeSet{});
    }
    if (!edit.done)
        return edit;
    EditorUpdate update;
    if (command == RowCommand::AddUnit) {
        EditorGridView& units = editor_.grid(EditorGrid::Units);
        units.currentRow = units.rowCount() - 1;
        units.currentColumn = 0;
        update.cursor(EditorGrid::Units);
        if (editor_.selectionKind == EditorSelectionKind::Unit)
            refreshDisplay(update);
    }
    if (command == RowCommand::AssignFrame) {
        const Catalogue& catalogue = workspace_.catalogue();
        editor_.panels.frameName =
            catalogue.frames[findFrameOfUnit(catalogue, edit.index)].name.str();
        update.panels = true;
    }
    tell(update);
    return recordEdit(std::move(edit));
}

void EditorSession::showFrameOfCurrentUnit(const std::vector<EditorGrid>& tables)
{
    // Panel15 names the frame of the current unit; a step taken back or done again may have
    // changed its link (an assignment) or the unit itself.
    const bool unitsChanged =
        std::find(tables.begin(), tables.end(), EditorGrid::Units) != tables.end() ||
        std::find(tables.begin(), tables.end(), EditorGrid::Frames) != tables.end();
    const auto unit = editor_.grid(EditorGrid::Units).currentIndex();
    if (unitsChanged && unit && !editor_.panels.frameName.empty()) {
        const Catalogue& catalogue = workspace_.catalogue();
        editor_.panels.frameName = catalogue.frames[findFrameOfUnit(catalogue, *unit)].name.str();
    }
}

bool EditorSession::undo()
{
    return stepTaken(
        editor_.history.undo([this](const ChangeSet& set) { workspace_.revert(set); }));
}

bool EditorSession::redo()
{
    return stepTaken(
        editor_.history.redo([this](const ChangeSet& set) { workspace_.reapply(set); }));
}

bool EditorSession::stepTaken(const std::optional<std::vector<EditorGrid>>& tables)
{
    if (tables)
        showFrameOfCurrentUnit(*tables);
    EditorUpdate update;
    update.history = true;
    update.panels = true;
    tell(update);
    return tables.has_value();
}

} // namespace kelvo
