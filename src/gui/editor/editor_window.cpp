#include "gui/editor/editor_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>

#include "core/editor/catalogue_saving.h"
#include "core/editor/editor_grids.h"
#include "core/editor/editor_session.h"
#include "core/text/message_sink.h"
#include "gui/editor/editor_grid_model.h"
#include "gui/editor/envelope_chart_view.h"
#include "gui/editor/error_list_window.h"
#include "gui/editor/record_editor_window.h"
#include "gui/ui/load_notes.h"
#include "gui/ui/palette.h"
#include "gui/ui/progress_window.h"
#include "gui/ui/qt_text.h"
#include "gui/ui/secondary_window.h"

namespace kelvo::gui
{
namespace
{

void setBackground(QLabel* label, bool red)
{
    QPalette p = label->palette();
    p.setColor(QPalette::Window, red ? QColor(255, 0, 0) : QColor(Qt::white));
    label->setPalette(p);
}

void fillBox(QComboBox* box, const std::vector<std::string>& items, const std::string& text)
{
    const QSignalBlocker blocker(box);
    box->clear();
    for (const std::string& item : items)
        box->addItem(fromCatalogueText(item));
    box->setCurrentIndex(box->findText(fromCatalogueText(text)));
    box->setEditText(fromCatalogueText(text));
}

void setBoxText(QComboBox* box, const std::string& text)
{
    const QSignalBlocker blocker(box);
    const int item = box->findText(fromCatalogueText(text));
    if (item >= 0)
        box->setCurrentIndex(item);
    box->setEditText(fromCatalogueText(text));
}

} // namespace

EditorWindow::EditorWindow(Workspace& workspace, QWidget* parent)
    : QMainWindow(parent), session_(std::make_unique<EditorSession>(workspace))
{
    setObjectName("TForm1");
    setWindowTitle(QString::fromUtf8("KelvoSoftware – katalog[*]"));
    QPalette p = palette();
    p.setColor(QPalette::Window, kSkyBlue);
    setPalette(p);
    present_ = [this](const QString& text) {
        QMessageBox::information(this, "KelvoSoftware", text);
    };
    askOnClose_ = [this] {
        QMessageBox question(QMessageBox::Question, "KelvoSoftware",
                             QString::fromUtf8("Zapisać zmiany w katalogu?"),
                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
        question.setDefaultButton(QMessageBox::Save);
        question.button(QMessageBox::Save)->setText(QString::fromUtf8("Zapisz"));
        question.button(QMessageBox::Discard)->setText(QString::fromUtf8("Nie zapisuj"));
        question.button(QMessageBox::Cancel)->setText(QString::fromUtf8("Anuluj"));
        return static_cast<QMessageBox::StandardButton>(question.exec());
    };
    confirm_ = [this](const QString& text) {
        QMessageBox question(QMessageBox::Question, "KelvoSoftware", text,
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setDefaultButton(QMessageBox::No);
        question.button(QMessageBox::Yes)->setText(QString::fromUtf8("Tak"));
        question.button(QMessageBox::No)->setText(QString::fromUtf8("Nie"));
        return question.exec() == QMessageBox::Yes;
    };
    prompt_ = [this](const QString& caption, const QString& prompt,
                     const QString& initial) -> std::optional<QString> {
        bool ok = false;
        const QString answer =
            QInputDialog::getText(this, caption, prompt, QLineEdit::Normal, initial, &ok);
        if (!ok)
            return std::nullopt;
        return answer;
    };
    pickFile_ = [this]() -> std::optional<QString> {
        const QString file = QFileDialog::getOpenFileName(
            this, QString::fromUtf8("Współczynniki C0...C9 z komórek A1...J1"),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QString::fromUtf8("Arkusze (*.xlsx *.ods *.csv);;Wszystkie pliki (*)"));
        if (file.isEmpty())
            return std::nullopt;
        return file;
    };

    ui_ = EditorWindowLayout::build(*this, *session_);
    connectControls();
    session_->subscribe(*this);
}

EditorWindow::~EditorWindow()
{
    // The record editor is a window of its own; it stores its record as it goes.
    delete recordEditor_.data();
    delete errorList_.data();
    delete pairReport_.data();
    session_->unsubscribe(*this);
}

void EditorWindow::connectControls()
{
    connect(ui_.chart, &EnvelopeChartView::pointClicked, this, &EditorWindow::chartClicked);
    for (QCheckBox* box : ui_.filterBoxes)
        connect(box, &QCheckBox::clicked, this, [this, box] { filterClicked(box); });
    for (std::size_t i = 0; i < ui_.inputBoxes.size(); ++i) {
        QComboBox* box = ui_.inputBoxes[i];
        const auto which = static_cast<EditorInputBox>(i);
        // The session keeps what is typed; the window fills the boxes with signals blocked.
        connect(box, &QComboBox::editTextChanged, this, [this, which](const QString& text) {
            session_->typeInput(which, toCatalogueText(text));
        });
        connect(box, &QComboBox::activated, this, &EditorWindow::inputChanged);
        connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, box] {
            if (box->lineEdit()->isModified()) {
                box->lineEdit()->setModified(false);
                inputChanged();
            }
        });
    }
    connect(ui_.heatFactorEdit, &QLineEdit::textEdited, this,
            [this](const QString& text) { session_->setHeatFactorText(toCatalogueText(text)); });
    // The figures shown follow the factor once it is typed.
    connect(ui_.heatFactorEdit, &QLineEdit::editingFinished, this, [this] {
        if (ui_.heatFactorEdit->isModified()) {
            ui_.heatFactorEdit->setModified(false);
            inputChanged();
        }
    });
    for (EditorGrid grid :
         {EditorGrid::Compressors, EditorGrid::Condensers, EditorGrid::Units, EditorGrid::Frames})
        connectGrid(grid);
    for (const auto& [command, action] : ui_.commands) {
        const EditorCommand which = command;
        connect(action, &QAction::triggered, this, [this, which] { runMenuCommand(which); });
    }
    for (const auto& [command, action] : ui_.rowCommands) {
        const RowCommand which = command;
        connect(action, &QAction::triggered, this, [this, which] { runCommand(which); });
    }
    for (const auto& [item, action] : ui_.refrigerants) {
        const QString name = fromCatalogueText(item);
        connect(action, &QAction::triggered, this, [this, name] { chooseRefrigerant(name); });
    }
    historyChanged();
}

void EditorWindow::connectGrid(EditorGrid grid)
{
    QTableView* view = ui_.grids[static_cast<std::size_t>(grid)];
    // A click runs the grid's display, and so does moving the current row with the keys; a
    // mouse press that moves the row waits for its click, so that it runs once.
    connect(view, &QTableView::clicked, this,
            [this, grid](const QModelIndex& index) { clickGridRow(grid, index.row()); });
    connect(view, &QTableView::doubleClicked, this, [this, grid] { openRecordEditor(grid); });
    // Enter opens the record as a double click does, for work without the mouse.
    view->installEventFilter(this);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, grid, view](const QModelIndex& current) {
                if (!current.isValid())
                    return;
                // Scrolled to by hand, towards the start of the row: the view's own scrolling
                // would move a long name out of sight on the left.
                view->scrollTo(current.siblingAtColumn(0));
                if (!movingCursor_ && QGuiApplication::mouseButtons() == Qt::NoButton)
                    clickGridRow(grid, current.row());
            });
}

