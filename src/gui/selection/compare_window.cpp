#include "gui/selection/compare_window.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/control_captions.h"
#include "core/io/file_io.h"
#include "core/io/output_file.h"
#include "core/spreadsheet/first_row_cells.h"
#include "gui/ui/mnemonics.h"
#include "gui/ui/qt_text.h"
#include "gui/ui/secondary_window.h"

namespace kelvo::gui
{
namespace
{

// The fill of a best figure, as the exported workbook has it.
const QColor kBestFill{198, 239, 206};
// Pixels a window manager's frame takes of the screen's width.
constexpr int kFrameRoom = 16;

// The table's texts by row and column: caption, unit label, then one column per unit.
struct TableTexts {
    QStringList header;
    std::vector<QStringList> rows;
    std::vector<std::vector<bool>> best;
};

TableTexts tableTexts(const UnitComparison& comparison)
{
    TableTexts texts;
    texts.header << QString() << QString();
    // As the list numbers its rows.
    for (const int row : comparison.rows)
        texts.header << fromUtf8Text(comparison.rowCaption) + " " + QString::number(row);
    for (const ComparisonLine& line : comparison.lines) {
        QStringList row{fromUtf8Text(line.caption), fromUtf8Text(line.unitLabel)};
        std::vector<bool> best{false, false};
        for (const ComparisonCell& cell : line.cells) {
            row << fromUtf8Text(cell.text);
            best.push_back(cell.best);
        }
        texts.rows.push_back(row);
        texts.best.push_back(std::move(best));
    }
    return texts;
}

QString failureLines(const UnitComparison& comparison)
{
    QStringList lines;
    for (std::size_t u = 0; u < comparison.failures.size(); ++u)
        if (!comparison.failures[u].empty())
            lines << fromUtf8Text(comparison.rowCaption) + " " +
                         QString::number(comparison.rows[u]) + ": " +
                         fromUtf8Text(comparison.failures[u]).replace('\r', ' ');
    return lines.join('\n');
}

// Paints the page: heading, grid, legend and failures, scaled down to fit when needed.
void paintComparison(QPainter& painter, const QRectF& page, const UnitComparison& comparison)
{
    const TableTexts texts = tableTexts(comparison);
    QFont font("Sans Serif", 9);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double rowHeight = metrics.height() * 1.5;
    const double pad = metrics.averageCharWidth();
    const int columns = static_cast<int>(texts.header.size());
    std::vector<double> widths(static_cast<std::size_t>(columns), 0);
    const auto widen = [&](const QStringList& row) {
        for (int c = 0; c < row.size(); ++c)
            widths[static_cast<std::size_t>(c)] = std::max(
                widths[static_cast<std::size_t>(c)], metrics.horizontalAdvance(row[c]) + 2 * pad);
    };
    widen(texts.header);
    for (const QStringList& row : texts.rows)
        widen(row);
    double tableWidth = 0;
    for (const double w : widths)
        tableWidth += w;
    const double tableHeight = rowHeight * static_cast<double>(texts.rows.size() + 1);
    const double headingHeight = rowHeight * 2;
    const double footHeight = rowHeight * 4;
    const double scale = std::min({1.0, page.width() / tableWidth,
                                   page.height() / (headingHeight + tableHeight + footHeight)});
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRectF(0, 0, page.width() / scale, rowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, fromUtf8Text(comparison.heading));
    double y = headingHeight;
    const auto drawRow = [&](const QStringList& row, const std::vector<bool>* best, bool header) {
        double x = 0;
        for (int c = 0; c < row.size(); ++c) {
            const QRectF cell(x, y, widths[static_cast<std::size_t>(c)], rowHeight);
            const bool isBest = best && (*best)[static_cast<std::size_t>(c)];
            if (isBest || header)
                painter.fillRect(cell, isBest ? kBestFill : QColor(230, 230, 230));
            painter.setPen(QPen(Qt::gray, 0));
            painter.drawRect(cell);
            painter.setPen(Qt::black);
            painter.setFont(isBest || header ? bold : font);
            const Qt::Alignment align = c == 0 ? Qt::AlignLeft : Qt::AlignHCenter;
            painter.drawText(cell.adjusted(pad, 0, -pad, 0), align | Qt::AlignVCenter, row[c]);
            x += widths[static_cast<std::size_t>(c)];
        }
        y += rowHeight;
    };
    drawRow(texts.header, nullptr, true);
    for (std::size_t r = 0; r < texts.rows.size(); ++r)
        drawRow(texts.rows[r], &texts.best[r], false);
    y += rowHeight / 2;
    const QRectF swatch(0, y + rowHeight * 0.2, rowHeight, rowHeight * 0.6);
    painter.fillRect(swatch, kBestFill);
    painter.setPen(Qt::gray);
    painter.drawRect(swatch);
    painter.setPen(Qt::black);
    painter.setFont(font);
    painter.drawText(QRectF(rowHeight + pad, y, tableWidth, rowHeight), Qt::AlignVCenter,
                     fromUtf8Text(comparison.bestValueLegend));
    const QString failures = failureLines(comparison);
    if (!failures.isEmpty())
        painter.drawText(QRectF(0, y + rowHeight, page.width() / scale, rowHeight * 3),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, failures);
    painter.restore();
}

QString suggestedPath(const QString& extension)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).filePath("comparison." + extension);
}

} // namespace

