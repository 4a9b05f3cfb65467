#include "gui/editor/editor_window_layout.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include "core/editor/editor_session.h"
#include "gui/editor/editor_grid_model.h"
#include "gui/editor/envelope_chart_view.h"
#include "gui/ui/qt_text.h"

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

} // namespace

QAction* EditorWindowControls::command(EditorCommand which) const
{
    for (const auto& [id, action] : commands)
        if (id == which)
            return action;
    return nullptr;
}

EditorWindowControls EditorWindowLayout::build(QMainWindow& window, const EditorSession& session)
{
    EditorWindowLayout layout(window, session);
    EditorWindowControls& c = layout.controls_;
    c.panels.assign(kPanelCount, nullptr);
    auto* central = new QWidget(&window);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(6, 6, 6, 6);

    auto* left = new QVBoxLayout;
    left->addWidget(layout.buildFilters());
    auto* middle = new QHBoxLayout;
    middle->addWidget(layout.buildInformation());
    c.chart = new EnvelopeChartView(session, central);
    middle->addWidget(c.chart, 1);
    auto* frames = layout.buildGrid(EditorGrid::Frames, "StringGrid2");
    frames->setMaximumWidth(175);
    middle->addWidget(frames);
    left->addLayout(middle, 1);
    columns->addLayout(left, 5);

    auto* tall = new QHBoxLayout;
    // Unit names are the longest: their grid takes the most of the spare width.
    tall->addWidget(layout.buildGrid(EditorGrid::Condensers, "StringGrid6"), 2);
    tall->addWidget(layout.buildGrid(EditorGrid::Compressors, "StringGrid1"), 2);
    tall->addWidget(layout.buildGrid(EditorGrid::Units, "StringGrid4"), 3);
    columns->addLayout(tall, 3);
    window.setCentralWidget(central);

    layout.buildMenus();
    window.statusBar()->setObjectName("StatusBar1");
    c.balanceStatus = new QLabel(window.statusBar());
    c.balanceStatus->setObjectName("BalanceStatus");
    window.statusBar()->addWidget(c.balanceStatus, 1);
    window.resize(1214, 741 + window.menuBar()->sizeHint().height());
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        window.resize(window.size().boundedTo(available.size()));
        window.move(available.center() - window.rect().center());
    }
    return std::move(layout.controls_);
}

QWidget* EditorWindowLayout::buildFilters()
{
    auto* row = new QWidget(&window_);
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
        controls_.filterBoxes.push_back(box);
    }
    layout->addStretch(1);
    return row;
}

QWidget* EditorWindowLayout::buildInformation()
{
    auto* group = new QGroupBox(QString::fromUtf8("Informacja"), &window_);
    group->setObjectName("GroupBoxInformation");
    controls_.information = group;
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setVerticalSpacing(3);
    for (int n : {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16})
        controls_.panels[static_cast<std::size_t>(n - 1)] = makePanel(n, group);
    const auto panel = [this](int n) { return controls_.panels[static_cast<std::size_t>(n - 1)]; };
    for (int n : {9, 10, 16})
        panel(n)->setMaximumWidth(48);
    const auto input = [this, group](EditorInputBox box, int number, const char* hint) {
        QComboBox* made = makeInputBox(number, hint, group);
        controls_.inputBoxes[static_cast<std::size_t>(box)] = made;
        return made;
    };
    QComboBox* evaporating = input(EditorInputBox::Evaporating, 1, "Temperatura parowania");
    QComboBox* ambient = input(EditorInputBox::Ambient, 2, "Temperatura otoczenia");
    QComboBox* compressorCount = input(EditorInputBox::CompressorCount, 3, "Ilość sprężarek");
    QComboBox* condenserCount = input(EditorInputBox::CondenserCount, 4, "Ilość skraplaczy");
    QComboBox* superheat = input(EditorInputBox::Superheat, 5, "Wartość przegrzania");
    QComboBox* subcooling = input(EditorInputBox::Subcooling, 6, "Wartość dochłodzenia");
    controls_.heatFactorEdit = new QLineEdit(group);
    controls_.heatFactorEdit->setObjectName("Edit14");

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
    grid->addWidget(compressorCount, row, 1, 1, 2);
    unit("[szt.]");
    ++row;
    label("Ilość skraplaczy=");
    grid->addWidget(condenserCount, row, 1, 1, 2);
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
    grid->addWidget(evaporating, row, 1, 1, 2);
    unit("[C]");
    ++row;
    grid->addWidget(panel(12), row++, 1, 1, 3);
    label("tc=");
    grid->addWidget(ambient, row, 1, 1, 2);
    unit("[C]");
    ++row;
    label("tk=");
    grid->addWidget(panel(11), row++, 1, 1, 3);
    grid->addWidget(panel(4), row++, 1, 1, 3);
    label("tp=");
    grid->addWidget(superheat, row++, 1, 1, 2);
    label("td=");
    grid->addWidget(subcooling, row++, 1, 1, 2);
    label("Qk=(Qo+Pe) x ");
    grid->addWidget(controls_.heatFactorEdit, row++, 1, 1, 2);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(2, 1);
    // As wide as its labels and panels need: a fixed width cut "Qskr=13,095kW" short.
    return group;
}