void EditorWindow::open()
{
    EditorOpening opening;
    {
        ProgressScope progress(this);
        opening = session_->open(progress.report());
    }
    const EditorInputs& inputs = session_->inputs();
    filling_ = true;
    fillBox(ui_.inputBox(EditorInputBox::Ambient),
            ambientList(session_->workspace().displaySeparator()).items, inputs.ambient);
    fillBox(ui_.inputBox(EditorInputBox::Superheat), superheatList().items, inputs.superheat);
    fillBox(ui_.inputBox(EditorInputBox::Subcooling), subcoolingList().items, inputs.subcooling);
    fillBox(ui_.inputBox(EditorInputBox::CompressorCount), countList().items,
            inputs.compressorCount);
    fillBox(ui_.inputBox(EditorInputBox::CondenserCount), countList().items, inputs.condenserCount);
    ui_.heatFactorEdit->setText(fromCatalogueText(inputs.heatFactor));
    showFilterTicks();
    filling_ = false;
    showInputs();
    refreshAllGrids();
    showPanels();
    updateTitle();
    historyChanged();
    showLoadNotes(statusBar(), session_->workspace(), session_->refrigerant());
    show();
    if (!opening.message.empty())
        present_(fromUtf8Text(opening.message));
}

void EditorWindow::refreshGrid(EditorGrid grid)
{
    const auto i = static_cast<std::size_t>(grid);
    QTableView* view = ui_.grids[i];
    // The window moves the cursor itself here: no display runs.
    const QScopedValueRollback<bool> moving(movingCursor_, true);
    ui_.models[i]->refresh();
    const EditorGridView& core = session_->grid(grid);
    // Each column 1.7 times as wide as its widest text.
    const QFontMetrics metrics(view->font());
    // The header draws its captions within its margins.
    const QFontMetrics headerMetrics(view->horizontalHeader()->font());
    const int headerMargins = 2 * view->style()->pixelMetric(QStyle::PM_HeaderMargin);
    // The names stay readable without scrolling: the grid shows at least the index column
    // and the widest name (the spare part of the column may need the scroll bar).
    int shown = 2 * view->frameWidth() + view->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < 2; ++column) {
        int widest =
            headerMetrics.horizontalAdvance(
                ui_.models[i]->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()) +
            headerMargins;
        for (const GridRow& row : core.rows)
            widest = std::max(widest,
                              metrics.horizontalAdvance(column == 0 ? QString::number(row.index)
                                                                    : fromCatalogueText(row.name)));
        view->setColumnWidth(column, gridColumnWidth(widest));
        shown += column == 0 ? view->columnWidth(0) : widest + 8;
    }
    view->setMinimumWidth(std::clamp(shown, 120, 230));
    showCursor(grid);
}

