#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

#include "gui/reports/report_layout.h"
#include "gui/reports/report_painter.h"
#include "gui/ui/output_guard.h"

class QPainter;
class QPagedPaintDevice;
class QWidget;

namespace kelvo::gui
{

// The report engine: a layout file names its reports, a program chooses one, hands it named
// text parameters and executes it to a preview, a printer or a PDF file. Used in this order:
// openProject, selectReport, setParameter..., execute..., closeProject.
class ReportEngine
{
  public:
    // Reads the layout file. A missing or unreadable file answers false; errorText() then
    // names it.
    bool openProject(const QString& layoutPath);
    // Chooses a report of the open layout by name; false (and nothing chosen) for a name the
    // layout does not have.
    bool selectReport(const QString& name);
    // Sets or replaces a named parameter; names the report does not use are ignored.
    void setParameter(const QString& name, const QString& text);
    // Gives the charts that the report's chart elements name; a name without a source is left
    // blank.
    void setCharts(ChartLookup charts) { charts_ = std::move(charts); }
    void setLayoutTexts(LayoutTextRewrite rewrite) { layoutTexts_ = std::move(rewrite); }
    // Refuses a PDF the preview's save would write over a file the program may not replace.
    void setOutputCheck(OutputCheck check) { refuse_ = std::move(check); }
    // Writes the chosen report to a PDF file; false with errorText() when the file cannot be
    // written or nothing is chosen.
    bool executeToPdf(const QString& path);
    // Paints the chosen report on a printer or another paged device (full page, our margins).
    bool executeToDevice(QPagedPaintDevice& device);
    // Shows the chosen report in a modal preview with printing and saving as PDF; its buttons
    // are captioned in `language`.
    void executeToPreview(QWidget* parent, int language);
    // Forgets the layout, the chosen report and the parameters.
    void closeProject();

    [[nodiscard]] QString errorText() const { return error_; }
    [[nodiscard]] bool isOpen() const { return layout_.has_value(); }
    [[nodiscard]] const ReportDefinition* selectedReport() const;
    // In the order first set.
    [[nodiscard]] const QList<QPair<QString, QString>>& parameters() const { return parameters_; }
    [[nodiscard]] std::optional<QString> parameter(const QString& name) const;

    // Paints the chosen report's pages on a painter whose device is a whole page, starting a
    // new page of `device` before each page after the first.
    void paintPages(QPainter& painter, QPagedPaintDevice& device) const;

  private:
    // The report's document title with its parameters filled in.
    [[nodiscard]] QString expandedTitle(const ReportDefinition& report) const;

    std::optional<ReportLayout> layout_;
    int selected_ = -1;
    QList<QPair<QString, QString>> parameters_;
    ChartLookup charts_;
    LayoutTextRewrite layoutTexts_;
    OutputCheck refuse_;
    QString error_;
};

} // namespace kelvo::gui
