#include "gui/selection/selection_window_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include "core/selection/selection_session.h"
#include "core/selection/window_captions.h"
#include "core/text/display_units.h"
#include "gui/selection/accessory_groups.h"
#include "gui/selection/candidate_list_model.h"
#include "gui/selection/candidate_list_view.h"
#include "gui/selection/unit_details_view.h"
#include "gui/ui/caption_tab_widget.h"
#include "gui/ui/picture_button.h"
#include "gui/ui/qt_text.h"

namespace kelvo::gui
{
namespace
{

QGroupBox* group(std::string_view name, QWidget* parent)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName(fromUtf8Text(name));
    return box;
}

// A group holding one input and its unit label.
QWidget* inputRow(QGroupBox* box, QWidget* input, QLabel** unit = nullptr)
{
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->addWidget(input, 1);
    if (unit) {
        *unit = new QLabel(box);
        layout->addWidget(*unit);
    }
    return box;
}

// The refrigerant choice with the chosen one's GWP, class and any warning beside it: two short
// lines in the height of the choice, so the inputs need no more room than before.
QWidget* refrigerantRow(QGroupBox* box, QComboBox* input, QLabel* facts)
{
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(6, 0, 6, 1);
    input->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layout->addWidget(input);
    layout->addWidget(facts, 1);
    return box;
}

// The content's layout, which a scroll area holds. A layout with word-wrapped labels in it has
// height-for-width, and the scroll area then asks it for the preferred height of everything at
// its width, showing scroll bars over content that fits its minimum height. The labels have the
// height of their lines set as their minimum, so the scroll area goes by the minimum; the
// nested layouts still give each label the height its width needs.
class ContentLayout : public QHBoxLayout
{
  public:
    using QHBoxLayout::QHBoxLayout;
    bool hasHeightForWidth() const override { return false; }
};

} // namespace

SelectionWindowLayout::SelectionWindowLayout(QWidget& window, SelectionSession& session,
                                             UnitFamily family, SelectionWindowControls& ui)
    : window_(window), session_(session), family_(family), ui_(ui)
{
}

void SelectionWindowLayout::build()
{
    // Three zones, read left to right and top to bottom: the inputs and filters with the
    // buttons under them; the list beside the accessories; the unit's drawing beside its detail
    // pages. Everything fits the window's first size; a larger window gives the room to the
    // list, the pages and the drawing.
    auto* content = new QWidget;
    content->setObjectName("SelectionContent");
    content->setAutoFillBackground(true);
    content->setPalette(window_.palette());
    ui_.details = new UnitDetailsView(session_, content);

    auto* controls = new QVBoxLayout;
    controls->setSpacing(2);
    controls->addWidget(buildInputs());
    controls->addWidget(buildFilters());
    controls->addStretch(1);
    controls->addWidget(buildButtons());

    auto* top = new QHBoxLayout;
    top->addWidget(buildList(), 1);
    top->addWidget(buildAccessories());

    auto* drawingColumn = new QVBoxLayout;
    drawingColumn->addWidget(ui_.details->dimensionsGroup());
    drawingColumn->addWidget(ui_.details->drawingView(), 1);
    auto* detailsColumn = new QVBoxLayout;
    ui_.outdatedNote = new QLabel(content);
    ui_.outdatedNote->setObjectName("OutdatedDetailsNote");
    ui_.outdatedNote->setWordWrap(true);
    ui_.outdatedNote->setVisible(false);
    detailsColumn->addWidget(ui_.outdatedNote);
    detailsColumn->addWidget(ui_.details->pages(), 1);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(drawingColumn, 1);
    bottom->addLayout(detailsColumn, 3);

    auto* right = new QVBoxLayout;
    right->addLayout(top, 2);
    right->addLayout(bottom, 3);

    auto* contentLayout = new ContentLayout(content);
    contentLayout->setContentsMargins(6, 6, 6, 4);
    contentLayout->addLayout(controls);
    contentLayout->addLayout(right, 1);
    // Only a screen smaller than the window's first size needs the scroll bars.
    auto* scroll = new QScrollArea(&window_);
    scroll->setObjectName("SelectionScroll");
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);

    ui_.statusBar = new QStatusBar(&window_);
    ui_.statusBar->setObjectName("StatusBar1");
    ui_.statusBar->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(&window_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll, 1);
    layout->addWidget(ui_.statusBar);
}

