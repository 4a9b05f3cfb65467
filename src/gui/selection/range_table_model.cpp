#include "gui/selection/range_table_model.h"

#include <QColor>

#include "gui/ui/qt_text.h"

namespace kelvo::gui
{

RangeTableModel::RangeTableModel(Figure figure, QObject* parent)
    : CoreTableModel(parent), figure_(figure)
{
    refresh();
}

void RangeTableModel::show(const RangeTables* tables)
{
    tables_.reset();
    if (tables) {
        tables_ = *tables;
        // Emptied tables keep their rows, so that the grid keeps its height.
        ambientRows_ = static_cast<int>(tables->ambientTexts.size());
    }
    const int wanted = tables ? std::max(10, static_cast<int>(tables->columns.size()) + 1) : 10;
    if (wanted > columns_) {
        beginInsertColumns({}, columns_, wanted - 1);
        columns_ = wanted;
        endInsertColumns();
    } else if (wanted < columns_) {
        beginRemoveColumns({}, wanted, columns_ - 1);
        columns_ = wanted;
        endRemoveColumns();
    }
    refresh();
}

int RangeTableModel::currentRowCount() const
{
    return ambientRows_ + 1;
}

int RangeTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QString RangeTableModel::text(int row, int column) const
{
    if (!tables_)
        return {};
    const auto k = static_cast<std::size_t>(row - 1);
    const auto c = static_cast<std::size_t>(column - 1);
    if (row == 0 && column == 0)
        return fromCatalogueText(tables_->cornerText);
    if (column == 0)
        return fromCatalogueText(tables_->ambientTexts[k]);
    if (c >= tables_->columns.size())
        return {};
    const RangeColumn& figures = tables_->columns[c];
    if (row == 0)
        return fromCatalogueText(figures.toText);
    const auto& cells = figure_ == Figure::Capacity ? figures.capacity : figures.power;
    return fromCatalogueText(cells[k].shown());
}

QString RangeTableModel::hint(int row, int column) const
{
    if (!tables_ || row == 0 || column == 0)
        return {};
    const auto c = static_cast<std::size_t>(column - 1);
    if (c >= tables_->columns.size())
        return {};
    const auto& cells =
        figure_ == Figure::Capacity ? tables_->columns[c].capacity : tables_->columns[c].power;
    const RangeCell& cell = cells[static_cast<std::size_t>(row - 1)];
    return reasonLines(cell.reason, cell.envelopeReason);
}

QVariant RangeTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::ToolTipRole: {
        const QString h = hint(index.row(), index.column());
        return h.isEmpty() ? QVariant() : QVariant(h);
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::BackgroundRole:
        if (index.row() == 0 || index.column() == 0)
            return QColor(225, 225, 225);
        return {};
    default:
        return {};
    }
}

} // namespace kelvo::gui
