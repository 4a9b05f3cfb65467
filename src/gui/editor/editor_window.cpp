#include "gui/editor/editor_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "core/app/language_table.h"
#include "core/editor/catalogue_saving.h"
#include "core/editor/chart_click.h"
#include "core/editor/coefficient_import.h"
#include "core/editor/consistency_checks.h"
#include "core/editor/data_checks.h"
#include "core/editor/editor_grids.h"
#include "core/editor/editor_session.h"
#include "core/reports/editor_pair_report.h"
#include "core/text/message_sink.h"
#include "gui/app/information_window.h"
#include "gui/editor/editor_grid_model.h"
#include "gui/editor/envelope_chart_view.h"
#include "gui/editor/error_list_window.h"
#include "gui/editor/record_editor_window.h"
#include "gui/reports/pair_report_window.h"
#include "gui/ui/load_notes.h"
#include "gui/ui/palette.h"
#include "gui/ui/progress_window.h"
#include "gui/ui/qt_text.h"
#include "gui/ui/secondary_window.h"

namespace kelvo::gui
{
namespace
{

constexpr int kPanelCount = 16;

QLabel* makePanel(int number, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString("Panel%1").arg(number));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAutoFillBackground(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // No fixed minimum width: the layout gives each panel the width of its text.
    QPalette p = label->palette();
    p.setColor(QPalette::Window, Qt::white);
    label->setPalette(p);
    return label;
}

void setBackground(QLabel* label, bool red)
{
    QPalette p = label->palette();
    p.setColor(QPalette::Window, red ? QColor(255, 0, 0) : QColor(Qt::white));
    label->setPalette(p);
}

QComboBox* makeInputBox(int number, const char* hint, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString("ComboBox%1").arg(number));
    box->setEditable(true);
    // What is typed is what is evaluated: no completion from the items, and no typed text
    // joins them.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setToolTip(QString::fromUtf8(hint));
    box->lineEdit()->setPlaceholderText(QString::fromUtf8(hint));
    box->setMinimumContentsLength(5);
    return box;
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

    panels_.assign(kPanelCount, nullptr);
    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(6, 6, 6, 6);

    auto* left = new QVBoxLayout;
    left->addWidget(buildFilters());
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildInformation());
    chart_ = new EnvelopeChartView(*session_, central);
    connect(chart_, &EnvelopeChartView::pointClicked, this, &EditorWindow::chartClicked);
    middle->addWidget(chart_, 1);
    auto* frames = buildGrid(EditorGrid::Frames, "StringGrid2");
    frames->setMaximumWidth(175);
    middle->addWidget(frames);
    left->addLayout(middle, 1);
    columns->addLayout(left, 5);

    auto* tall = new QHBoxLayout;
    // Unit names are the longest: their grid takes the most of the spare width.
    tall->addWidget(buildGrid(EditorGrid::Condensers, "StringGrid6"), 2);
    tall->addWidget(buildGrid(EditorGrid::Compressors, "StringGrid1"), 2);
    tall->addWidget(buildGrid(EditorGrid::Units, "StringGrid4"), 3);
    columns->addLayout(tall, 3);
    setCentralWidget(central);

    buildMenus();
    statusBar()->setObjectName("StatusBar1");
    balanceStatus_ = new QLabel(statusBar());
    balanceStatus_->setObjectName("BalanceStatus");
    statusBar()->addWidget(balanceStatus_, 1);
    resize(1214, 741 + menuBar()->sizeHint().height());
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        resize(size().boundedTo(available.size()));
        move(available.center() - rect().center());
    }
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

QWidget* EditorWindow::buildFilters()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QGroupBox* group = nullptr;
    QGridLayout* boxes = nullptr;
    std::string_view caption;
    int placed = 0;
    for (const EditorFilterBox& filter : editorFilterBoxes()) {
        if (!group || filter.groupCaption != caption) {
            caption = filter.groupCaption;
            group = new QGroupBox(fromUtf8Text(caption), row);
            boxes = new QGridLayout(group);
            boxes->setContentsMargins(6, 2, 6, 4);
            boxes->setVerticalSpacing(0);
            layout->addWidget(group);
            placed = 0;
        }
        auto* box = new QCheckBox(fromUtf8Text(filter.option->caption), group);
        box->setObjectName(fromUtf8Text(filter.option->objectName));
        // ALL on the first line, the other boxes in columns of three below it.
        const int line = placed == 0 ? 0 : 1 + (placed - 1) % 3;
        const int column = placed == 0 ? 0 : (placed - 1) / 3;
        boxes->addWidget(box, line, column);
        ++placed;
        filterBoxes_.push_back(box);
        connect(box, &QCheckBox::clicked, this, [this, box] { filterClicked(box); });
    }
    layout->addStretch(1);
    return row;
}

