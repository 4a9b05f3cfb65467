#pragma once

#include <vector>

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
// unit. An empty list shows one blank row, as the window always has a data row.
class CandidateListModel : public CoreTableModel
{
    Q_OBJECT
  public:
    enum Role {
        UnitIndexRole = Qt::UserRole + 1, // the unit's index in the catalogue, 0 on a blank row
        ListRowRole,                      // the row's number 1 .., 0 on a blank row
    };

    CandidateListModel(const CandidateList& list, const LanguageTable& languages, QObject* parent);

    // The headers follow the language table's current language.
    void applyLanguage();

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  protected:
    int currentRowCount() const override;

  private:
    const CandidateList& list_;
    const LanguageTable& languages_;
    std::vector<const CandidateColumn*> columns_;
};

} // namespace kelvo::gui