// The grids are as wide as the records they list need: a window that grew past the screen's
// right or bottom edge for them moves back onto it.
void EditorWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!screen())
        return;
    const QRect available = screen()->availableGeometry();
    const QPoint at(std::max(available.left(), std::min(x(), available.right() + 1 - width())),
                    std::max(available.top(), std::min(y(), available.bottom() + 1 - height())));
    if (at != pos())
        move(at);
}

void EditorWindow::showCursor(EditorGrid grid)
{
    const auto i = static_cast<std::size_t>(grid);
    QTableView* view = ui_.grids[i];
    const EditorGridView& core = session_->grid(grid);
    // The window moves the cursor itself here: no display runs.
    const QScopedValueRollback<bool> moving(movingCursor_, true);
    if (core.currentRow >= 1)
        view->setCurrentIndex(ui_.models[i]->index(core.currentRow - 1, core.currentColumn));
    else
        view->clearSelection();
}

void EditorWindow::refreshAllGrids()
{
    for (EditorGrid grid :
         {EditorGrid::Compressors, EditorGrid::Condensers, EditorGrid::Units, EditorGrid::Frames})
        refreshGrid(grid);
    showRefrigerantTick();
}

void EditorWindow::showRefrigerantTick()
{
    for (const auto& [name, action] : ui_.refrigerants)
        action->setChecked(name == session_->tickedRefrigerant());
}