QWidget* EditorWindow::buildInformation()
{
    auto* group = new QGroupBox(QString::fromUtf8("Informacja"), this);
    group->setObjectName("GroupBoxInformation");
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(3);
    for (int n : {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16})
        panels_[static_cast<std::size_t>(n - 1)] = makePanel(n, group);
    const auto panel = [this](int n) { return panels_[static_cast<std::size_t>(n - 1)]; };
    for (int n : {9, 10, 16})
        panel(n)->setMaximumWidth(48);
    evaporatingBox_ = makeInputBox(1, "Temperatura parowania", group);
    ambientBox_ = makeInputBox(2, "Temperatura otoczenia", group);
    compressorCountBox_ = makeInputBox(3, "Ilość sprężarek", group);
    condenserCountBox_ = makeInputBox(4, "Ilość skraplaczy", group);
    superheatBox_ = makeInputBox(5, "Wartość przegrzania", group);
    subcoolingBox_ = makeInputBox(6, "Wartość dochłodzenia", group);
    heatFactorEdit_ = new QLineEdit(group);
    heatFactorEdit_->setObjectName("Edit14");

    int row = 0;
    const auto label = [&](const char* text) {
        grid->addWidget(new QLabel(QString::fromUtf8(text), group), row, 0);
    };
    const auto unit = [&](const char* text, int column = 3) {
        grid->addWidget(new QLabel(QString::fromUtf8(text), group), row, column);
    };
    label("Typ sprężarki");
    grid->addWidget(panel(9), row, 1);
    grid->addWidget(panel(1), row++, 2, 1, 2);
    label("Typ skraplacza");
    grid->addWidget(panel(10), row, 1);
    grid->addWidget(panel(2), row++, 2, 1, 2);
    grid->addWidget(panel(6), row++, 1, 1, 3);
    label("Czynnik chłodniczy");
    grid->addWidget(panel(5), row++, 1, 1, 3);
    label("Ilość sprężarek=");
    grid->addWidget(compressorCountBox_, row, 1, 1, 2);
    unit("[szt.]");
    ++row;
    label("Ilość skraplaczy=");
    grid->addWidget(condenserCountBox_, row, 1, 1, 2);
    unit("[szt.]");
    ++row;
    label("Qo");
    grid->addWidget(panel(7), row++, 1, 1, 3);
    label("Pe");
    grid->addWidget(panel(8), row++, 1, 1, 3);
    label("Rama");
    grid->addWidget(panel(16), row, 1);
    grid->addWidget(panel(15), row++, 2, 1, 2);
    label("to=");
    grid->addWidget(evaporatingBox_, row, 1, 1, 2);
    unit("[C]");
    ++row;
    grid->addWidget(panel(12), row++, 1, 1, 3);
    label("tc=");
    grid->addWidget(ambientBox_, row, 1, 1, 2);
    unit("[C]");
    ++row;
    label("tk=");
    grid->addWidget(panel(11), row++, 1, 1, 3);
    grid->addWidget(panel(4), row++, 1, 1, 3);
    label("tp=");
    grid->addWidget(superheatBox_, row++, 1, 1, 2);
    label("td=");
    grid->addWidget(subcoolingBox_, row++, 1, 1, 2);
    label("Qk=(Qo+Pe) x ");
    grid->addWidget(heatFactorEdit_, row++, 1, 1, 2);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(2, 1);
    // As wide as its labels and panels need: a fixed width cut "Qskr=13,095kW" short.

    for (QComboBox* box : {evaporatingBox_, ambientBox_, compressorCountBox_, condenserCountBox_,
                           superheatBox_, subcoolingBox_}) {
        connect(box, &QComboBox::activated, this, &EditorWindow::inputChanged);
        connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, box] {
            if (box->lineEdit()->isModified()) {
                box->lineEdit()->setModified(false);
                inputChanged();
            }
        });
    }
    connect(heatFactorEdit_, &QLineEdit::textEdited, this,
            [this](const QString& text) { session_->setHeatFactorText(toCatalogueText(text)); });
    // The figures shown follow the factor once it is typed.
    connect(heatFactorEdit_, &QLineEdit::editingFinished, this, [this] {
        if (heatFactorEdit_->isModified()) {
            heatFactorEdit_->setModified(false);
            inputChanged();
        }
    });
    return group;
}

