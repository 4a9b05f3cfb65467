#include "gui/reports/pair_report_window.h"

#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTime>
#include <QUrl>
#include <QVBoxLayout>

#include "core/app/language_table.h"
#include "core/editor/editor_session.h"
#include "core/selection/selection_export.h"
#include "core/spreadsheet/first_row_cells.h"
#include "core/spreadsheet/workbook_writer.h"
#include "core/text/message_sink.h"
#include "gui/ui/palette.h"
#include "gui/ui/picture_button.h"
#include "gui/ui/qt_text.h"
#include "gui/ui/secondary_window.h"

namespace kelvo::gui
{
namespace
{

enum Field { Ambient1, Ambient2, Ambient3, Min, Max, Step, Suction, Subcooling };

QGroupBox* group(const char* caption, QWidget* parent)
{
    return new QGroupBox(QString::fromUtf8(caption), parent);
}

} // namespace

PairReportWindow::PairReportWindow(EditorSession& session, const ReportPair& pair, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), pair_(pair)
{
    setObjectName("TForm3");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8("Parametry wydruku"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kSkyBlue);
    setPalette(p);

    chooseFile_ = [this](const QString& suggested) -> std::optional<QString> {
        // The dialog adds the suffix itself, so that it asks before replacing that file too.
        QFileDialog dialog(this, QString::fromUtf8("Zapisz raport"), suggested,
                           QString::fromUtf8("Skoroszyt (*.xlsx)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("xlsx");
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().front();
    };
    open_ = [](const QString& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    present_ = [this](const QString& text) {
        QMessageBox::information(this, "KelvoSoftware", text);
    };

    const PairReportInputs defaults = editorReportInputs(session_, pair_);
    auto* columns = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    columns->addLayout(left, 1);

    // Which pair the report is made of, as the editor's grids name them.
    const Catalogue& catalogue = session_.workspace().catalogue();
    auto* pairNames = new QLabel(
        QString::fromUtf8("Sprężarka: %1 (Poz. %2)\nSkraplacz: %3 (Poz. %4)")
            .arg(fromCatalogueText(catalogue.compressors[pair_.compressor].model.str()).trimmed())
            .arg(pair_.compressor)
            .arg(fromCatalogueText(catalogue.condensers[pair_.condenser].model.str()).trimmed())
            .arg(pair_.condenser),
        this);
    pairNames->setObjectName("ReportPair");
    QFont bold = pairNames->font();
    bold.setBold(true);
    pairNames->setFont(bold);
    left->addWidget(pairNames);

    auto* ambient = group("Temperatura otoczenia", this);
    auto* ambientGrid = new QGridLayout(ambient);
    edits_[Ambient1] = addField(ambientGrid, 0, "(1)", "Edit1", defaults.ambient1, true);
    edits_[Ambient2] = addField(ambientGrid, 1, "(2)", "Edit2", defaults.ambient2, true);
    edits_[Ambient3] = addField(ambientGrid, 2, "(3)", "Edit3", defaults.ambient3, true);
    auto* evaporating = group("Temperatura parowania", this);
    auto* evaporatingGrid = new QGridLayout(evaporating);
    edits_[Min] = addField(evaporatingGrid, 0, "Min", "Edit4", defaults.min, true);
    edits_[Max] = addField(evaporatingGrid, 1, "Max", "Edit5", defaults.max, true);
    edits_[Step] = addField(evaporatingGrid, 2, "Przyrost", "Edit6", defaults.step, true);
    auto* temperatures = new QHBoxLayout;
    temperatures->addWidget(ambient);
    temperatures->addWidget(evaporating);
    left->addLayout(temperatures);

    auto* suction = group("Temperatura pary na ssaniu czynnika chłodniczego", this);
    auto* suctionGrid = new QGridLayout(suction);
    edits_[Suction] = addField(suctionGrid, 0, "t", "Edit7", defaults.suction, true);
    left->addWidget(suction);
    auto* subcooling = group("Dochłodzenie czynnika chłodniczego", this);
    auto* subcoolingGrid = new QGridLayout(subcooling);
    edits_[Subcooling] = addField(subcoolingGrid, 0, "td", "Edit8", defaults.subcooling, false);
    left->addWidget(subcooling);
    left->addStretch();

    const QString picture = QString::fromStdString(
        (session_.workspace().dataFolder() / "art" / "spreadsheet.svg").string());
    auto* button = new PictureButton("Panel1", "Image1", picture, this);
    button->setHint("Microsoft Office Excel");
    button->setCaption(QString::fromUtf8("&Raport"));
    button->setFixedSize(96, 112);
    connect(button, &PictureButton::clicked, this, &PairReportWindow::produceReport);
    columns->addWidget(button, 0, Qt::AlignCenter);

    closeWithEscape(this);
    resize(QSize(640, 344).expandedTo(sizeHint()));
}

QLineEdit* PairReportWindow::addField(QGridLayout* grid, int row, const char* label,
                                      const char* name, const std::string& text, bool unit)
{
    auto* caption = new QLabel(QString::fromUtf8(label));
    auto* edit = new QLineEdit(fromUtf8Text(text));
    edit->setObjectName(name);
    edit->setMaxLength(20);
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    if (unit)
        grid->addWidget(new QLabel("[C]"), row, 2);
    return edit;
}

void PairReportWindow::produceReport()
{
    PairReportInputs inputs = editorReportInputs(session_, pair_);
    const auto text = [this](Field field) { return edits_[field]->text().toStdString(); };
    inputs.ambient1 = text(Ambient1);
    inputs.ambient2 = text(Ambient2);
    inputs.ambient3 = text(Ambient3);
    inputs.min = text(Min);
    inputs.max = text(Max);
    inputs.step = text(Step);
    inputs.suction = text(Suction);
    inputs.subcooling = text(Subcooling);
    const QLocale locale = QLocale::system();
    inputs.date = locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    // The long time format without the time zone, which the toolkit's long format adds.
    const QString timeFormat = locale.timeFormat(QLocale::LongFormat).remove('t').trimmed();
    inputs.time = locale.toString(QTime::currentTime(), timeFormat).toStdString();

    DistinctMessageSink sink;
    const PairReport report =
        buildPairReport(session_.workspace(), {session_.refrigerant(), session_.result()},
                        pair_.compressor, pair_.condenser, inputs, sink);
    QStringList said;
    for (const auto& message : sink.messages)
        said << fromUtf8Text(message).replace('\r', '\n');

    if (!report.cells.empty()) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const auto file = chooseFile_(QDir(folder).filePath(
            fromUtf8Text(pairReportFileName(session_.workspace().catalogue(), pair_))));
        if (!file)
            return;
        // A report cut short never takes the place of a file that was there.
        if (report.error && QFileInfo::exists(*file)) {
            said << QString::fromUtf8("Raport przerwany: ") + fromUtf8Text(*report.error) +
                        QString::fromUtf8("\nPlik %1 pozostał bez zmian.")
                            .arg(QDir::toNativeSeparators(*file));
            present_(said.join("\n\n"));
            return;
        }
        try {
            writeWorkbook(std::filesystem::path(QFile::encodeName(*file).data()), report.cells,
                          report.widths);
        } catch (const SpreadsheetError& error) {
            present_(QString::fromUtf8("Raport nie został zapisany: ") +
                     fromUtf8Text(spreadsheetErrorText(error, kPolish)));
            return;
        }
        if (report.error)
            said << QString::fromUtf8("Raport przerwany: ") + fromUtf8Text(*report.error) +
                        QString::fromUtf8("\nW pliku jest to, co powstało do tego miejsca.");
        if (!open_(*file))
            said << QString::fromUtf8("Raport zapisano w pliku %1; żaden program nie otworzył "
                                      "go automatycznie.")
                        .arg(QDir::toNativeSeparators(*file));
    } else if (report.error) {
        said << fromUtf8Text(*report.error);
    }
    if (!said.isEmpty())
        present_(said.join("\n\n"));
}

} // namespace kelvo::gui
