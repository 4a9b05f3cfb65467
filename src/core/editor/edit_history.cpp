#include "core/editor/edit_history.h"

namespace kelvo
{
namespace
{

std::size_t stepBytes(const EditStep& step)
{
    return sizeof(EditStep) + step.description.capacity() + step.changes.bytes();
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

std::optional<std::vector<EditorGrid>> EditHistory::undo(Catalogue& catalogue)
{
    if (undo_.empty())
        return std::nullopt;
    Kept kept = std::move(undo_.back());
    undo_.pop_back();
    revertChanges(catalogue, kept.step.changes);
    auto tables = kept.step.changes.tables();
    redo_.push_back(std::move(kept));
    return tables;
}

std::optional<std::vector<EditorGrid>> EditHistory::redo(Catalogue& catalogue)
{
    if (redo_.empty())
        return std::nullopt;
    Kept kept = std::move(redo_.back());
    redo_.pop_back();
    applyChanges(catalogue, kept.step.changes);
    auto tables = kept.step.changes.tables();
    undo_.push_back(std::move(kept));
    return tables;
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
