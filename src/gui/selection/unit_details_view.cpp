#include "gui/selection/unit_details_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/app/application_state.h"
#include "core/selection/unit_details.h"
#include "gui/selection/drawing_view.h"
#include "gui/ui/language_text.h"
#include "gui/ui/qt_text.h"

namespace kelvo::gui
{
namespace
{

QLabel* panel(int number, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString("Panel%1").arg(number));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, Qt::white);
    label->setPalette(p);
    label->setMinimumWidth(90);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QTableWidget* rangeGrid(const char* name, QWidget* parent)
{
    auto* grid = new QTableWidget(4, 10, parent);
    grid->setObjectName(name);
    grid->horizontalHeader()->setVisible(false);
    grid->verticalHeader()->setVisible(false);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->horizontalHeader()->setDefaultSectionSize(56);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grid;
}

QString fromBytes(const std::string& text)
{
    return fromCatalogueText(text);
}

} // namespace

UnitDetailsView::UnitDetailsView(const ApplicationState& state, QWidget* parent)
    : QObject(parent), state_(state), parent_(parent)
{
    pages_ = new QTabWidget(parent);
    pages_->setObjectName("PageControl1");
    unitLines_ = {{9, 86, 1, "[C]"},  {11, 87, 2, "[C]"},  {13, 88, 3, ""},     {15, 89, 4, ""},
                  {17, 90, 6, "[W]"}, {19, 91, 7, "[kW]"}, {21, 92, 8, "[kW]"}, {23, 93, 9, "[kW]"},
                  {27, 94, 11, ""},   {29, 95, 12, ""},    {31, 96, 13, "[C]"}, {33, 97, 14, "[K]"},
                  {35, 98, 15, "[C]"}};
    fanLines_ = {{45, 106, 32, ""},        {46, 107, 33, "[mm]"}, {47, 108, 34, ""},
                 {48, 109, 35, "[kW]"},    {49, 110, 36, "[A]"},  {50, 111, 37, ""},
                 {51, 112, 38, "[1/min]"}, {52, 113, 39, "[C]"}};
    compressorLines_ = {{34, 120, 24, ""},    {36, 121, 25, "[m3/h]"}, {39, 122, 26, "[dm3]"},
                        {40, 123, 27, ""},    {41, 124, 28, "[kg]"},   {42, 125, 29, "[A]"},
                        {43, 126, 30, "[A]"}, {44, 127, 31, ""}};
    rangePage_ = buildRangePage();
    unitPage_ = buildPage("TabSheet5", unitLines_);
    fanPage_ = buildPage("TabSheet1", fanLines_);
    compressorPage_ = buildPage("TabSheet3", compressorLines_);
    pages_->addTab(rangePage_, QString());
    pages_->addTab(unitPage_, QString());
    pages_->addTab(fanPage_, QString());
    pages_->addTab(compressorPage_, QString());
    pages_->setCurrentWidget(rangePage_);
    buildDimensions();
    drawing_ = new DrawingView(parent);
    drawing_->setObjectName("Image1");
    applyCaptions();
}

QWidget* UnitDetailsView::drawingView() const
{
    return drawing_;
}

QWidget* UnitDetailsView::buildPage(const char* name, std::vector<Line>& lines)
{
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* grid = new QGridLayout(page);
    grid->setVerticalSpacing(3);
    int row = 0;
    for (Line& line : lines) {
        line.label = new QLabel(page);
        line.label->setObjectName(QString("Label%1").arg(line.labelNumber));
        line.panel = panel(line.panelNumber, page);
        grid->addWidget(line.label, row, 0);
        grid->addWidget(line.panel, row, 1);
        grid->addWidget(new QLabel(line.unit, page), row, 2);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);
    return page;
}

QWidget* UnitDetailsView::buildRangePage()
{
    auto* page = new QWidget;
    page->setObjectName("TabSheet2");
    auto* layout = new QVBoxLayout(page);
    capacityGroup_ = new QGroupBox(page);
    capacityGroup_->setObjectName("GroupBox14");
    powerGroup_ = new QGroupBox(page);
    powerGroup_->setObjectName("GroupBox13");
    capacityGrid_ = rangeGrid("StringGrid2", capacityGroup_);
    powerGrid_ = rangeGrid("StringGrid3", powerGroup_);
    for (auto [box, grid] : {std::pair{capacityGroup_, capacityGrid_}, {powerGroup_, powerGrid_}}) {
        auto* inner = new QVBoxLayout(box);
        inner->setContentsMargins(4, 2, 4, 4);
        inner->addWidget(grid);
        layout->addWidget(box);
    }
    return page;
}

