#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "core/selection/unit_comparison.h"
#include "gui/ui/output_guard.h"

class QTableWidget;

namespace kelvo::gui
{

// The comparison as a one-page landscape PDF: heading, table with the best figures
// highlighted, legend. The file is replaced only when the whole document was made; false with
// `error` set when nothing was written.
bool writeComparisonPdf(const UnitComparison& comparison, const QString& path, QString* error);

// "CompareWindow": the units marked in the selection's list side by side, the best figures
// highlighted, with buttons that export the table (.xlsx or .csv), write it as PDF and close the
// window. It shows the comparison it was given; it computes nothing.
class CompareWindow : public QWidget
{
    Q_OBJECT
  public:
    CompareWindow(UnitComparison comparison, int language, QWidget* parent);

    // Asks where a file goes: the suggested name and the file types offered; nullopt: cancelled.
    using FileChooser =
        std::function<std::optional<QString>(const QString& suggested, const QString& filter)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    // Shows a failure; replaced in tests.
    using MessagePresenter = std::function<void(const QString& message)>;
    void setMessagePresenter(MessagePresenter presenter) { present_ = std::move(presenter); }
    // Refuses a file the program may not write over (a file of the data folder).
    void setOutputCheck(OutputCheck check) { refuse_ = std::move(check); }

    // The buttons' actions, also driven by tests.
    void exportTable();
    void writePdf();

  private:
    QTableWidget* buildTable();
    // Column widths for a table of `room` pixels at most: every text whole, wrapped where a
    // column gets less than its longest text.
    static void fitColumns(QTableWidget* table, int room);
    static constexpr int kMinUnitColumn = 110;
    static constexpr int kMinCaptionColumn = 120;

    UnitComparison comparison_;
    // The chosen file, or nullopt when cancelled or refused (the refusal shown).
    std::optional<QString> chosenFile(const QString& suggested, const QString& filter);

    FileChooser chooseFile_;
    MessagePresenter present_;
    OutputCheck refuse_;
    int language_;
};

} // namespace kelvo::gui