void EditorWindow::showPanels()
{
    const BalancePanels& p = session_->panels();
    const std::pair<int, const std::string*> texts[] = {{1, &p.compressorModel},
                                                        {2, &p.condenserModel},
                                                        {4, &p.condensingPressure},
                                                        {5, &p.refrigerant},
                                                        {6, &p.condenserAt15K},
                                                        {7, &p.capacity},
                                                        {8, &p.power},
                                                        {9, &p.compressorIndex},
                                                        {10, &p.condenserIndex},
                                                        {11, &p.condensingTemperature},
                                                        {12, &p.evaporatingPressure},
                                                        {15, &p.frameName},
                                                        {16, &p.frameIndex}};
    for (const auto& [number, text] : texts)
        ui_.panels[static_cast<std::size_t>(number - 1)]->setText(fromCatalogueText(*text));
    setBackground(ui_.panels[0], p.compressorModelDiffers);
    setBackground(ui_.panels[1], p.condenserModelDiffers);
    const QString status = fromUtf8Text(p.status).replace('\r', ' ');
    // A word on new figures is not to wait behind an older message.
    if (status != ui_.balanceStatus->text() && !status.isEmpty())
        statusBar()->clearMessage();
    ui_.balanceStatus->setText(status);
    ui_.chart->update();
}

void EditorWindow::showInputs()
{
    const EditorInputs& in = session_->inputs();
    filling_ = true;
    fillBox(ui_.inputBox(EditorInputBox::Evaporating), in.evaporatingItems, in.to);
    setBoxText(ui_.inputBox(EditorInputBox::Ambient), in.ambient);
    setBoxText(ui_.inputBox(EditorInputBox::Superheat), in.superheat);
    setBoxText(ui_.inputBox(EditorInputBox::Subcooling), in.subcooling);
    setBoxText(ui_.inputBox(EditorInputBox::CompressorCount), in.compressorCount);
    setBoxText(ui_.inputBox(EditorInputBox::CondenserCount), in.condenserCount);
    ui_.inputBox(EditorInputBox::CompressorCount)->setEnabled(in.countsEnabled);
    ui_.inputBox(EditorInputBox::CondenserCount)->setEnabled(in.countsEnabled);
    filling_ = false;
}

void EditorWindow::editorChanged(const EditorUpdate& update)
{
    bool anyGrid = false;
    for (EditorGrid grid :
         {EditorGrid::Compressors, EditorGrid::Condensers, EditorGrid::Units, EditorGrid::Frames}) {
        const auto i = static_cast<std::size_t>(grid);
        if (update.grids[i]) {
            refreshGrid(grid);
            anyGrid = true;
        } else if (update.cursors[i]) {
            showCursor(grid);
        }
    }
    if (anyGrid)
        showRefrigerantTick();
    if (update.revealCursors)
        revealCursors();
    if (update.filters)
        showFilterTicks();
    if (update.inputs)
        showInputs();
    if (update.panels)
        showPanels();
    if (update.history) {
        updateTitle();
        historyChanged();
    }
    if (update.rowsChanged)
        rowsChanged();
    // What the calculation says while the display follows a change is no answer to a click:
    // it is shown without stopping the work.
    if (!update.messages.empty()) {
        QStringList texts;
        for (const auto& message : update.messages)
            texts << fromUtf8Text(message).replace('\r', ' ');
        statusBar()->showMessage(texts.join("  "), 8000);
    }
}

void EditorWindow::revealCursors()
{
    for (EditorGrid grid : {EditorGrid::Compressors, EditorGrid::Condensers, EditorGrid::Frames}) {
        const EditorGridView& core = session_->grid(grid);
        QTableView* view = ui_.grids[static_cast<std::size_t>(grid)];
        if (core.currentRow >= 1)
            view->scrollTo(view->model()->index(core.currentRow - 1, 0));
    }
}

void EditorWindow::clickGridRow(EditorGrid grid, int row)
{
    if (filling_)
        return;
    const int column =
        std::max(0, ui_.grids[static_cast<std::size_t>(grid)]->currentIndex().column());
    DistinctMessageSink sink;
    session_->clickRow(grid, row + 1, column, sink);
    report(sink);
}

