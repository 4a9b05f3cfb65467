#pragma once

#include <QTableView>

namespace kelvo::gui
{

// The candidate list's table: rows are what the user moves between, so Home and End go to the
// first and the last row (a table's own Home and End go to the first and last column), and
// Space ticks or clears the current row's check box, wherever the cell cursor is.
class CandidateListView : public QTableView
{
    Q_OBJECT
  public:
    using QTableView::QTableView;

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kelvo::gui