bool writeComparisonPdf(const UnitComparison& comparison, const QString& path, QString* error)
{
    // The document is made whole in memory; only then does it replace the file.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&document);
        writer.setCreator(QStringLiteral("KelvoSoftware"));
        writer.setTitle(fromUtf8Text(comparison.heading));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        QPainter painter;
        if (!painter.begin(&writer)) {
            *error = QStringLiteral("The file %1 cannot be written.").arg(path);
            return false;
        }
        paintComparison(painter,
                        QRectF(writer.pageLayout().paintRectPixels(300))
                            .translated(-writer.pageLayout().paintRectPixels(300).topLeft()),
                        comparison);
        painter.end();
    }
    try {
        writeOutputFile(std::filesystem::path(QFile::encodeName(path).toStdString()),
                        std::string_view(document.data().constData(),
                                         static_cast<std::size_t>(document.data().size())));
    } catch (const FileError& failure) {
        *error = QStringLiteral("The file %1 cannot be written: %2")
                     .arg(path, QString::fromStdString(failure.reason()));
        return false;
    }
    return true;
}

CompareWindow::CompareWindow(UnitComparison comparison, int language, QWidget* parent)
    : QWidget(parent, Qt::Window), comparison_(std::move(comparison)), language_(language)
{
    setObjectName("CompareWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(fromUtf8Text(controlCaption(ControlCaption::Compare, language)) +
                   " - KelvoSoftware");
    chooseFile_ = [this](const QString& suggested,
                         const QString& filter) -> std::optional<QString> {
        const QString file = QFileDialog::getSaveFileName(this, "KelvoSoftware", suggested, filter);
        return file.isEmpty() ? std::nullopt : std::optional(file);
    };
    present_ = [this](const QString& message) {
        QMessageBox::warning(this, "KelvoSoftware", message);
    };

    auto* heading = new QLabel(fromUtf8Text(comparison_.heading), this);
    heading->setObjectName("CompareHeading");
    auto* legend = new QLabel(fromUtf8Text(comparison_.bestValueLegend), this);
    legend->setObjectName("BestValueLegend");
    legend->setAutoFillBackground(true);
    QPalette fill = legend->palette();
    fill.setColor(QPalette::Window, kBestFill);
    legend->setPalette(fill);
    legend->setMargin(3);
    auto* failures = new QLabel(failureLines(comparison_), this);
    failures->setObjectName("CompareFailures");
    failures->setWordWrap(true);
    failures->setVisible(!failures->text().isEmpty());

    const QStringList captions = withMnemonics({
        fromUtf8Text(controlCaption(ControlCaption::Export, language)),
        fromUtf8Text(controlCaption(ControlCaption::Pdf, language)),
        fromUtf8Text(controlCaption(ControlCaption::Close, language)),
    });
    auto* exportButton = new QPushButton(captions[0], this);
    exportButton->setObjectName("CompareExport");
    auto* pdfButton = new QPushButton(captions[1], this);
    pdfButton->setObjectName("ComparePdf");
    for (QPushButton* button : {exportButton, pdfButton}) {
        button->setAutoDefault(false);
    }
    connect(exportButton, &QPushButton::clicked, this, &CompareWindow::exportTable);
    connect(pdfButton, &QPushButton::clicked, this, &CompareWindow::writePdf);
    QHBoxLayout* buttons = closeButtonRow(this, language);
    buttons->insertWidget(0, exportButton);
    buttons->insertWidget(1, pdfButton);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 0);
    layout->addWidget(heading);
    QTableWidget* table = buildTable();
    layout->addWidget(table, 1);
    auto* legendRow = new QHBoxLayout;
    legendRow->addWidget(legend);
    legendRow->addStretch(1);
    layout->addLayout(legendRow);
    layout->addWidget(failures);
    layout->addLayout(buttons);
    closeWithEscape(this);
    // As wide as the columns need, within the screen; columns that would not fit share the
    // room and wrap their texts, which then take more lines instead of being cut.
    const int margins = layout->contentsMargins().left() + layout->contentsMargins().right() +
                        2 * table->frameWidth();
    const QScreen* screen = this->screen();
    const int room = (screen ? screen->availableGeometry().width() : 1280) - kFrameRoom - margins;
    fitColumns(table, room);
    const int tableHeight = table->horizontalHeader()->height() +
                            table->verticalHeader()->length() + 2 * table->frameWidth();
    const int others = sizeHint().height() - table->sizeHint().height();
    fitIntoScreen(this, QSize(std::max(560, table->horizontalHeader()->length() + margins),
                              std::max(420, tableHeight + others)));
    table->setFocus();
}

