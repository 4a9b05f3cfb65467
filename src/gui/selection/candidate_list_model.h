#pragma once

#include <vector>

#include "core/text/display_units.h"
#include "gui/ui/core_table_model.h"

namespace kelvo
{
struct CandidateColumn;
struct CandidateList;
class LanguageTable;
} // namespace kelvo

namespace kelvo::gui
{

// The candidate list "StringGrid1": the window's columns of kCandidateColumns for every listed
// unit. An empty list shows one blank row, as the window always has a data row. The first column
// carries a check box that marks the unit for the comparison; ticking it asks, the window
// decides.
class CandidateListModel : public CoreTableModel
{
    Q_OBJECT
  public:
    enum Role {
        UnitIndexRole = Qt::UserRole + 1, // the unit's index in the catalogue, 0 on a blank row
        ListRowRole,                      // the row's number 1 .., 0 on a blank row
    };

    // `compared` holds the marked units' catalogue indexes.
    CandidateListModel(const CandidateList& list, const std::vector<int>& compared,
                       const LanguageTable& languages, QObject* parent);

    // The headers follow the language table's current language.
    void applyLanguage();
    // The figures and headers in these units, numbers with `separator`.
    void setUnits(UnitSystem units, char separator);

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    // The marks changed: the check boxes are drawn again.
    void marksChanged();

  signals:
    // The user ticked or cleared the check box of list row `row` (1 ..).
    void markRequested(int row, bool marked);

  protected:
    int currentRowCount() const override;

  private:
    const CandidateList& list_;
    const std::vector<int>& compared_;
    const LanguageTable& languages_;
    std::vector<const CandidateColumn*> columns_;
    UnitSystem units_ = UnitSystem::Si;
    char separator_ = ',';
};

} // namespace kelvo::gui