QTableView* EditorWindow::buildGrid(EditorGrid grid, const char* name)
{
    const auto i = static_cast<std::size_t>(grid);
    models_[i] = new EditorGridModel(session_->grid(grid), grid, this);
    auto* view = new QTableView(this);
    view->setObjectName(name);
    view->setModel(models_[i]);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);
    view->setAutoScroll(false);
    view->horizontalHeader()->setStretchLastSection(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Captions in bold under a selected row would need more width than they are measured for.
    view->horizontalHeader()->setHighlightSections(false);
    view->setMinimumWidth(120);
    grids_[i] = view;
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
    return view;
}

void EditorWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    const auto menu = [bar](const char* title) { return bar->addMenu(QString::fromUtf8(title)); };

    QMenu* program = menu("Program");
    program->addAction(QString::fromUtf8("Zapisz"), QKeySequence::Save, this, [this] { save(); });
    program
        ->addAction(QString::fromUtf8("Drukuj raport do Excela"), this,
                    [this] { openPairReport(); })
        ->setObjectName("actionPairReport");
    program->addAction(QString::fromUtf8("Wyjście"), this, &QWidget::close);

    QMenu* edit = menu("Edycja");
    undoAction_ =
        edit->addAction(QString::fromUtf8("Cofnij"), QKeySequence::Undo, this, &EditorWindow::undo);
    undoAction_->setObjectName("actionUndo");
    redoAction_ =
        edit->addAction(QString::fromUtf8("Ponów"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                        this, &EditorWindow::redo);
    redoAction_->setObjectName("actionRedo");

    QMenu* refrigerants = menu("Czynnik chłodniczy");
    for (const std::string& item : session_->refrigerantMenu()) {
        const QString name = fromCatalogueText(item);
        QAction* action =
            refrigerants->addAction(name, this, [this, name] { chooseRefrigerant(name); });
        action->setObjectName("Refrigerant" + name);
        action->setCheckable(true);
        refrigerantActions_.push_back(action);
    }

    QMenu* frames = menu("Rama");
    QMenu* condensers = menu("Skraplacze");
    QMenu* compressors = menu("Sprężarki");
    QMenu* units = menu("Agregaty");
    const std::pair<std::string_view, QMenu*> menus[] = {{"Rama", frames},
                                                         {"Skraplacze", condensers},
                                                         {"Sprężarki", compressors},
                                                         {"Agregaty", units}};
    for (const RowCommandEntry& entry : rowCommands())
        for (const auto& [title, m] : menus)
            if (entry.menu == title) {
                const RowCommand command = entry.command;
                QAction* action = m->addAction(fromUtf8Text(entry.caption), this,
                                               [this, command] { runCommand(command); });
                action->setObjectName(fromUtf8Text(entry.objectName));
            }
    condensers
        ->addAction(QString::fromUtf8("Edytuj wiersz"), this,
                    [this] { openRecordEditor(EditorGrid::Condensers); })
        ->setObjectName("actionEditCondenser");
    compressors
        ->addAction(QString::fromUtf8("Edytuj wiersz"), this,
                    [this] { openRecordEditor(EditorGrid::Compressors); })
        ->setObjectName("actionEditCompressor");
    const std::pair<QMenu*, EditorGrid> checked[] = {{condensers, EditorGrid::Condensers},
                                                     {compressors, EditorGrid::Compressors},
                                                     {units, EditorGrid::Units}};
    for (const auto& [m, table] : checked) {
        const EditorGrid t = table;
        m->addAction(QString::fromUtf8("Sprawdź błędy"), this, [this, t] {
             runCheck(t, false);
         })->setObjectName(QString("actionCheck%1").arg(static_cast<int>(t)));
        m->addAction(QString::fromUtf8("Sprawdź dane"), this, [this, t] {
             runCheck(t, true);
         })->setObjectName(QString("actionCheckData%1").arg(static_cast<int>(t)));
    }
    QMenu* data = menu("Dane");
    data->addAction(QString::fromUtf8("Qo C0...C9 - (Excel A1...J1)"), this,
                    [this] { importCoefficients(1); })
        ->setObjectName("actionImportQo");
    data->addAction(QString::fromUtf8("Pe C0...C9 - (Excel A1...J1)"), this,
                    [this] { importCoefficients(2); })
        ->setObjectName("actionImportPe");
    QMenu* help = menu("Pomoc");
    help->addAction(QString::fromUtf8("O programie"), this, &EditorWindow::openAbout)
        ->setObjectName("actionAbout");
    historyChanged();
}