void CompareWindow::fitColumns(QTableWidget* table, int room)
{
    table->setWordWrap(true);
    table->resizeColumnsToContents();
    const int columns = table->columnCount();
    const int units = columns - 2;
    for (int c = 2; c < columns; ++c)
        table->setColumnWidth(c, std::max(table->columnWidth(c), kMinUnitColumn));
    if (units > 0 && table->horizontalHeader()->length() > room) {
        // The captions keep their width as long as the units get a readable share.
        int fixed = table->columnWidth(0) + table->columnWidth(1);
        int share = (room - fixed) / units;
        if (share < kMinUnitColumn) {
            table->setColumnWidth(0, std::max(kMinCaptionColumn, room - table->columnWidth(1) -
                                                                     units * kMinUnitColumn));
            fixed = table->columnWidth(0) + table->columnWidth(1);
            share = std::max(kMinUnitColumn, (room - fixed) / units);
        }
        for (int c = 2; c < columns; ++c)
            table->setColumnWidth(c, std::min(table->columnWidth(c), share));
    }
    table->resizeRowsToContents();
}

QTableWidget* CompareWindow::buildTable()
{
    const TableTexts texts = tableTexts(comparison_);
    auto* table = new QTableWidget(static_cast<int>(texts.rows.size()),
                                   static_cast<int>(texts.header.size()), this);
    table->setObjectName("CompareTable");
    table->setHorizontalHeaderLabels(texts.header);
    table->verticalHeader()->setVisible(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setDefaultSectionSize(20);
    for (int r = 0; r < static_cast<int>(texts.rows.size()); ++r) {
        const QStringList& row = texts.rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < row.size(); ++c) {
            auto* item = new QTableWidgetItem(row[c]);
            if (c >= 2)
                item->setTextAlignment(Qt::AlignCenter);
            // The first line names the units, as a header would.
            const bool best = texts.best[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            if (best)
                item->setBackground(kBestFill);
            if (best || r == 0) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            table->setItem(r, c, item);
        }
    }
    return table;
}

std::optional<QString> CompareWindow::chosenFile(const QString& suggested, const QString& filter)
{
    auto file = chooseFile_(suggested, filter);
    if (file && refuse_) {
        if (const QString refused = refuse_(*file); !refused.isEmpty()) {
            present_(refused);
            return std::nullopt;
        }
    }
    return file;
}

void CompareWindow::exportTable()
{
    const auto file = chosenFile(suggestedPath("xlsx"), "Excel (*.xlsx);;CSV (*.csv)");
    if (!file)
        return;
    const ExportFormat format =
        file->endsWith(".csv", Qt::CaseInsensitive) ? ExportFormat::Csv : ExportFormat::Xlsx;
    try {
        writeComparisonExport(std::filesystem::path(QFile::encodeName(*file).data()), comparison_,
                              format);
    } catch (const SpreadsheetError& error) {
        present_(fromUtf8Text(spreadsheetErrorText(error, language_)));
    } catch (const FileError& error) {
        present_(QString::fromStdString(error.path().string()) + ": " +
                 fromUtf8Text(error.reason()));
    }
}

void CompareWindow::writePdf()
{
    const auto file = chosenFile(suggestedPath("pdf"), "PDF (*.pdf)");
    if (!file)
        return;
    QString error;
    if (!writeComparisonPdf(comparison_, *file, &error))
        present_(error);
}

} // namespace kelvo::gui
