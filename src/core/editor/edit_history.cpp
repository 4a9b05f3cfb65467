#include "core/editor/edit_history.h"

namespace kelvo
{
namespace
{

std::size_t stepBytes(const EditStep& step)
{
    return sizeof(EditStep) + step.description.capacity() + step.changes.bytes();
}

// Takes the last step of `from`, carries it out on the catalogue and keeps it last in `to`;
// returns the tables it touches.
template <class From, class To>
std::optional<std::vector<EditorGrid>> passLastStep(From& from, To& to,
                                                    const EditHistory::CarryOut& carryOut)
{
    if (from.empty())
        return std::nullopt;
    auto kept = std::move(from.back());
    from.pop_back();
    carryOut(kept.step.changes);
    auto tables = kept.step.changes.tables();
    to.push_back(std::move(kept));
    return tables;
}

} // namespace

void EditHistory::record(EditStep step)
{
    if (step.changes.empty())
        return;
    for (const Kept& dropped : redo_)
        bytes_ -= dropped.bytes;
    redo_.clear();
    const std::size_t size = stepBytes(step);
    bytes_ += size;
    undo_.push_back({std::move(step), size});
    dropOldest();
}

void EditHistory::clear()
{
    undo_.clear();
    redo_.clear();
    bytes_ = 0;
}

std::string EditHistory::undoDescription() const
{
    return undo_.empty() ? std::string() : undo_.back().step.description;
}

std::string EditHistory::redoDescription() const
{
    return redo_.empty() ? std::string() : redo_.back().step.description;
}

std::optional<std::vector<EditorGrid>> EditHistory::undo(const CarryOut& revert)
{
    return passLastStep(undo_, redo_, revert);
}

std::optional<std::vector<EditorGrid>> EditHistory::redo(const CarryOut& apply)
{
    return passLastStep(redo_, undo_, apply);
}

std::optional<std::vector<EditorGrid>> EditHistory::undo(Catalogue& catalogue)
{
    return undo([&catalogue](const ChangeSet& set) { revertChanges(catalogue, set); });
}

std::optional<std::vector<EditorGrid>> EditHistory::redo(Catalogue& catalogue)
{
    return redo([&catalogue](const ChangeSet& set) { applyChanges(catalogue, set); });
}

void EditHistory::dropOldest()
{
    // The newest step always stays, however large: it is the one the user may want back.
    while (bytes_ > byteLimit_ && undo_.size() > 1) {
        bytes_ -= undo_.front().bytes;
        undo_.pop_front();
    }
}

} // namespace kelvo
