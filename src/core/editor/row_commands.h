#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/editor/row_operations.h"

namespace kelvo
{

struct ApplicationState;

// The row operations as the editor window's menus offer them, on the current rows of its
// grids. Each records its step in the editor's history and refills the grids it names.
enum class RowCommand {
    AddUnit,
    AddCompressor,
    AddCondenser,
    AddFrame,
    DeleteCompressor,
    DeleteCondenser,
    DeleteUnit,
    MoveCompressor,
    MoveCondenser,
    MoveUnit,
    CopyEnvelopes,
    CopyCompressor,
    AssignCondenser,
    AssignCompressor,
    AssignFrame,
};

struct RowCommandEntry {
    RowCommand command;
    std::string_view menu;    // "Agregaty", "Sprężarki", "Skraplacze", "Rama"
    std::string_view caption; // menu item
    std::string_view objectName;
    // The single-line prompt asked before the command runs; empty caption when none.
    std::string_view promptCaption{};
    std::string_view prompt{};

    [[nodiscard]] bool asks() const { return !promptCaption.empty(); }
};

// Every command, in menu order within each menu.
std::span<const RowCommandEntry> rowCommands();
const RowCommandEntry& rowCommandEntry(RowCommand command);

// Whether the command can ask its prompt and run: nullopt when it can; otherwise what to show
// instead (a grid it reads has no current row: nothing happens, and the copy commands say
// "Akcja anulowana !" and why, as they do for every failed answer).
std::optional<RowEdit> rowCommandUnavailable(const ApplicationState& state, RowCommand command);

// Runs the command on the current rows with the prompt's answer (empty when cancelled or
// when it has no prompt). Refills the grids the result names; "Dodaj nowy agregat" then
// selects the unit grid's last row, "Przyporządkuj ramę" shows the frame now linked in Panel15.
RowEdit runRowCommand(ApplicationState& state, RowCommand command, std::string_view answer = {});

// "Cofnij" / "Ponów": the tables the step touched are refilled. False when there was no step.
bool undoEdit(ApplicationState& state);
bool redoEdit(ApplicationState& state);

} // namespace kelvo
