#include "gui/selection/candidate_list_model.h"

#include <QColor>

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

CandidateListModel::CandidateListModel(const CandidateList& list, QObject* parent)
    : CoreTableModel(parent), list_(list)
{
    refresh();
}

void CandidateListModel::setHeaders(const QStringList& headers)
{
    headers_ = headers;
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int CandidateListModel::currentRowCount() const
{
    return std::max(1, static_cast<int>(list_.rows.size()));
}

int CandidateListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CandidateListModel::data(const QModelIndex& index, int role) const
{
    const Candidate* c = list_.row(index.row() + 1);
    if (!c || !index.isValid())
        return role == UnitIndexRole || role == ListRowRole ? QVariant(0) : QVariant();
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Position:
            return QString::number(index.row() + 1);
        case Unit:
            return fromCatalogueText(c->unitName.view());
        case Capacity:
            return QString::fromStdString(c->capacityText + c->mark + c->envelopeMark);
        case Power:
            return QString::fromStdString(c->powerText + c->mark + c->envelopeMark);
        default:
            return {};
        }
    case Qt::TextAlignmentRole:
        if (index.column() >= Capacity)
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
    case UnitIndexRole:
        return c->unitIndex;
    case ListRowRole:
        return index.row() + 1;
    default:
        return {};
    }
}

QVariant CandidateListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= headers_.size())
        return {};
    return headers_[section];
}

} // namespace kelvo::gui
