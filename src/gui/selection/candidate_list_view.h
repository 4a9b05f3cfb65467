#pragma once

#include <QTableView>

namespace kelvo::gui
{

// The candidate list's table: rows are what the user moves between, so Home and End go to the
// first and the last row (a table's own Home and End go to the first and last column), and
// Space ticks or clears the current row's check box, wherever the cell cursor is. While it has
// the keyboard focus it says so with a frame, which the whole-row highlight alone does not.
class CandidateListView : public QTableView
{
    Q_OBJECT
  public:
    using QTableView::QTableView;

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace kelvo::gui
