#include "gui/editor/editor_grid_model.h"

#include "core/editor/editor_grids.h"
#include "gui/ui/qt_text.h"

namespace kelvo::gui
{

EditorGridModel::EditorGridModel(const EditorGridView& view, EditorGrid grid, QObject* parent)
    : CoreTableModel(parent), view_(view), grid_(grid)
{
    refresh();
}

int EditorGridModel::currentRowCount() const
{
    return view_.rowCount() - 1; // the header row is the view's own
}

int EditorGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant EditorGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const GridRow* record = row < view_.rows.size() ? &view_.rows[row] : nullptr;
    if (role == TableIndexRole)
        return record ? record->index : 0;
    if (role != Qt::DisplayRole || !record)
        return {};
    return index.column() == 0 ? QVariant(QString::number(record->index))
                               : QVariant(fromCatalogueText(record->name));
}

QVariant EditorGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return fromUtf8Text(gridIndexCaption());
    if (section == 1)
        return fromUtf8Text(gridNameCaption(grid_));
    return {};
}

} // namespace kelvo::gui
