#pragma once

#include "core/editor/editor_filters.h"
#include "gui/ui/core_table_model.h"

namespace kelvo
{
struct EditorGridView;
}

namespace kelvo::gui
{

// One of the editor's two-column grids over the core's grid view: "Poz." (the record's table
// index) and the record's name. An empty list shows one blank row.
class EditorGridModel : public CoreTableModel
{
    Q_OBJECT
  public:
    enum Role { TableIndexRole = Qt::UserRole + 1 }; // 0 on the blank row

    EditorGridModel(const EditorGridView& view, EditorGrid grid, QObject* parent);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  protected:
    int currentRowCount() const override;

  private:
    const EditorGridView& view_;
    EditorGrid grid_;
};

} // namespace kelvo::gui
