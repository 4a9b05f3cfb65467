#pragma once

#include "gui/ui/core_table_model.h"

#include <optional>

#include "core/selection/unit_details.h"

namespace kelvo::gui
{

// One operating-range table ("StringGrid2" capacity, "StringGrid3" power): the corner and the
// evaporating temperatures in row 0, the ambients (three, or four with the extra row) in
// column 0, the figures inside. It
// keeps at least ten columns so that the grid never looks cut short.
class RangeTableModel : public CoreTableModel
{
    Q_OBJECT
  public:
    enum class Figure { Capacity, Power };

    RangeTableModel(Figure figure, QObject* parent);

    // The tables shown (a copy is kept), or none: empty cells.
    void show(const RangeTables* tables);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  protected:
    int currentRowCount() const override;

  private:
    [[nodiscard]] QString text(int row, int column) const;
    [[nodiscard]] QString hint(int row, int column) const;

    Figure figure_;
    std::optional<RangeTables> tables_;
    int columns_ = 10;
    int ambientRows_ = kRangeAmbientCount;
};

} // namespace kelvo::gui
