// The editor window's menu commands and the windows they open.
#include "gui/editor/editor_window.h"

#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStatusBar>
#include <QTableView>

#include "core/app/language_table.h"
#include "core/editor/coefficient_import.h"
#include "core/editor/consistency_checks.h"
#include "core/editor/data_checks.h"
#include "core/reports/editor_pair_report.h"
#include "gui/app/information_window.h"
#include "gui/editor/error_list_window.h"
#include "gui/editor/record_editor_window.h"
#include "gui/reports/pair_report_window.h"
#include "gui/ui/qt_text.h"
#include "gui/ui/secondary_window.h"

namespace kelvo::gui
{

void EditorWindow::runMenuCommand(EditorCommand command)
{
    switch (command) {
    case EditorCommand::Save:
        save();
        return;
    case EditorCommand::PairReport:
        openPairReport();
        return;
    case EditorCommand::Exit:
        close();
        return;
    case EditorCommand::Undo:
        undo();
        return;
    case EditorCommand::Redo:
        redo();
        return;
    case EditorCommand::EditCondenser:
        openRecordEditor(EditorGrid::Condensers);
        return;
    case EditorCommand::EditCompressor:
        openRecordEditor(EditorGrid::Compressors);
        return;
    case EditorCommand::CheckCondensers:
    case EditorCommand::CheckCondenserData:
        runCheck(EditorGrid::Condensers, command == EditorCommand::CheckCondenserData);
        return;
    case EditorCommand::CheckCompressors:
    case EditorCommand::CheckCompressorData:
        runCheck(EditorGrid::Compressors, command == EditorCommand::CheckCompressorData);
        return;
    case EditorCommand::CheckUnits:
    case EditorCommand::CheckUnitData:
        runCheck(EditorGrid::Units, command == EditorCommand::CheckUnitData);
        return;
    case EditorCommand::ImportQo:
        importCoefficients(1);
        return;
    case EditorCommand::ImportPe:
        importCoefficients(2);
        return;
    case EditorCommand::About:
        openAbout();
        return;
    }
}
void EditorWindow::openAbout()
{
    if (about_)
        return;
    auto* window = new InformationWindow(session_->workspace().dataFolder(), kPolish, this);
    about_ = window;
    returnFocusOnClose(window, this);
    window->show();
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (std::size_t i = 0; i < ui_.grids.size(); ++i)
            if (watched == ui_.grids[i] && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                openRecordEditor(static_cast<EditorGrid>(i));
                return true;
            }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool EditorWindow::openRecordEditor(EditorGrid grid)
{
    if (recordEditor_)
        return false;
    auto record = session_->openRecordEditor(grid);
    if (!record)
        return false;
    setEnabled(false);
    try {
        auto* window = new RecordEditorWindow(*session_, std::move(record));
        recordEditor_ = window;
        connect(window, &RecordEditorWindow::closed, this, &EditorWindow::recordEditorClosed);
        returnFocusOnClose(window, ui_.grids[static_cast<std::size_t>(grid)]);
        window->show();
    } catch (const std::exception& error) {
        setEnabled(true);
        present_(fromUtf8Text(error.what()));
        return false;
    }
    return true;
}

RecordEditorWindow* EditorWindow::recordEditor() const
{
    return recordEditor_.data();
}

void EditorWindow::recordEditorClosed(EditorGrid)
{
    setEnabled(true);
    activateWindow();
}

void EditorWindow::runCommand(RowCommand command)
{
    if (const auto unavailable = session_->rowCommandUnavailable(command)) {
        if (!unavailable->message.empty())
            present_(fromUtf8Text(unavailable->message).replace('\r', '\n'));
        return;
    }
    const RowCommandEntry& entry = rowCommandEntry(command);
    QString answer;
    if (entry.asks())
        answer = prompt_(fromUtf8Text(entry.promptCaption), fromUtf8Text(entry.prompt),
                         fromUtf8Text(session_->promptDefault(command)))
                     .value_or(QString());
    const std::string typed = toCatalogueText(answer);
    if (const auto question = session_->questionBefore(command, typed))
        if (!confirm_(fromUtf8Text(*question)))
            return;
    const RowEdit edit = session_->runRowCommand(command, typed);
    if (!edit.message.empty())
        present_(fromUtf8Text(edit.message).replace('\r', '\n'));
}

void EditorWindow::undo()
{
    session_->undo();
}

void EditorWindow::redo()
{
    session_->redo();
}

void EditorWindow::runCheck(EditorGrid table, bool data)
{
    const Catalogue& catalogue = session_->workspace().catalogue();
    const RefrigerantRegistry& refrigerants = session_->workspace().refrigerants();
    std::vector<CheckLine> lines;
    if (data)
        lines = checkDataOf(catalogue, table);
    else if (table == EditorGrid::Units)
        lines = checkUnits(catalogue, refrigerants);
    else if (table == EditorGrid::Compressors)
        lines = checkCompressors(catalogue, refrigerants);
    else
        lines = checkCondensers(catalogue, refrigerants);
    // Each check replaces the list of the one before.
    delete errorList_.data();
    auto* window = new ErrorListWindow(lines, data ? ErrorListWindow::Section::Data
                                                   : ErrorListWindow::Section::Errors);
    errorList_ = window;
    connect(window, &ErrorListWindow::recordChosen, this, &EditorWindow::showReportedRecord);
    returnFocusOnClose(window, this);
    window->show();
}

void EditorWindow::openPairReport()
{
    const auto pair = currentReportPair(*session_);
    if (!pair)
        return;
    delete pairReport_.data();
    auto* window = new PairReportWindow(*session_, *pair, this);
    pairReport_ = window;
    returnFocusOnClose(window, this);
    // The report takes its counts from the information group: it stays in sight, where the
    // group is once the grids' new widths are laid out.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    placeClearOf(window, findChild<QGroupBox*>("GroupBoxInformation"));
    window->show();
}

QWidget* EditorWindow::pairReport() const
{
    return pairReport_.data();
}

void EditorWindow::importCoefficients(int set)
{
    if (!session_->currentCompressor())
        return;
    // Cells copied in a spreadsheet arrive as tab-separated text; without ten of them the user
    // picks a file.
    RowEdit edit;
    QString source = QString::fromUtf8("schowek");
    const QString clipboard = QGuiApplication::clipboard()->text();
    if (const auto cells = clipboardCoefficients(clipboard.toStdString())) {
        edit = session_->importCoefficients(set, *cells);
    } else {
        const auto file = pickFile_();
        if (!file)
            return;
        source = *file;
        edit = session_->importCoefficients(set,
                                            std::filesystem::path(QFile::encodeName(*file).data()));
    }
    if (edit.done)
        statusBar()->showMessage(fromUtf8Text(edit.step.description) + " ← " + source, 8000);
    if (!edit.message.empty())
        present_(fromUtf8Text(edit.message).replace('\r', '\n'));
}

QWidget* EditorWindow::errorList() const
{
    return errorList_.data();
}

void EditorWindow::showReportedRecord(EditorGrid table, int index)
{
    if (!isEnabled())
        return;
    if (!session_->showRecord(table, index))
        return;
    ui_.grids[static_cast<std::size_t>(table)]->setFocus();
    activateWindow();
}

} // namespace kelvo::gui
