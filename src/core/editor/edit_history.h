#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_changes.h"
#include "core/editor/editor_filters.h"

namespace kelvo
{

// One step of the editor's history: what one row operation or one record editor's session did.
struct EditStep {
    std::string description; // UTF-8, e.g. "Usuń wiersz – sprężarka 12"
    ChangeSet changes;
};

// "Cofnij" / "Ponów" of the catalogue editor. Steps are kept as the changes they made, and the
// oldest are dropped when the history would hold more than byteLimit bytes.
class EditHistory
{
  public:
    static constexpr std::size_t kDefaultByteLimit = std::size_t{64} << 20;

    EditHistory() = default;
    explicit EditHistory(std::size_t byteLimit) : byteLimit_(byteLimit) {}

    // A new step: the redo list is dropped. A step that changed nothing is not kept.
    void record(EditStep step);
    void clear();

    [[nodiscard]] bool canUndo() const { return !undo_.empty(); }
    [[nodiscard]] bool canRedo() const { return !redo_.empty(); }
    // Description of the step Cofnij / Ponów would take; empty when there is none.
    [[nodiscard]] std::string undoDescription() const;
    [[nodiscard]] std::string redoDescription() const;

    // Takes the last step back (or does the last undone one again) by handing its changes to
    // `carryOut`, and returns the tables it touched; nullopt when there is nothing to take.
    using CarryOut = std::function<void(const ChangeSet&)>;
    std::optional<std::vector<EditorGrid>> undo(const CarryOut& revert);
    std::optional<std::vector<EditorGrid>> redo(const CarryOut& apply);
    // The same on a catalogue directly.
    std::optional<std::vector<EditorGrid>> undo(Catalogue& catalogue);
    std::optional<std::vector<EditorGrid>> redo(Catalogue& catalogue);

    [[nodiscard]] std::size_t bytes() const { return bytes_; }
    [[nodiscard]] std::size_t undoSteps() const { return undo_.size(); }

  private:
    struct Kept {
        EditStep step;
        std::size_t bytes = 0; // counted once, when recorded
    };
    void dropOldest();

    std::size_t byteLimit_ = kDefaultByteLimit;
    std::deque<Kept> undo_;
    std::vector<Kept> redo_;
    std::size_t bytes_ = 0;
};

} // namespace kelvo