void EditorWindow::open()
{
    EditorOpening opening;
    {
        ProgressScope progress(this);
        const auto report = progress.reporter();
        opening =
            session_->open([&report](int position, int maximum) { report(maximum, position); });
    }
    const EditorInputs& inputs = session_->inputs();
    filling_ = true;
    fillBox(ambientBox_, ambientList(session_->workspace().displaySeparator()).items,
            inputs.ambient);
    fillBox(superheatBox_, superheatList().items, inputs.superheat);
    fillBox(subcoolingBox_, subcoolingList().items, inputs.subcooling);
    fillBox(compressorCountBox_, countList().items, inputs.compressorCount);
    fillBox(condenserCountBox_, countList().items, inputs.condenserCount);
    heatFactorEdit_->setText(fromCatalogueText(inputs.heatFactor));
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
    QTableView* view = grids_[i];
    // The window moves the cursor itself here: no display runs.
    const QScopedValueRollback<bool> moving(movingCursor_, true);
    models_[i]->refresh();
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
                models_[i]->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()) +
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
    QTableView* view = grids_[i];
    const EditorGridView& core = session_->grid(grid);
    // The window moves the cursor itself here: no display runs.
    const QScopedValueRollback<bool> moving(movingCursor_, true);
    if (core.currentRow >= 1)
        view->setCurrentIndex(models_[i]->index(core.currentRow - 1, core.currentColumn));
    else
        view->clearSelection();
}

void EditorWindow::refreshAllGrids()
{
    for (EditorGrid grid :
         {EditorGrid::Compressors, EditorGrid::Condensers, EditorGrid::Units, EditorGrid::Frames})
        refreshGrid(grid);
    for (QAction* action : refrigerantActions_)
        action->setChecked(toCatalogueText(action->text()) == session_->state().tickedRefrigerant);
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
        panels_[static_cast<std::size_t>(number - 1)]->setText(fromCatalogueText(*text));
    setBackground(panels_[0], p.compressorModelDiffers);
    setBackground(panels_[1], p.condenserModelDiffers);
    const QString status = fromUtf8Text(p.status).replace('\r', ' ');
    // A word on new figures is not to wait behind an older message.
    if (status != balanceStatus_->text() && !status.isEmpty())
        statusBar()->clearMessage();
    balanceStatus_->setText(status);
    chart_->update();
}

void EditorWindow::showInputs()
{
    const EditorInputs& in = session_->inputs();
    filling_ = true;
    fillBox(evaporatingBox_, in.evaporatingItems, in.to);
    setBoxText(ambientBox_, in.ambient);
    setBoxText(superheatBox_, in.superheat);
    setBoxText(subcoolingBox_, in.subcooling);
    setBoxText(compressorCountBox_, in.compressorCount);
    setBoxText(condenserCountBox_, in.condenserCount);
    compressorCountBox_->setEnabled(in.countsEnabled);
    condenserCountBox_->setEnabled(in.countsEnabled);
    filling_ = false;
}

