#include "core/editor/row_command_runner.h"

#include <stdexcept>

#include "core/editor/coefficient_import.h"
#include "core/workspace/workspace.h"

namespace kelvo
{
namespace
{

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

int current(const HighlightedRecords& listing, EditorGrid grid)
{
    // unavailable() has ruled out a missing row; 0 is refused by every operation.
    return listing.currentIndex(grid).value_or(0);
}

RowEdit run(Catalogue& catalogue, const HighlightedRecords& state, const EditorInputs& inputs,
            const RefrigerantRegistry& refrigerants, RowCommand command, std::string_view answer)
{
    switch (command) {
    case RowCommand::AddUnit:
        return addUnit(catalogue,
                       {state.refrigerant(), current(state, EditorGrid::Compressors),
                        current(state, EditorGrid::Condensers), current(state, EditorGrid::Frames),
                        inputs.compressorCount, inputs.condenserCount},
                       state.filters(), refrigerants);
    case RowCommand::AddCompressor:
        return addEmptyRecord(catalogue, EditorGrid::Compressors, state.refrigerant());
    case RowCommand::AddCondenser:
        return addEmptyRecord(catalogue, EditorGrid::Condensers, state.refrigerant());
    case RowCommand::AddFrame:
        return addEmptyRecord(catalogue, EditorGrid::Frames, state.refrigerant());
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
                              state.refrigerant());
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

std::optional<RowEdit> RowCommandRunner::unavailable(RowCommand command) const
{
    for (EditorGrid grid : gridsRead(command))
        if (!listing_.currentIndex(grid)) {
            RowEdit nothing;
            if (command == RowCommand::CopyEnvelopes || command == RowCommand::CopyCompressor)
                nothing.message = std::string(kActionCancelled) + "\rnie wybrano sprężarki";
            return nothing;
        }
    return std::nullopt;
}

std::string RowCommandRunner::promptDefault(RowCommand command) const
{
    std::optional<int> position;
    if (command == RowCommand::AssignCondenser)
        position = listing_.currentIndex(EditorGrid::Condensers);
    else if (command == RowCommand::AssignCompressor)
        position = listing_.currentIndex(EditorGrid::Compressors);
    else if (command == RowCommand::AssignFrame)
        position = listing_.currentIndex(EditorGrid::Frames);
    return position ? std::to_string(*position) : std::string();
}

std::optional<std::string> RowCommandRunner::questionBefore(RowCommand command,
                                                            std::string_view answer) const
{
    if (unavailable(command))
        return std::nullopt;
    const Catalogue& catalogue = workspace_.catalogue();
    switch (command) {
    case RowCommand::DeleteCompressor:
    case RowCommand::DeleteCondenser: {
        const EditorGrid grid = gridsRead(command).front();
        return deleteQuestion(catalogue, grid, current(listing_, grid));
    }
    case RowCommand::CopyEnvelopes:
    case RowCommand::CopyCompressor:
        return copyQuestion(catalogue,
                            command == RowCommand::CopyEnvelopes ? CompressorCopy::Envelopes
                                                                 : CompressorCopy::WholeRecord,
                            current(listing_, EditorGrid::Compressors), answer);
    default:
        return std::nullopt;
    }
}

RowEdit RowCommandRunner::run(RowCommand command, std::string_view answer,
                              const EditorInputs& inputs)
{
    if (auto nothing = unavailable(command))
        return *std::move(nothing);
    RowEdit edit;
    {
        // The workspace tells every view what the edit did.
        CatalogueEdit change(workspace_);
        edit = kelvo::run(change.catalogue(), listing_, inputs, workspace_.refrigerants(), command,
                          answer);
        change.done(edit.done ? edit.step.changes : ChangeSet{});
    }
    record(edit);
    return edit;
}

std::optional<int> RowCommandRunner::currentCompressor() const
{
    return listing_.currentIndex(EditorGrid::Compressors);
}

RowEdit RowCommandRunner::importCoefficients(int set, const std::vector<std::string>& cells)
{
    const auto compressor = currentCompressor();
    if (!compressor)
        return {};
    RowEdit edit;
    {
        CatalogueEdit change(workspace_);
        edit = kelvo::importCoefficients(change.catalogue(), *compressor, set, cells);
        change.done(edit.done ? edit.step.changes : ChangeSet{});
    }
    record(edit);
    return edit;
}

RowEdit RowCommandRunner::importCoefficients(int set, const std::filesystem::path& file)
{
    const auto compressor = currentCompressor();
    if (!compressor)
        return {};
    RowEdit edit;
    {
        CatalogueEdit change(workspace_);
        edit = importCoefficientsFromFile(change.catalogue(), *compressor, set, file);
        change.done(edit.done ? edit.step.changes : ChangeSet{});
    }
    record(edit);
    return edit;
}

void RowCommandRunner::record(const RowEdit& edit)
{
    if (edit.done)
        history_.record(edit.step);
}

std::optional<std::vector<EditorGrid>> RowCommandRunner::undo()
{
    return history_.undo([this](const ChangeSet& set) { workspace_.revert(set); });
}

std::optional<std::vector<EditorGrid>> RowCommandRunner::redo()
{
    return history_.redo([this](const ChangeSet& set) { workspace_.reapply(set); });
}

} // namespace kelvo