QWidget* SelectionWindowLayout::buildInputs()
{
    auto* column = new QWidget(&window_);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    ui_.refrigerantBox = new QComboBox;
    ui_.refrigerantBox->setObjectName("ComboBox3");
    ui_.evaporatingBox = new QComboBox;
    ui_.evaporatingBox->setObjectName("ComboBox1");
    ui_.ambientBox = new QComboBox;
    ui_.ambientBox->setObjectName("ComboBox2");
    ui_.requiredCapacityEdit = new QLineEdit;
    ui_.requiredCapacityEdit->setObjectName("Edit1");
    ui_.refrigerantGroup = group("GroupBox7", column);
    ui_.evaporatingGroup = group("GroupBox9", column);
    ui_.ambientGroup = group("GroupBox10", column);
    ui_.capacityGroup = group("GroupBox5", column);
    ui_.refrigerantFacts = new QLabel;
    ui_.refrigerantFacts->setObjectName("RefrigerantFacts");
    ui_.refrigerantFacts->setWordWrap(true);
    QFont small = ui_.refrigerantFacts->font();
    small.setPointSizeF(small.pointSizeF() - 1);
    ui_.refrigerantFacts->setFont(small);
    // Room for the warning's second line whichever refrigerant is chosen first.
    ui_.refrigerantFacts->setMinimumHeight(2 * QFontMetrics(small).lineSpacing());
    layout->addWidget(
        refrigerantRow(ui_.refrigerantGroup, ui_.refrigerantBox, ui_.refrigerantFacts));
    layout->addWidget(inputRow(ui_.evaporatingGroup, ui_.evaporatingBox, &ui_.evaporatingUnit));
    layout->addWidget(inputRow(ui_.ambientGroup, ui_.ambientBox, &ui_.ambientUnit));
    layout->addWidget(inputRow(ui_.capacityGroup, ui_.requiredCapacityEdit, &ui_.capacityUnit));
    layout->addStretch(1);
    column->setMinimumWidth(190);
    return column;
}

QWidget* SelectionWindowLayout::buildFilters()
{
    auto* column = new QWidget(&window_);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto fill = [&](QGroupBox*& box, std::string_view name, SelectionFilter filter,
                          const auto& options) {
        box = group(name, column);
        auto* inner = new QVBoxLayout(box);
        inner->setContentsMargins(6, 2, 6, 4);
        inner->setSpacing(1);
        for (std::size_t i = 0; i < options.size(); ++i) {
            auto* check = new QCheckBox(box);
            check->setObjectName(fromUtf8Text(options[i].objectName));
            ui_.filterBoxes.push_back({check, options[i].captionEntry, filter, options[i].value});
            inner->addWidget(check);
        }
        layout->addWidget(box);
    };
    fill(ui_.kindGroup, kKindFilterGroup, SelectionFilter::Kind, kSelectionKindFilter);
    fill(ui_.brandGroup, kBrandFilterGroup, SelectionFilter::Brand, kSelectionBrandFilter);
    fill(ui_.versionGroup, kVersionFilterGroup, SelectionFilter::Version, kSelectionVersionFilter);
    ui_.versionGroup->setVisible(family_ == UnitFamily::Base);
    ui_.insideEnvelopeBox = new QCheckBox(column);
    ui_.insideEnvelopeBox->setObjectName("InsideEnvelopeOnly");
    layout->addWidget(ui_.insideEnvelopeBox);
    // The units share the last line with the 43 C row: both change what the figures show.
    auto* last = new QHBoxLayout;
    ui_.extraAmbientBox = new QCheckBox(column);
    ui_.extraAmbientBox->setObjectName("ExtraAmbient");
    last->addWidget(ui_.extraAmbientBox);
    last->addStretch(1);
    ui_.unitsBox = new QComboBox(column);
    ui_.unitsBox->setObjectName("UnitsBox");
    for (const UnitSystem units : {UnitSystem::Si, UnitSystem::InchPound})
        ui_.unitsBox->addItem(fromUtf8Text(unitSystemCaption(units)));
    last->addWidget(ui_.unitsBox);
    layout->addLayout(last);
    layout->addStretch(1);
    return column;
}