EditorInputs EditorWindow::readInputs() const
{
    EditorInputs in;
    in.to = toCatalogueText(evaporatingBox_->currentText());
    in.ambient = toCatalogueText(ambientBox_->currentText());
    in.superheat = toCatalogueText(superheatBox_->currentText());
    in.subcooling = toCatalogueText(subcoolingBox_->currentText());
    in.compressorCount = toCatalogueText(compressorCountBox_->currentText());
    in.condenserCount = toCatalogueText(condenserCountBox_->currentText());
    return in;
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
        for (QAction* action : refrigerantActions_)
            action->setChecked(toCatalogueText(action->text()) ==
                               session_->state().tickedRefrigerant);
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

void EditorWindow::showDisplay(const BalanceDisplay& display)
{
    for (EditorGrid grid : {EditorGrid::Compressors, EditorGrid::Condensers, EditorGrid::Frames}) {
        const EditorGridView& core = session_->grid(grid);
        QTableView* view = grids_[static_cast<std::size_t>(grid)];
        if (core.currentRow >= 1 && display.ran)
            view->scrollTo(view->model()->index(core.currentRow - 1, 0));
    }
    // The status line's word on the figures comes with the panels.
    updateTitle();
}

void EditorWindow::clickGridRow(EditorGrid grid, int row)
{
    if (filling_)
        return;
    const int column = std::max(0, grids_[static_cast<std::size_t>(grid)]->currentIndex().column());
    DistinctMessageSink sink;
    showDisplay(session_->clickRow(grid, row + 1, column, sink));
    report(sink);
}

void EditorWindow::inputChanged()
{
    if (filling_)
        return;
    DistinctMessageSink sink;
    showDisplay(session_->setInputs(readInputs(), sink));
    report(sink);
}

void EditorWindow::chartClicked(double to, double tk)
{
    session_->typeInputs(readInputs());
    DistinctMessageSink sink;
    showDisplay(session_->chooseChartPoint(to, tk, sink));
    report(sink);
}

void EditorWindow::filterClicked(QCheckBox* box)
{
    const auto place = std::find(filterBoxes_.begin(), filterBoxes_.end(), box);
    session_->setFilter(static_cast<std::size_t>(place - filterBoxes_.begin()), box->isChecked());
}

void EditorWindow::chooseRefrigerant(const QString& name)
{
    std::string failure;
    {
        ProgressScope progress(this);
        const auto report = progress.reporter();
        failure = session_->chooseRefrigerant(toCatalogueText(name),
                                              [&report](int p, int m) { report(m, p); });
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

void EditorWindow::openAbout()
{
    if (about_)
        return;
    auto* window = new InformationWindow(session_->workspace().dataFolder(), kPolish, this);
    about_ = window;
    returnFocusOnClose(window, this);
    window->show();
}

} // namespace kelvo::gui

namespace kelvo::gui
{

bool EditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (std::size_t i = 0; i < grids_.size(); ++i)
            if (watched == grids_[i] && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
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
        returnFocusOnClose(window, grids_[static_cast<std::size_t>(grid)]);
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
    session_->typeInputs(readInputs());
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

void EditorWindow::rowsChanged()
{
    delete pairReport_.data();
    if (auto* list = qobject_cast<ErrorListWindow*>(errorList_.data()))
        list->markOutdated();
}

void EditorWindow::historyChanged()
{
    const EditHistory& history = session_->state().history;
    const auto label = [](const char* verb, const std::string& step) {
        QString text = QString::fromUtf8(verb);
        if (!step.empty())
            text += ": " + fromUtf8Text(step);
        return text;
    };
    undoAction_->setText(label("Cofnij", history.undoDescription()));
    undoAction_->setEnabled(history.canUndo());
    redoAction_->setText(label("Ponów", history.redoDescription()));
    redoAction_->setEnabled(history.canRedo());
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
    session_->typeInputs(readInputs());
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

void EditorWindow::showFilterTicks()
{
    for (QCheckBox* box : filterBoxes_)
        box->setChecked(
            *findEditorFilterTick(session_->state().filters, toCatalogueText(box->objectName())));
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
    showFilterTicks();
    grids_[static_cast<std::size_t>(table)]->setFocus();
    activateWindow();
}

} // namespace kelvo::gui
