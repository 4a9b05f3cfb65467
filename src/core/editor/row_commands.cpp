#include "core/editor/row_commands.h"

#include <array>
#include <stdexcept>

namespace kelvo
{
namespace
{

constexpr EditorMenu kUnits = EditorMenu::Units;
constexpr EditorMenu kCompressors = EditorMenu::Compressors;
constexpr EditorMenu kCondensers = EditorMenu::Condensers;
constexpr EditorMenu kFrames = EditorMenu::Frames;
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

constexpr std::array<std::string_view, kEditorMenuCount> kMenuCaptions = {
    "Program", "Edycja", "Czynnik chłodniczy", "Rama", "Skraplacze", "Sprężarki", "Agregaty",
    "Dane",    "Pomoc"};

} // namespace

std::string_view editorMenuCaption(EditorMenu menu)
{
    return kMenuCaptions.at(static_cast<std::size_t>(menu));
}

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

} // namespace kelvo