void UnitDetailsView::buildDimensions()
{
    dimensions_ = new QGroupBox(parent_);
    dimensions_->setObjectName("GroupBox20");
    auto* grid = new QGridLayout(dimensions_);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    // Panels 16 .. 23 are A B C D E F, then G on 23 and H on 22; laid out A B C / D E F / H G.
    const struct {
        const char* letter;
        int panelNumber;
        int row;
        int column;
    } design[] = {{"A", 16, 0, 0}, {"B", 17, 0, 1}, {"C", 18, 0, 2}, {"D", 19, 1, 0},
                  {"E", 20, 1, 1}, {"F", 21, 1, 2}, {"G", 23, 2, 1}, {"H", 22, 2, 0}};
    dimensionPanels_.assign(8, nullptr);
    for (std::size_t i = 0; i < 8; ++i) {
        const auto& d = design[i];
        auto* p = panel(d.panelNumber, dimensions_);
        p->setMinimumWidth(50);
        grid->addWidget(new QLabel(d.letter, dimensions_), d.row, d.column * 2);
        grid->addWidget(p, d.row, d.column * 2 + 1);
        dimensionPanels_[i] = p;
    }
}

void UnitDetailsView::applyCaptions()
{
    const auto text = [this](int entry) { return languageText(state_, entry); };
    pages_->setTabText(0, text(81));
    pages_->setTabText(1, text(85));
    pages_->setTabText(2, text(105));
    pages_->setTabText(3, text(119));
    capacityGroup_->setTitle(text(82));
    powerGroup_->setTitle(text(83));
    dimensions_->setTitle(text(13));
    for (auto* lines : {&unitLines_, &fanLines_, &compressorLines_})
        for (Line& line : *lines)
            line.label->setText(text(line.entry));
}

void UnitDetailsView::setPanel(std::vector<Line>& lines, int panelNumber, const QString& text,
                               const QString& hint)
{
    for (Line& line : lines) {
        if (line.panelNumber == panelNumber) {
            line.panel->setText(text);
            line.panel->setToolTip(hint);
        }
    }
}

void UnitDetailsView::show(const UnitDetails& details)
{
    showRange(details.range);
    const UnitDataPanels& d = details.data;
    setPanel(unitLines_, 1, fromBytes(d.evaporatingTemperature));
    setPanel(unitLines_, 2, fromBytes(d.ambientTemperature));
    setPanel(unitLines_, 3, fromBytes(d.unitName));
    setPanel(unitLines_, 4, fromBytes(d.compressorModel));
    setPanel(unitLines_, 6, fromBytes(d.capacity));
    setPanel(unitLines_, 7, fromBytes(d.power));
    setPanel(unitLines_, 8, fromBytes(d.fanPower));
    setPanel(unitLines_, 9, fromBytes(d.totalPower));
    setPanel(unitLines_, 11, fromBytes(d.cop));
    setPanel(unitLines_, 12, fromBytes(d.version));
    setPanel(unitLines_, 13, fromBytes(d.condensingTemperature + d.condensingTemperatureMark));
    setPanel(unitLines_, 14, fromBytes(d.subcooling));
    setPanel(unitLines_, 15, fromBytes(d.suctionTemperature));

    const FanPanels& f = details.fan;
    const std::string fanTexts[] = {f.name,       f.diameter,  f.supply, f.power,
                                    f.currentMax, f.capacitor, f.speed,  f.maxTemperature};
    for (int i = 0; i < 8; ++i)
        setPanel(fanLines_, 32 + i, fromBytes(fanTexts[i]));
    const CompressorPanels& c = details.compressor;
    const std::string compressorTexts[] = {c.model, c.displacement, c.oilVolume,   c.oilType,
                                           c.mass,  c.maxCurrent,   c.maxCurrentZ, c.starting};
    for (int i = 0; i < 8; ++i)
        setPanel(compressorLines_, 24 + i, fromBytes(compressorTexts[i]));

    const Dimensions& m = details.dimensions;
    const std::string dims[] = {m.a, m.b, m.c, m.d, m.e, m.f, m.g, m.h};
    for (std::size_t i = 0; i < 8; ++i)
        dimensionPanels_[i]->setText(fromBytes(dims[i]));

    drawing_->load(details.drawing);
}

void UnitDetailsView::showRange(const RangeTables& range)
{
    const int columns = static_cast<int>(range.columns.size());
    for (auto [grid, capacity] : {std::pair{capacityGrid_, true}, {powerGrid_, false}}) {
        grid->clearContents();
        grid->setColumnCount(std::max(10, columns + 1));
        const auto set = [grid](int row, int column, const QString& text,
                                const QString& hint = {}) {
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setToolTip(hint);
            if (row == 0 || column == 0)
                item->setBackground(QColor(225, 225, 225));
            grid->setItem(row, column, item);
        };
        set(0, 0, fromBytes(range.cornerText));
        for (int k = 0; k < kRangeAmbientCount; ++k)
            set(k + 1, 0, fromBytes(range.ambientTexts[static_cast<std::size_t>(k)]));
        for (int c = 0; c < columns; ++c) {
            const RangeColumn& column = range.columns[static_cast<std::size_t>(c)];
            set(0, c + 1, fromBytes(column.toText));
            const auto& cells = capacity ? column.capacity : column.power;
            for (int k = 0; k < kRangeAmbientCount; ++k) {
                const RangeCell& cell = cells[static_cast<std::size_t>(k)];
                set(k + 1, c + 1, fromBytes(cell.shown()), fromBytes(cell.reason));
            }
        }
    }
}

void UnitDetailsView::clearRangeTables()
{
    for (QTableWidget* grid : {capacityGrid_, powerGrid_})
        grid->clearContents();
}

} // namespace kelvo::gui
