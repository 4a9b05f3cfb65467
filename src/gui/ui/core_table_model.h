#pragma once

#include <QAbstractTableModel>

namespace kelvo::gui
{

// A table model over data the core owns. Subclasses report their current row count and cells;
// refresh() tells the views what changed after the core rebuilt the data: rows added or
// removed at the end, and every remaining cell possibly new. Views keep their own widgets, so
// a refill of hundreds of rows costs one pass over the visible cells.
class CoreTableModel : public QAbstractTableModel
{
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const final
    {
        return parent.isValid() ? 0 : shownRows_;
    }

    // Call after the core data changed.
    void refresh();

  protected:
    // The number of rows the data has now.
    virtual int currentRowCount() const = 0;

  private:
    int shownRows_ = 0;
};

} // namespace kelvo::gui
