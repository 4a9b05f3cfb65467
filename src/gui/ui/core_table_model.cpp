#include "gui/ui/core_table_model.h"

namespace kelvo::gui
{

void CoreTableModel::refresh()
{
    const int rows = currentRowCount();
    if (rows > shownRows_) {
        beginInsertRows({}, shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    } else if (rows < shownRows_) {
        beginRemoveRows({}, rows, shownRows_ - 1);
        shownRows_ = rows;
        endRemoveRows();
    }
    if (rows > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

} // namespace kelvo::gui
