#include "gui/reports/report_engine.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <filesystem>
#include <string_view>

#include "core/io/file_io.h"
#include "core/io/output_file.h"
#include "gui/reports/report_painter.h"
#include "gui/reports/report_preview.h"
#include "gui/ui/secondary_window.h"

namespace kelvo::gui
{
namespace
{

QPageLayout fullPageLayout(const ReportDefinition& report)
{
    const QPageSize size(report.pageSize, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

// A file name made of the title's letters, digits and a few safe marks.
QString suggestedFileName(const QString& title)
{
    QString name;
    for (const QChar c : title.simplified())
        name += c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('.')
                    ? c
                    : QLatin1Char('_');
    return (name.isEmpty() ? QStringLiteral("report") : name) + QStringLiteral(".pdf");
}

} // namespace

QString ReportEngine::expandedTitle(const ReportDefinition& report) const
{
    return expandParameters(report.title, [this](const QString& name) { return parameter(name); })
        .simplified();
}

bool ReportEngine::openProject(const QString& layoutPath)
{
    closeProject();
    layout_ = loadReportLayout(layoutPath, &error_);
    return layout_.has_value();
}

bool ReportEngine::selectReport(const QString& name)
{
    selected_ = -1;
    if (!layout_)
        return false;
    for (int i = 0; i < layout_->reports.size(); ++i)
        if (layout_->reports[i].name == name)
            selected_ = i;
    return selected_ >= 0;
}

void ReportEngine::setParameter(const QString& name, const QString& text)
{
    for (auto& parameter : parameters_) {
        if (parameter.first == name) {
            parameter.second = text;
            return;
        }
    }
    parameters_.append({name, text});
}

std::optional<QString> ReportEngine::parameter(const QString& name) const
{
    for (const auto& parameter : parameters_)
        if (parameter.first == name)
            return parameter.second;
    return std::nullopt;
}

const ReportDefinition* ReportEngine::selectedReport() const
{
    if (!layout_ || selected_ < 0)
        return nullptr;
    return &layout_->reports[selected_];
}

void ReportEngine::paintPages(QPainter& painter, QPagedPaintDevice& device) const
{
    const ReportDefinition* report = selectedReport();
    if (!report)
        return;
    const auto lookup = [this](const QString& name) { return parameter(name); };
    for (int page = 1; page <= report->pageCount(); ++page) {
        if (page > 1)
            device.newPage();
        paintReportPage(painter, *report, page, lookup, charts_, layoutTexts_);
    }
}

bool ReportEngine::executeToDevice(QPagedPaintDevice& device)
{
    const ReportDefinition* report = selectedReport();
    if (!report) {
        error_ = QStringLiteral("No report is chosen.");
        return false;
    }
    device.setPageLayout(fullPageLayout(*report));
    QPainter painter;
    if (!painter.begin(&device)) {
        error_ = QStringLiteral("The output cannot be opened.");
        return false;
    }
    paintPages(painter, device);
    return painter.end();
}

bool ReportEngine::executeToPdf(const QString& path)
{
    const ReportDefinition* report = selectedReport();
    if (!report) {
        error_ = QStringLiteral("No report is chosen.");
        return false;
    }
    // The document is made whole in memory; only then does it replace the file, so a failure
    // leaves what was there.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&document);
        writer.setCreator(QStringLiteral("KelvoSoftware"));
        writer.setTitle(expandedTitle(*report));
        writer.setResolution(600);
        if (!executeToDevice(writer)) {
            error_ = QStringLiteral("The file %1 cannot be written.").arg(path);
            return false;
        }
    }
    try {
        writeOutputFile(std::filesystem::path(QFile::encodeName(path).toStdString()),
                        std::string_view(document.data().constData(),
                                         static_cast<std::size_t>(document.data().size())));
    } catch (const FileError& error) {
        error_ = QStringLiteral("The file %1 cannot be written: %2")
                     .arg(path, QString::fromStdString(error.reason()));
        return false;
    }
    return true;
}

void ReportEngine::executeToPreview(QWidget* parent, int language)
{
    const ReportDefinition* report = selectedReport();
    if (!report)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(fullPageLayout(*report));
    printer.setDocName(expandedTitle(*report));
    printer.setCreator(QStringLiteral("KelvoSoftware"));
    const auto savePdf = [this, parent, report] {
        QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(),
                                                    suggestedFileName(expandedTitle(*report)),
                                                    QStringLiteral("PDF (*.pdf)"));
        if (path.isEmpty())
            return;
        if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            path += QStringLiteral(".pdf");
        if (const QString refused = refuse_ ? refuse_(path) : QString(); !refused.isEmpty()) {
            QMessageBox::warning(QApplication::activeWindow(), expandedTitle(*report), refused);
            return;
        }
        if (!executeToPdf(path))
            QMessageBox::warning(QApplication::activeWindow(), expandedTitle(*report), errorText());
    };
    ReportPreview preview(
        printer,
        [this](QPainter& painter, QPagedPaintDevice& device) { paintPages(painter, device); },
        savePdf, language, parent);
    preview.setWindowTitle(expandedTitle(*report));
    returnFocusOnClose(&preview, parent);
    preview.exec();
}

void ReportEngine::closeProject()
{
    layout_.reset();
    selected_ = -1;
    parameters_.clear();
    error_.clear();
    charts_ = {};
    layoutTexts_ = {};
}

} // namespace kelvo::gui
