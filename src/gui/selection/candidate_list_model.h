#pragma once

#include <QStringList>

#include "gui/ui/core_table_model.h"

namespace kelvo
{
struct CandidateList;
}

namespace kelvo::gui
{

// The candidate list "StringGrid1": position, unit, capacity and power of every listed unit.
// An empty list shows one blank row, as the window always has a data row.
class CandidateListModel : public CoreTableModel
{
    Q_OBJECT
  public:
    enum Column { Position, Unit, Capacity, Power, ColumnCount };
    enum Role {
        UnitIndexRole = Qt::UserRole + 1, // the unit's index in the catalogue, 0 on a blank row
        ListRowRole,                      // the row's number 1 .., 0 on a blank row
    };

    CandidateListModel(const CandidateList& list, QObject* parent);

    void setHeaders(const QStringList& headers);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  protected:
    int currentRowCount() const override;

  private:
    const CandidateList& list_;
    QStringList headers_;
};

} // namespace kelvo::gui
