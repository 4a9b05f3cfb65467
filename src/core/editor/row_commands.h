#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/editor/row_operations.h"

namespace kelvo
{

// The row operations as the editor window's menus offer them, on the current rows of its
// grids. Each records its step in the editor's history.
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

// The editor window's menus, in menu-bar order.
enum class EditorMenu {
    Program,
    Edit,
    Refrigerant,
    Frames,
    Condensers,
    Compressors,
    Units,
    Data,
    Help
};
inline constexpr int kEditorMenuCount = 9;
// The menu's caption (UTF-8): "Program", "Edycja", "Czynnik chłodniczy", "Rama", ...
std::string_view editorMenuCaption(EditorMenu menu);

struct RowCommandEntry {
    RowCommand command;
    EditorMenu menu;          // Units, Compressors, Condensers or Frames
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

// Whether a command can ask its prompt and run, running it, undo and redo: RowCommandRunner.

} // namespace kelvo