QTableView* EditorWindowLayout::buildGrid(EditorGrid grid, const char* name)
{
    const auto i = static_cast<std::size_t>(grid);
    controls_.models[i] = new EditorGridModel(session_.grid(grid), grid, &window_);
    auto* view = new QTableView(&window_);
    view->setObjectName(name);
    view->setModel(controls_.models[i]);
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
    controls_.grids[i] = view;
    return view;
}

void EditorWindowLayout::buildMenus()
{
    QMenuBar* bar = window_.menuBar();
    for (std::size_t m = 0; m < controls_.menus.size(); ++m)
        controls_.menus[m] =
            bar->addMenu(fromUtf8Text(editorMenuCaption(static_cast<EditorMenu>(m))));
    const auto menu = [this](EditorMenu which) {
        return controls_.menus[static_cast<std::size_t>(which)];
    };
    const auto item = [this, &menu](EditorMenu in, EditorCommand command, const char* caption,
                                    const char* objectName = nullptr) {
        QAction* action = menu(in)->addAction(QString::fromUtf8(caption));
        if (objectName)
            action->setObjectName(objectName);
        controls_.commands.emplace_back(command, action);
        return action;
    };

    item(EditorMenu::Program, EditorCommand::Save, "Zapisz")->setShortcut(QKeySequence::Save);
    item(EditorMenu::Program, EditorCommand::PairReport, "Drukuj raport do Excela",
         "actionPairReport");
    item(EditorMenu::Program, EditorCommand::Exit, "Wyjście");

    item(EditorMenu::Edit, EditorCommand::Undo, "Cofnij", "actionUndo")
        ->setShortcut(QKeySequence::Undo);
    item(EditorMenu::Edit, EditorCommand::Redo, "Ponów", "actionRedo")
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));

    for (const std::string& name : session_.refrigerantMenu()) {
        const QString caption = fromCatalogueText(name);
        QAction* action = menu(EditorMenu::Refrigerant)->addAction(caption);
        action->setObjectName("Refrigerant" + caption);
        action->setCheckable(true);
        controls_.refrigerants.emplace_back(name, action);
    }

    for (const RowCommandEntry& entry : rowCommands()) {
        QAction* action = menu(entry.menu)->addAction(fromUtf8Text(entry.caption));
        action->setObjectName(fromUtf8Text(entry.objectName));
        controls_.rowCommands.emplace_back(entry.command, action);
    }
    item(EditorMenu::Condensers, EditorCommand::EditCondenser, "Edytuj wiersz",
         "actionEditCondenser");
    item(EditorMenu::Compressors, EditorCommand::EditCompressor, "Edytuj wiersz",
         "actionEditCompressor");
    struct Checks {
        EditorMenu menu;
        EditorGrid table;
        EditorCommand errors;
        EditorCommand data;
    };
    for (const Checks& checks :
         {Checks{EditorMenu::Condensers, EditorGrid::Condensers, EditorCommand::CheckCondensers,
                 EditorCommand::CheckCondenserData},
          Checks{EditorMenu::Compressors, EditorGrid::Compressors, EditorCommand::CheckCompressors,
                 EditorCommand::CheckCompressorData},
          Checks{EditorMenu::Units, EditorGrid::Units, EditorCommand::CheckUnits,
                 EditorCommand::CheckUnitData}}) {
        const int t = static_cast<int>(checks.table);
        item(checks.menu, checks.errors, "Sprawdź błędy")
            ->setObjectName(QString("actionCheck%1").arg(t));
        item(checks.menu, checks.data, "Sprawdź dane")
            ->setObjectName(QString("actionCheckData%1").arg(t));
    }
    item(EditorMenu::Data, EditorCommand::ImportQo, "Qo C0...C9 - (Excel A1...J1)",
         "actionImportQo");
    item(EditorMenu::Data, EditorCommand::ImportPe, "Pe C0...C9 - (Excel A1...J1)",
         "actionImportPe");
    item(EditorMenu::Help, EditorCommand::About, "O programie", "actionAbout");
}

} // namespace kelvo::gui
