#include "gui/selection/candidate_list_view.h"

#include <QKeyEvent>

#include "gui/ui/focus_frame.h"

namespace kelvo::gui
{

QModelIndex CandidateListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveHome || action == MoveEnd)
        modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(action, modifiers);
}

void CandidateListView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex check = currentIndex().siblingAtColumn(0);
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && check.isValid() &&
        (model()->flags(check) & Qt::ItemIsUserCheckable)) {
        const bool ticked = check.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        model()->setData(check, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        return;
    }
    QTableView::keyPressEvent(event);
}

void CandidateListView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (hasFocus())
        paintFocusFrame(viewport());
}

void CandidateListView::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void CandidateListView::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}

} // namespace kelvo::gui