QWidget* SelectionWindowLayout::buildList()
{
    ui_.candidates =
        new CandidateListModel(session_.state().candidates, session_.state().comparedUnits,
                               session_.languages(), &window_);
    ui_.candidateGrid = new CandidateListView(&window_);
    ui_.candidateGrid->setObjectName("StringGrid1");
    ui_.candidateGrid->setModel(ui_.candidates);
    ui_.candidateGrid->verticalHeader()->setVisible(false);
    ui_.candidateGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui_.candidateGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    ui_.candidateGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui_.candidateGrid->verticalHeader()->setDefaultSectionSize(20);
    // The first column holds the comparison's check box beside the index.
    const int widths[] = {56, 122, 95, 80};
    for (int c = 0; c < 4; ++c)
        ui_.candidateGrid->setColumnWidth(c, widths[c]);
    ui_.candidateGrid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    ui_.candidateGrid->setMinimumWidth(300);
    // Tab moves on to the next control instead of walking the cells.
    ui_.candidateGrid->setTabKeyNavigation(false);

    ui_.emptyListHint = new QLabel(ui_.candidateGrid->viewport());
    ui_.emptyListHint->setObjectName("EmptyListHint");
    ui_.emptyListHint->setWordWrap(true);
    ui_.emptyListHint->setAlignment(Qt::AlignCenter);
    ui_.emptyListHint->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui_.emptyListHint->setMargin(12);
    auto* hintLayout = new QVBoxLayout(ui_.candidateGrid->viewport());
    hintLayout->addWidget(ui_.emptyListHint);
    return ui_.candidateGrid;
}

QWidget* SelectionWindowLayout::buildAccessories()
{
    // The family's standard and additional groups share one place as two pages, so the list
    // keeps the height of the upper half.
    auto* pages = new CaptionTabWidget(&window_);
    pages->setObjectName("AccessoryPages");
    ui_.accessoryPages = pages;
    const bool base = family_ == UnitFamily::Base;
    QStringList captions;
    for (auto kind : {AccessoryGroup::Kind::StandardBase, AccessoryGroup::Kind::AdditionalBase,
                      AccessoryGroup::Kind::StandardBox, AccessoryGroup::Kind::AdditionalBox}) {
        auto* g = new AccessoryGroup(kind, session_.languages(), pages);
        ui_.accessoryGroups.push_back(g);
        const bool baseGroup = kind == AccessoryGroup::Kind::StandardBase ||
                               kind == AccessoryGroup::Kind::AdditionalBase;
        if (baseGroup == base) {
            // Only the family's groups are shown, so the tab drops the " - BASE"/" - BOX" part
            // of the caption to fit.
            const QString caption = g->title();
            const qsizetype dash = caption.lastIndexOf(" - ");
            pages->addTab(g, QString());
            captions << (dash > 0 ? caption.left(dash) : caption);
            g->setTitle(QString());
        } else {
            g->setVisible(false);
        }
    }
    pages->setCaptions(captions);
    pages->setMinimumWidth(260);
    return pages;
}

QWidget* SelectionWindowLayout::buildButtons()
{
    auto* row = new QWidget(&window_);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    // Five buttons share the width of the inputs' column.
    layout->setSpacing(2);
    const auto art = [this](const char* name) {
        return QString::fromStdString((session_.workspace().dataFolder() / "art" / name).string());
    };
    ui_.exitButton = new PictureButton("Panel10", "Image3", art("exit.svg"), row);
    ui_.datasheetButton = new PictureButton("Panel41", "Image4", art("datasheet.svg"), row);
    ui_.exportButton = new PictureButton("ExportPanel", "ExportImage", art("spreadsheet.svg"), row);
    ui_.searchButton = new PictureButton("Panel5", "Image2", art("search.svg"), row);
    ui_.compareButton = new PictureButton("ComparePanel", "CompareImage", art("compare.svg"), row);
    ui_.exitButton->setHint("Wyjście");
    ui_.datasheetButton->setHint("Dane techniczne");
    ui_.searchButton->setHint("Start");
    for (PictureButton* button : {ui_.exitButton, ui_.datasheetButton, ui_.exportButton,
                                  ui_.searchButton, ui_.compareButton})
        layout->addWidget(button);
    layout->addStretch(1);
    return row;
}

} // namespace kelvo::gui
