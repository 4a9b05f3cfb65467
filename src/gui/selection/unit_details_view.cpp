#include "gui/selection/unit_details_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/selection/details_in_units.h"
#include "core/selection/display_figures.h"
#include "core/selection/performance_curves.h"
#include "core/selection/selection_session.h"
#include "core/selection/unit_details.h"
#include "core/selection/unit_envelope.h"
#include "core/selection/window_captions.h"
#include "gui/drawing/drawing_view.h"
#include "gui/selection/envelope_chart_page.h"
#include "gui/selection/performance_curves_page.h"
#include "gui/selection/range_table_model.h"
#include "gui/ui/caption_tab_widget.h"
#include "gui/ui/language_text.h"
#include "gui/ui/qt_text.h"

namespace kelvo::gui
{
namespace
{

QLabel* panel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
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

// As tall as its rows, with room kept for the scroll bar a wide range needs.
void fitHeightToRows(QTableView* grid)
{
    const int frame = 2 * grid->frameWidth();
    const int rows = grid->model()->rowCount() * grid->verticalHeader()->defaultSectionSize();
    grid->setFixedHeight(frame + rows + grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

QTableView* rangeGrid(const char* name, RangeTableModel* model, QWidget* parent)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setModel(model);
    grid->horizontalHeader()->setVisible(false);
    grid->verticalHeader()->setVisible(false);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->horizontalHeader()->setDefaultSectionSize(56);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // One Tab stop: the arrows move within the table, Tab leaves it.
    grid->setTabKeyNavigation(false);
    fitHeightToRows(grid);
    grid->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return grid;
}

QString fromBytes(const std::string& text)
{
    return fromCatalogueText(text);
}

} // namespace

UnitDetailsView::UnitDetailsView(const SelectionSession& session, QWidget* parent)
    : QObject(parent), session_(session), parent_(parent)
{
    pages_ = new CaptionTabWidget(parent);
    pages_->setObjectName("PageControl1");
    rangePage_ = buildRangePage();
    pages_->addTab(rangePage_, QString());
    for (const DetailPage* design : {&kUnitDataPage, &kFanDataPage, &kCompressorDataPage}) {
        dataPages_.push_back(buildPage(*design));
        pages_->addTab(dataPages_.back().widget, QString());
    }
    envelope_ = new EnvelopeChartPage(session_);
    pages_->addTab(envelope_, QString());
    curves_ = new PerformanceCurvesPage(session_);
    pages_->addTab(curves_, QString());
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

QTabWidget* UnitDetailsView::pages() const
{
    return pages_;
}

std::vector<QWidget*> UnitDetailsView::rangeGrids() const
{
    return {capacityGrid_, powerGrid_};
}

UnitDetailsView::Page UnitDetailsView::buildPage(const DetailPage& design)
{
    Page page;
    page.design = &design;
    page.widget = new QWidget;
    page.widget->setObjectName(fromUtf8Text(design.objectName));
    auto* grid = new QGridLayout(page.widget);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const DetailLine& line : design.lines) {
        auto* label = new QLabel(page.widget);
        label->setObjectName(fromUtf8Text(line.labelName));
        auto* value = panel(fromUtf8Text(line.panelName), page.widget);
        grid->addWidget(label, row, 0);
        grid->addWidget(value, row, 1);
        auto* unit = new QLabel(fromUtf8Text(line.unitLabel), page.widget);
        grid->addWidget(unit, row, 2);
        page.labels.push_back(label);
        page.panels.push_back(value);
        page.units.push_back(unit);
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
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    capacityGroup_ = new QGroupBox(page);
    capacityGroup_->setObjectName("GroupBox14");
    powerGroup_ = new QGroupBox(page);
    powerGroup_->setObjectName("GroupBox13");
    capacityTable_ = new RangeTableModel(RangeTableModel::Figure::Capacity, this);
    powerTable_ = new RangeTableModel(RangeTableModel::Figure::Power, this);
    capacityGrid_ = rangeGrid("StringGrid2", capacityTable_, capacityGroup_);
    powerGrid_ = rangeGrid("StringGrid3", powerTable_, powerGroup_);
    for (auto [box, grid] : {std::pair{capacityGroup_, capacityGrid_}, {powerGroup_, powerGrid_}}) {
        auto* inner = new QVBoxLayout(box);
        inner->setContentsMargins(4, 2, 4, 4);
        inner->addWidget(grid);
        layout->addWidget(box);
    }
    legend_ = new QLabel(page);
    legend_->setObjectName("MarkLegend");
    legend_->setWordWrap(true);
    layout->addWidget(legend_);
    layout->addStretch(1);
    return page;
}

void UnitDetailsView::buildDimensions()
{
    dimensions_ = new QGroupBox(parent_);
    dimensions_->setObjectName(fromUtf8Text(kDimensionsGroup));
    auto* grid = new QGridLayout(dimensions_);
    // Narrow side margins leave the detail pages room for all their tabs.
    grid->setContentsMargins(3, 2, 3, 4);
    grid->setVerticalSpacing(2);
    for (const DimensionField& field : kDimensionFields) {
        auto* p = panel(fromUtf8Text(field.panelName), dimensions_);
        p->setMinimumWidth(36); // four digits; the detail pages beside need the width
        grid->addWidget(new QLabel(fromUtf8Text(field.letter), dimensions_), field.row,
                        field.column * 2);
        grid->addWidget(p, field.row, field.column * 2 + 1);
        dimensionPanels_.push_back(p);
    }
}

void UnitDetailsView::applyCaptions()
{
    const auto text = [this](int entry) { return languageText(session_.languages(), entry); };
    for (const CaptionedControl& caption : kSelectionWindowCaptions) {
        QWidget* control = parent_->findChild<QWidget*>(fromUtf8Text(caption.objectName));
        if (auto* box = qobject_cast<QGroupBox*>(control))
            box->setTitle(inShownUnits(text(caption.entry)));
        else if (const int tab = pages_->indexOf(control); tab >= 0)
            pages_->setTabText(tab, text(caption.entry));
    }
    for (const Page& page : dataPages_)
        for (std::size_t i = 0; i < page.labels.size(); ++i) {
            page.labels[i]->setText(text(page.design->lines[i].entry));
            page.units[i]->setText(
                fromUtf8Text(labelIn(page.design->lines[i].unitLabel, session_.units())));
        }
    const int language = session_.languages().currentLanguage();
    pages_->setTabText(pages_->indexOf(envelope_),
                       fromUtf8Text(ownText(OwnText::EnvelopeTab, language)));
    envelope_->update(); // its titles and legend speak the language too
    pages_->setTabText(pages_->indexOf(curves_),
                       fromUtf8Text(ownText(OwnText::CurvesTab, language)));
    curves_->update();
    // A wrapped legend keeps each figure with its unit ("70 C").
    legend_->setText(fromUtf8Text(markLegendLine(language))
                         .replace(QRegularExpression("(\\d) (°?C)\\b"), "\\1\u00a0\\2"));
    QStringList captions;
    for (int tab = 0; tab < pages_->count(); ++tab)
        captions << pages_->tabText(tab);
    pages_->setCaptions(captions);
}

QString UnitDetailsView::inShownUnits(const QString& caption) const
{
    return QString::fromStdString(labelledTextIn(caption.toStdString(), session_.units(),
                                                 session_.workspace().displaySeparator()));
}

void UnitDetailsView::show(const UnitDetails& details)
{
    const char separator = session_.workspace().displaySeparator();
    shown_ = unitDetailsIn(details, session_.units(), separator);
    showRange(shown_.range);
    for (const Page& page : dataPages_)
        for (std::size_t i = 0; i < page.panels.size(); ++i)
            page.panels[i]->setText(fromBytes(page.design->lines[i].text(shown_)));
    for (std::size_t i = 0; i < kDimensionFields.size(); ++i)
        dimensionPanels_[i]->setText(fromBytes(details.dimensions.*kDimensionFields[i].value));
    drawing_->load(details.drawing);
    envelope_->show(unitEnvelopeView(session_, details));
    const SelectionState& selection = session_.state();
    curves_->show(performanceCurvesIn(details.range, selection.evaporatingTemperature,
                                      selection.ambientTemperature, session_.units(), separator));
}

void UnitDetailsView::showRange(const RangeTables& range)
{
    capacityTable_->show(&range);
    powerTable_->show(&range);
    // The extra ambient's row comes and goes.
    fitHeightToRows(capacityGrid_);
    fitHeightToRows(powerGrid_);
}

void UnitDetailsView::clearRangeTables()
{
    capacityTable_->show(nullptr);
    powerTable_->show(nullptr);
    envelope_->clearRangePoints();
    curves_->clear(); // drawn from the range tables alone
}

} // namespace kelvo::gui