void EditorWindow::inputChanged()
{
    if (filling_)
        return;
    DistinctMessageSink sink;
    session_->applyInputs(sink);
    report(sink);
}

void EditorWindow::chartClicked(double to, double tk)
{
    DistinctMessageSink sink;
    session_->chooseChartPoint(to, tk, sink);
    report(sink);
}

void EditorWindow::filterClicked(QCheckBox* box)
{
    const auto place = std::find(ui_.filterBoxes.begin(), ui_.filterBoxes.end(), box);
    session_->setFilter(static_cast<std::size_t>(place - ui_.filterBoxes.begin()),
                        box->isChecked());
}

void EditorWindow::chooseRefrigerant(const QString& name)
{
    std::string failure;
    {
        ProgressScope progress(this);
        failure = session_->chooseRefrigerant(toCatalogueText(name), progress.report());
    }
    // The report window was made for a pair of the refrigerant before.
    delete pairReport_.data();
    showLoadNotes(statusBar(), session_->workspace(), session_->refrigerant());
    if (!failure.empty())
        present_(fromUtf8Text(failure));
}

bool EditorWindow::save()
{
    // A file read cut short would be saved with its missing records empty.
    if (const auto question = session_->cutShortSaveQuestion();
        question && !confirm_(fromUtf8Text(*question).replace('\r', '\n')))
        return false;
    SaveOutcome outcome = session_->save();
    // Another program's change would be overwritten without a word.
    if (outcome.changedOnDisk) {
        if (!confirm_(QString::fromUtf8(kFilesChangedQuestion)))
            return false;
        outcome = session_->save(ChangesOnDisk::Overwrite);
    }
    updateTitle();
    if (!outcome.saved) {
        present_(fromUtf8Text(outcome.message).replace('\r', '\n'));
        return false;
    }
    statusBar()->showMessage(fromUtf8Text(outcome.message).replace('\r', ' '), 8000);
    return true;
}

void EditorWindow::closeEvent(QCloseEvent* event)
{
    // An open record editor stores its record first, as its own closing does.
    if (recordEditor_)
        recordEditor_->close();
    if (session_->hasUnsavedChanges()) {
        switch (askOnClose_()) {
        case QMessageBox::Save:
            if (!save()) {
                event->ignore();
                return;
            }
            break;
        case QMessageBox::Discard:
            break;
        default:
            event->ignore();
            return;
        }
    }
    // The windows opened from here belong to this catalogue session.
    delete pairReport_.data();
    delete errorList_.data();
    event->accept();
}

void EditorWindow::report(const DistinctMessageSink& sink)
{
    if (sink.messages.empty())
        return;
    QStringList texts;
    for (const auto& message : sink.messages)
        texts << fromUtf8Text(message).replace('\r', '\n');
    present_(texts.join("\n\n"));
}

void EditorWindow::updateTitle()
{
    setWindowModified(session_->hasUnsavedChanges());
}

void EditorWindow::rowsChanged()
{
    delete pairReport_.data();
    if (auto* list = qobject_cast<ErrorListWindow*>(errorList_.data()))
        list->markOutdated();
}

void EditorWindow::historyChanged()
{
    const EditHistory& history = session_->history();
    const auto label = [](const char* verb, const std::string& step) {
        QString text = QString::fromUtf8(verb);
        if (!step.empty())
            text += ": " + fromUtf8Text(step);
        return text;
    };
    ui_.command(EditorCommand::Undo)->setText(label("Cofnij", history.undoDescription()));
    ui_.command(EditorCommand::Undo)->setEnabled(history.canUndo());
    ui_.command(EditorCommand::Redo)->setText(label("Ponów", history.redoDescription()));
    ui_.command(EditorCommand::Redo)->setEnabled(history.canRedo());
}

void EditorWindow::showFilterTicks()
{
    for (QCheckBox* box : ui_.filterBoxes)
        box->setChecked(
            *findEditorFilterTick(session_->filters(), toCatalogueText(box->objectName())));
}

} // namespace kelvo::gui
