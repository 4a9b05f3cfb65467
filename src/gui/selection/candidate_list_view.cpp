#include "gui/selection/candidate_list_view.h"

namespace kelvo::gui
{

QModelIndex CandidateListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveHome || action == MoveEnd)
        modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(action, modifiers);
}

} // namespace kelvo::gui
