#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "core/reports/editor_pair_report.h"

class QGridLayout;
class QLineEdit;

namespace kelvo
{
class EditorSession;
}

namespace kelvo::gui
{

// "Parametry wydruku" (TForm3): the capacity report of the editor's current compressor and
// condenser, written to an .xlsx workbook the user names and then opened.
class PairReportWindow : public QWidget
{
    Q_OBJECT
  public:
    PairReportWindow(EditorSession& session, const ReportPair& pair, QWidget* parent = nullptr);

    // Where the report goes (nullopt when the user cancels), how it is opened (false when no
    // program opens it) and how messages are shown; replaced in tests.
    using SaveChooser = std::function<std::optional<QString>(const QString& suggestedPath)>;
    using Opener = std::function<bool(const QString& path)>;
    using MessagePresenter = std::function<void(const QString& text)>;
    void setSaveChooser(SaveChooser chooser) { chooseFile_ = std::move(chooser); }
    void setOpener(Opener opener) { open_ = std::move(opener); }
    void setMessagePresenter(MessagePresenter presenter) { present_ = std::move(presenter); }

    // The click on the workbook picture.
    void produceReport();

  private:
    QLineEdit* addField(QGridLayout* grid, int row, const char* label, const char* name,
                        const std::string& text, bool unit);

    EditorSession& session_;
    ReportPair pair_;
    // Edit1 .. Edit8.
    std::array<QLineEdit*, 8> edits_{};
    SaveChooser chooseFile_;
    Opener open_;
    MessagePresenter present_;
};

} // namespace kelvo::gui
