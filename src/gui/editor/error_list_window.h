#pragma once

#include <QWidget>
#include <vector>

#include "core/editor/consistency_checks.h"

class QListWidget;
class QStatusBar;

namespace kelvo::gui
{

// "TForm6" ("Lista błędów"): the lines of one check, not modal. The three error checks fill
// its list "ListBox1"; "Sprawdź dane" fills a second, captioned section "ListBox2" instead.
// A double click on a line that names a row asks for that row to be shown in its grid.
class ErrorListWindow : public QWidget
{
    Q_OBJECT
  public:
    enum class Section { Errors, Data };
    ErrorListWindow(const std::vector<CheckLine>& lines, Section section,
                    QWidget* parent = nullptr);

    // Rows were added, deleted or moved since the check: the row numbers may name other
    // records now, so a double click no longer leads anywhere and a note says why.
    void markOutdated();
    [[nodiscard]] bool outdated() const { return outdated_; }

  signals:
    void recordChosen(kelvo::EditorGrid table, int index);

  private:
    QListWidget* list_ = nullptr;
    QStatusBar* status_ = nullptr;
    bool outdated_ = false;
};

} // namespace kelvo::gui
