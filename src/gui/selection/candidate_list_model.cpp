#include "gui/selection/candidate_list_model.h"

#include <QColor>
#include <algorithm>

#include "core/app/language_table.h"
#include "core/selection/candidate_columns.h"
#include "core/selection/candidate_list.h"
#include "gui/ui/qt_text.h"

namespace kelvo::gui
{
namespace
{

const QColor kFailedRow{245, 215, 215};
const QColor kFailedText{120, 40, 40};
const QColor kGaveUpRow{250, 235, 190};
const QColor kOutsideEnvelopeRow{228, 222, 246};

} // namespace

CandidateListModel::CandidateListModel(const CandidateList& list, const std::vector<int>& compared,
                                       const LanguageTable& languages, QObject* parent)
    : CoreTableModel(parent), list_(list), compared_(compared), languages_(languages),
      columns_(candidateColumns(CandidateOutput::Window))
{
    refresh();
}

void CandidateListModel::applyLanguage()
{
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void CandidateListModel::setUnits(UnitSystem units, char separator)
{
    units_ = units;
    separator_ = separator;
    applyLanguage();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int CandidateListModel::currentRowCount() const
{
    return std::max(1, static_cast<int>(list_.rows.size()));
}

int CandidateListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant CandidateListModel::data(const QModelIndex& index, int role) const
{
    const Candidate* c = list_.row(index.row() + 1);
    if (!c || !index.isValid() || index.column() >= columnCount())
        return role == UnitIndexRole || role == ListRowRole ? QVariant(0) : QVariant();
    const CandidateColumn& column = *columns_[static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return fromUtf8Text(inUnits(column.cell(*c, index.row() + 1, CandidateOutput::Window),
                                    column, units_, separator_)
                                .shown());
    case Qt::TextAlignmentRole:
        if (column.rightAligned)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return {};
    case Qt::BackgroundRole:
        if (!c->evaluated)
            return kFailedRow;
        if (c->gaveUp)
            return kGaveUpRow;
        return c->envelopeMark.empty() ? QVariant() : QVariant(kOutsideEnvelopeRow);
    case Qt::ForegroundRole:
        return c->evaluated ? QVariant() : QVariant(kFailedText);
    case Qt::ToolTipRole: {
        const QString hint = reasonLines(c->reason, c->envelopeReason);
        return hint.isEmpty() ? QVariant() : QVariant(hint);
    }
    case Qt::CheckStateRole:
        if (index.column() != 0)
            return {};
        return std::find(compared_.begin(), compared_.end(), c->unitIndex) != compared_.end()
                   ? Qt::Checked
                   : Qt::Unchecked;
    case UnitIndexRole:
        return c->unitIndex;
    case ListRowRole:
        return index.row() + 1;
    default:
        return {};
    }
}

Qt::ItemFlags CandidateListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = CoreTableModel::flags(index);
    if (index.column() == 0 && list_.row(index.row() + 1))
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool CandidateListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != 0 || !list_.row(index.row() + 1))
        return false;
    emit markRequested(index.row() + 1, value.toInt() == Qt::Checked);
    return true;
}

void CandidateListModel::marksChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

QVariant CandidateListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount())
        return {};
    return fromUtf8Text(columns_[static_cast<std::size_t>(section)]->headerIn(
        CandidateOutput::Window, languages_, languages_.currentLanguage(), units_));
}

} // namespace kelvo::gui
