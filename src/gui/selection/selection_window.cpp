#include "gui/selection/selection_window.h"
#include "gui/ui/output_guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/control_captions.h"
#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/catalogue/catalogue_files.h"
#include "core/io/file_io.h"
#include "core/selection/candidate_list.h"
#include "core/selection/refrigerant_facts.h"
#include "core/selection/selection_export.h"
#include "core/selection/selection_feedback.h"
#include "core/selection/unit_comparison.h"
#include "core/selection/unit_details.h"
#include "core/selection/window_captions.h"
#include "core/spreadsheet/first_row_cells.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "gui/reports/unit_datasheet.h"
#include "gui/selection/accessory_groups.h"
#include "gui/selection/candidate_list_model.h"
#include "gui/selection/candidate_list_view.h"
#include "gui/selection/compare_window.h"
#include "gui/selection/unit_details_view.h"
#include "gui/ui/caption_tab_widget.h"
#include "gui/ui/language_text.h"
#include "gui/ui/load_notes.h"
#include "gui/ui/mnemonics.h"
#include "gui/ui/palette.h"
#include "gui/ui/picture_button.h"
#include "gui/ui/progress_window.h"
#include "gui/ui/qt_text.h"
#include "gui/ui/secondary_window.h"

namespace kelvo::gui
{
namespace
{

// The window's designed client area.
constexpr QSize kFirstSize(1183, 658);

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

SelectionWindow::SelectionWindow(Workspace& workspace, const LanguageTable& languages,
                                 UnitFamily family, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(std::make_unique<SelectionSession>(workspace, languages, family)), family_(family)
{
    setObjectName("TForm5");
    setWindowTitle("KelvoSoftware");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, kSkyBlue);
    setPalette(p);

    presentMessages_ = [this](const QStringList& messages) {
        QMessageBox::warning(this, "KelvoSoftware", messages.join("\n\n"));
    };
    chooseExportFile_ = [this](const QString& suggested) -> std::optional<QString> {
        const QString file = QFileDialog::getSaveFileName(this, "KelvoSoftware", suggested,
                                                          "Excel (*.xlsx);;CSV (*.csv)");
        return file.isEmpty() ? std::nullopt : std::optional(file);
    };

    // Three zones, read left to right and top to bottom: the inputs and filters with the
    // buttons under them; the list beside the accessories; the unit's drawing beside its detail
    // pages. Everything fits the window's first size; a larger window gives the room to the
    // list, the pages and the drawing.
    auto* content = new QWidget;
    content->setObjectName("SelectionContent");
    content->setAutoFillBackground(true);
    content->setPalette(p);
    details_ = new UnitDetailsView(*session_, content);

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
    drawingColumn->addWidget(details_->dimensionsGroup());
    drawingColumn->addWidget(details_->drawingView(), 1);
    auto* detailsColumn = new QVBoxLayout;
    outdatedNote_ = new QLabel(content);
    outdatedNote_->setObjectName("OutdatedDetailsNote");
    outdatedNote_->setWordWrap(true);
    outdatedNote_->setVisible(false);
    detailsColumn->addWidget(outdatedNote_);
    detailsColumn->addWidget(details_->pages(), 1);
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
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("SelectionScroll");
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName("StatusBar1");
    statusBar_->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll, 1);
    layout->addWidget(statusBar_);

    setTabOrder();
    fitIntoScreen(this, kFirstSize);
    session_->subscribe(*this);
}

SelectionWindow::~SelectionWindow()
{
    session_->unsubscribe(*this);
    // The models and panels read the session's list and details: they go before it does.
    qDeleteAll(findChildren<QObject*>(Qt::FindDirectChildrenOnly));
}

// In reading order: the inputs, the filters and the buttons under them, then the list, the
// accessories and the detail pages.
void SelectionWindow::setTabOrder()
{
    std::vector<QWidget*> order{refrigerantBox_, evaporatingBox_, ambientBox_,
                                requiredCapacityEdit_};
    for (const FilterBox& filter : filterBoxes_)
        order.push_back(filter.box);
    order.insert(order.end(), {insideEnvelopeBox_, extraAmbientBox_, unitsBox_, exitButton_,
                               datasheetButton_, exportButton_, searchButton_, compareButton_,
                               candidateGrid_, accessoryPages_, details_->pages()});
    for (QWidget* grid : details_->rangeGrids())
        order.push_back(grid);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QWidget* SelectionWindow::buildInputs()
{
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    refrigerantBox_ = new QComboBox;
    refrigerantBox_->setObjectName("ComboBox3");
    evaporatingBox_ = new QComboBox;
    evaporatingBox_->setObjectName("ComboBox1");
    ambientBox_ = new QComboBox;
    ambientBox_->setObjectName("ComboBox2");
    requiredCapacityEdit_ = new QLineEdit;
    requiredCapacityEdit_->setObjectName("Edit1");
    connect(requiredCapacityEdit_, &QLineEdit::returnPressed, this,
            &SelectionWindow::searchCapacity);
    connect(requiredCapacityEdit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { session_->typeRequiredCapacity(toCatalogueText(text)); });
    refrigerantGroup_ = group("GroupBox7", column);
    evaporatingGroup_ = group("GroupBox9", column);
    ambientGroup_ = group("GroupBox10", column);
    capacityGroup_ = group("GroupBox5", column);
    refrigerantFacts_ = new QLabel;
    refrigerantFacts_->setObjectName("RefrigerantFacts");
    refrigerantFacts_->setWordWrap(true);
    QFont small = refrigerantFacts_->font();
    small.setPointSizeF(small.pointSizeF() - 1);
    refrigerantFacts_->setFont(small);
    // Room for the warning's second line whichever refrigerant is chosen first.
    refrigerantFacts_->setMinimumHeight(2 * QFontMetrics(small).lineSpacing());
    layout->addWidget(refrigerantRow(refrigerantGroup_, refrigerantBox_, refrigerantFacts_));
    layout->addWidget(inputRow(evaporatingGroup_, evaporatingBox_, &evaporatingUnit_));
    layout->addWidget(inputRow(ambientGroup_, ambientBox_, &ambientUnit_));
    layout->addWidget(inputRow(capacityGroup_, requiredCapacityEdit_, &capacityUnit_));
    layout->addStretch(1);
    column->setMinimumWidth(190);
    return column;
}

QWidget* SelectionWindow::buildFilters()
{
    auto* column = new QWidget(this);
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
            filterBoxes_.push_back({check, options[i].captionEntry, filter, options[i].value});
            inner->addWidget(check);
        }
        layout->addWidget(box);
    };
    fill(kindGroup_, kKindFilterGroup, SelectionFilter::Kind, kSelectionKindFilter);
    fill(brandGroup_, kBrandFilterGroup, SelectionFilter::Brand, kSelectionBrandFilter);
    fill(versionGroup_, kVersionFilterGroup, SelectionFilter::Version, kSelectionVersionFilter);
    versionGroup_->setVisible(family_ == UnitFamily::Base);
    insideEnvelopeBox_ = new QCheckBox(column);
    insideEnvelopeBox_->setObjectName("InsideEnvelopeOnly");
    layout->addWidget(insideEnvelopeBox_);
    // The units share the last line with the 43 C row: both change what the figures show.
    auto* last = new QHBoxLayout;
    extraAmbientBox_ = new QCheckBox(column);
    extraAmbientBox_->setObjectName("ExtraAmbient");
    last->addWidget(extraAmbientBox_);
    last->addStretch(1);
    unitsBox_ = new QComboBox(column);
    unitsBox_->setObjectName("UnitsBox");
    for (const UnitSystem units : {UnitSystem::Si, UnitSystem::InchPound})
        unitsBox_->addItem(fromUtf8Text(unitSystemCaption(units)));
    last->addWidget(unitsBox_);
    layout->addLayout(last);
    layout->addStretch(1);
    return column;
}

QWidget* SelectionWindow::buildList()
{
    candidates_ = new CandidateListModel(
        session_->state().candidates, session_->state().comparedUnits, session_->languages(), this);
    connect(candidates_, &CandidateListModel::markRequested, this,
            &SelectionWindow::markForComparison);
    candidateGrid_ = new CandidateListView(this);
    candidateGrid_->setObjectName("StringGrid1");
    candidateGrid_->setModel(candidates_);
    candidateGrid_->verticalHeader()->setVisible(false);
    candidateGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    candidateGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    candidateGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    candidateGrid_->verticalHeader()->setDefaultSectionSize(20);
    // The first column holds the comparison's check box beside the index.
    const int widths[] = {56, 122, 95, 80};
    for (int c = 0; c < 4; ++c)
        candidateGrid_->setColumnWidth(c, widths[c]);
    candidateGrid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    candidateGrid_->setMinimumWidth(300);
    // Tab moves on to the next control instead of walking the cells.
    candidateGrid_->setTabKeyNavigation(false);
    connect(candidateGrid_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (const int row = index.data(CandidateListModel::ListRowRole).toInt())
            chooseRow(row);
    });
    connect(candidateGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &SelectionWindow::listCurrentRowChanged);

    emptyListHint_ = new QLabel(candidateGrid_->viewport());
    emptyListHint_->setObjectName("EmptyListHint");
    emptyListHint_->setWordWrap(true);
    emptyListHint_->setAlignment(Qt::AlignCenter);
    emptyListHint_->setAttribute(Qt::WA_TransparentForMouseEvents);
    emptyListHint_->setMargin(12);
    auto* hintLayout = new QVBoxLayout(candidateGrid_->viewport());
    hintLayout->addWidget(emptyListHint_);
    return candidateGrid_;
}

QWidget* SelectionWindow::buildAccessories()
{
    // The family's standard and additional groups share one place as two pages, so the list
    // keeps the height of the upper half.
    auto* pages = new CaptionTabWidget(this);
    pages->setObjectName("AccessoryPages");
    accessoryPages_ = pages;
    const bool base = family_ == UnitFamily::Base;
    QStringList captions;
    for (auto kind : {AccessoryGroup::Kind::StandardBase, AccessoryGroup::Kind::AdditionalBase,
                      AccessoryGroup::Kind::StandardBox, AccessoryGroup::Kind::AdditionalBox}) {
        auto* g = new AccessoryGroup(kind, session_->languages(), pages);
        accessoryGroups_.push_back(g);
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

QWidget* SelectionWindow::buildButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    // Five buttons share the width of the inputs' column.
    layout->setSpacing(2);
    const auto art = [this](const char* name) {
        return QString::fromStdString((session_->workspace().dataFolder() / "art" / name).string());
    };
    exitButton_ = new PictureButton("Panel10", "Image3", art("exit.svg"), row);
    datasheetButton_ = new PictureButton("Panel41", "Image4", art("datasheet.svg"), row);
    exportButton_ = new PictureButton("ExportPanel", "ExportImage", art("spreadsheet.svg"), row);
    searchButton_ = new PictureButton("Panel5", "Image2", art("search.svg"), row);
    compareButton_ = new PictureButton("ComparePanel", "CompareImage", art("compare.svg"), row);
    exitButton_->setHint("Wyjście");
    datasheetButton_->setHint("Dane techniczne");
    searchButton_->setHint("Start");
    for (PictureButton* button :
         {exitButton_, datasheetButton_, exportButton_, searchButton_, compareButton_})
        layout->addWidget(button);
    layout->addStretch(1);
    connect(exitButton_, &PictureButton::clicked, this, &QWidget::close);
    connect(datasheetButton_, &PictureButton::clicked, this, &SelectionWindow::printDatasheet);
    connect(exportButton_, &PictureButton::clicked, this, &SelectionWindow::exportFigures);
    connect(searchButton_, &PictureButton::clicked, this, &SelectionWindow::searchCapacity);
    connect(compareButton_, &PictureButton::clicked, this, &SelectionWindow::compareMarkedUnits);
    return row;
}

void SelectionWindow::open()
{
    DistinctMessageSink sink;
    try {
        ProgressScope progress(this);
        session_->open(sink, progress.report());
    } catch (const CatalogueFileError& error) {
        show();
        presentMessages_(
            {QString::fromStdString(error.path().string()) + ": " + fromUtf8Text(error.reason())});
        applyCaptions();
        return;
    }
    fillInputLists();
    connectInputs();
    applyCaptions();
    show();
    fitToContent();
    report(sink);
}

// The designed first size, or what the content needs in a language of longer words, as far as
// the screen allows; only a shown window's layout knows the widths its captions need.
void SelectionWindow::fitToContent()
{
    const auto* scroll = findChild<QScrollArea*>("SelectionScroll");
    scroll->widget()->layout()->activate();
    const QSize needed =
        scroll->widget()->minimumSizeHint() + QSize(0, statusBar_->sizeHint().height());
    const QSize wanted = kFirstSize.expandedTo(needed);
    if (wanted != size())
        fitIntoScreen(this, wanted);
}

void SelectionWindow::fillInputLists()
{
    evaporatingChoices_ = evaporatingTemperatureChoices();
    ambientChoices_ = ambientTemperatureChoices();
    showInputUnits();
    evaporatingBox_->setCurrentIndex(kDefaultEvaporatingChoice);
    ambientBox_->setCurrentIndex(kDefaultAmbientChoice);
    unitsBox_->setCurrentIndex(session_->units() == UnitSystem::Si ? 0 : 1);
    for (const std::string& name : session_->workspace().refrigerants().selectionNames())
        refrigerantBox_->addItem(fromCatalogueText(name));
    refrigerantBox_->setCurrentText(fromCatalogueText(session_->refrigerant()));
}

void SelectionWindow::showInputUnits()
{
    const char separator = session_->workspace().displaySeparator();
    const UnitSystem units = session_->units();
    for (const auto& [box, choices] :
         {std::pair{evaporatingBox_, &evaporatingChoices_}, {ambientBox_, &ambientChoices_}}) {
        // The same items in other words: the choice stays and nothing is computed.
        const QSignalBlocker quiet(box);
        const int current = box->currentIndex();
        box->clear();
        for (const std::string& text : choiceTexts(*choices, separator, units))
            box->addItem(QString::fromStdString(text));
        box->setCurrentIndex(current);
    }
    // An inch-pound item names both units itself.
    evaporatingUnit_->setText(units == UnitSystem::Si ? "[C]" : "");
    ambientUnit_->setText(units == UnitSystem::Si ? "[C]" : "");
    capacityUnit_->setText(fromUtf8Text(labelIn("[W]", units)));
    // The requirement typed follows the units; the session still holds what was typed.
    const QSignalBlocker quiet(requiredCapacityEdit_);
    requiredCapacityEdit_->setText(fromCatalogueText(session_->requiredCapacityText()));
}

void SelectionWindow::connectInputs()
{
    connect(refrigerantBox_, &QComboBox::currentIndexChanged, this,
            &SelectionWindow::changeRefrigerant);
    connect(evaporatingBox_, &QComboBox::currentIndexChanged, this,
            &SelectionWindow::changeTemperatures);
    connect(ambientBox_, &QComboBox::currentIndexChanged, this,
            &SelectionWindow::changeTemperatures);
    const SelectionInputs& shown = session_->state();
    for (const FilterBox& filter : filterBoxes_) {
        const bool ticked = filter.group == SelectionFilter::Kind    ? shown.kind(filter.value)
                            : filter.group == SelectionFilter::Brand ? shown.brand(filter.value)
                                                                     : shown.version(filter.value);
        filter.box->setChecked(ticked);
        connect(filter.box, &QCheckBox::toggled, this, [this, filter](bool checked) {
            changeFilter(filter.group, filter.value, checked);
        });
    }
    insideEnvelopeBox_->setChecked(shown.insideEnvelopeOnly);
    connect(insideEnvelopeBox_, &QCheckBox::toggled, this,
            &SelectionWindow::changeInsideEnvelopeOnly);
    extraAmbientBox_->setChecked(shown.extraAmbient.has_value());
    connect(extraAmbientBox_, &QCheckBox::toggled, this, &SelectionWindow::changeExtraAmbient);
    connect(unitsBox_, &QComboBox::currentIndexChanged, this, &SelectionWindow::changeUnits);
}

void SelectionWindow::applyCaptions()
{
    const LanguageTable& languages = session_->languages();
    for (const FilterBox& filter : filterBoxes_)
        filter.box->setText(languageText(languages, filter.captionEntry));
    const int language = languages.currentLanguage();
    insideEnvelopeBox_->setText(fromUtf8Text(ownText(OwnText::OnlyInsideEnvelope, language)));
    unitsBox_->setToolTip(fromUtf8Text(ownText(OwnText::UnitsChoice, language)));
    unitsBox_->setAccessibleName(unitsBox_->toolTip());
    extraAmbientBox_->setText(fromUtf8Text(ownText(OwnText::AlsoAtExtraAmbient, language)));
    exportButton_->setHint(fromUtf8Text(ownText(OwnText::ExportHint, language)));
    showRefrigerantFacts();
    const QStringList captions = withMnemonics({
        fromUtf8Text(controlCaption(ControlCaption::Exit, language)),
        fromUtf8Text(controlCaption(ControlCaption::Datasheet, language)),
        fromUtf8Text(controlCaption(ControlCaption::Export, language)),
        fromUtf8Text(controlCaption(ControlCaption::Find, language)),
        fromUtf8Text(controlCaption(ControlCaption::Compare, language)),
    });
    exitButton_->setCaption(captions[0]);
    datasheetButton_->setCaption(captions[1]);
    exportButton_->setCaption(captions[2]);
    searchButton_->setCaption(captions[3]);
    compareButton_->setCaption(captions[4]);
    for (PictureButton* button :
         {exitButton_, datasheetButton_, exportButton_, searchButton_, compareButton_})
        button->setFixedSize(std::max(66, button->captionWidth()), 84);
    candidates_->applyLanguage();
    details_->applyCaptions();
}

void SelectionWindow::changeRefrigerant()
{
    DistinctMessageSink sink;
    {
        ProgressScope progress(this);
        session_->chooseRefrigerant(toCatalogueText(refrigerantBox_->currentText()), sink,
                                    progress.report());
    }
    showRefrigerantFacts();
    report(sink);
}

void SelectionWindow::showRefrigerantFacts()
{
    const RefrigerantFacts facts = refrigerantFacts(
        session_->workspace().refrigerants(), session_->refrigerant(),
        session_->languages().currentLanguage(), session_->workspace().displaySeparator());
    QString text = fromUtf8Text(facts.summary).toHtmlEscaped();
    if (!facts.flammableNote.empty())
        text += QStringLiteral(" <b style=\"color:#b00000\">%1</b>")
                    .arg(fromUtf8Text(facts.flammableNote).toHtmlEscaped());
    refrigerantFacts_->setText(text);
    refrigerantFacts_->setToolTip(fromUtf8Text(facts.safetyClassLine));
}

void SelectionWindow::changeTemperatures()
{
    const int e = evaporatingBox_->currentIndex();
    const int a = ambientBox_->currentIndex();
    if (e < 0 || a < 0)
        return;
    DistinctMessageSink sink;
    {
        ProgressScope progress(this);
        session_->setTemperatures(evaporatingChoices_[static_cast<std::size_t>(e)],
                                  ambientChoices_[static_cast<std::size_t>(a)], sink,
                                  progress.report());
    }
    report(sink);
}

void SelectionWindow::changeFilter(SelectionFilter group, std::string_view value, bool ticked)
{
    DistinctMessageSink sink;
    {
        ProgressScope progress(this);
        session_->setFilter(group, value, ticked, sink, progress.report());
    }
    report(sink);
}

void SelectionWindow::changeInsideEnvelopeOnly(bool only)
{
    DistinctMessageSink sink;
    {
        ProgressScope progress(this);
        session_->setInsideEnvelopeOnly(only, sink, progress.report());
    }
    report(sink);
}

void SelectionWindow::changeExtraAmbient(bool on)
{
    DistinctMessageSink sink;
    session_->setExtraAmbient(on ? std::optional(kWindowExtraAmbient) : std::nullopt, sink);
    report(sink);
}

void SelectionWindow::changeUnits()
{
    session_->setUnits(unitsBox_->currentIndex() == 1 ? UnitSystem::InchPound : UnitSystem::Si);
}

// After a rebuild the unit shown before is chosen again when the new list holds it, so its
// details follow the inputs; otherwise they are greyed out as belonging to the previous inputs.
void SelectionWindow::selectionChanged(const SelectionChange& change)
{
    if (change.list)
        showList();
    if (change.details) {
        showChosenRow();
        showDetails();
    } else if (change.list) {
        showChosenRow();
        showOutdatedDetails(detailsOutdated(session_->state()));
    }
    if (change.loads)
        showLoadNotes(statusBar_, session_->workspace(), session_->refrigerant());
    if (change.units) {
        showInputUnits();
        candidates_->setUnits(session_->units(), session_->workspace().displaySeparator());
        details_->applyCaptions();
        if (session_->state().details)
            details_->show(*session_->state().details);
    }
}

void SelectionWindow::showOutdatedDetails(bool outdated)
{
    outdatedNote_->setText(
        fromUtf8Text(outdatedDetailsNote(session_->languages().currentLanguage())));
    outdatedNote_->setVisible(outdated);
    details_->pages()->setEnabled(!outdated);
    details_->dimensionsGroup()->setEnabled(!outdated);
    details_->drawingView()->setEnabled(!outdated);
}

void SelectionWindow::listCurrentRowChanged(const QModelIndex& current)
{
    // Clicks are handled by the click itself; this follows the keyboard.
    if (choosing_ || !current.isValid() || QGuiApplication::mouseButtons() != Qt::NoButton)
        return;
    if (const int row = current.data(CandidateListModel::ListRowRole).toInt())
        chooseRow(row);
}

void SelectionWindow::showList()
{
    {
        // Rows removed move the view's current row: that is no choice of the user's.
        const QScopedValueRollback guard(choosing_, true);
        candidates_->refresh();
    }
    candidateGrid_->setEnabled(session_->state().candidates.enabled());
    details_->clearRangeTables();
    const QString hint =
        fromUtf8Text(emptyListHint(*session_, session_->languages().currentLanguage()));
    emptyListHint_->setText(hint);
    emptyListHint_->setVisible(!hint.isEmpty());
}

// The highlight is the unit shown in full, or no row at all.
void SelectionWindow::showChosenRow()
{
    const QScopedValueRollback guard(choosing_, true);
    if (const auto row = session_->highlightedRow()) {
        candidateGrid_->selectRow(*row - 1);
    } else {
        candidateGrid_->selectionModel()->clearSelection();
        candidateGrid_->selectionModel()->setCurrentIndex(QModelIndex(),
                                                          QItemSelectionModel::NoUpdate);
    }
}

void SelectionWindow::chooseRow(int row)
{
    const CandidateList& list = session_->state().candidates;
    if (row < 1 || row > static_cast<int>(list.rows.size()))
        return;
    DistinctMessageSink sink;
    session_->chooseRow(row, sink);
    report(sink);
}

void SelectionWindow::searchCapacity()
{
    DistinctMessageSink sink;
    // The field tells the session each change; it keeps what was typed across a change of
    // units, which the field shows converted.
    session_->selectByTypedCapacity(sink);
    const int language = session_->languages().currentLanguage();
    if (const auto note = requiredCapacityNote(*session_, language))
        statusBar_->showMessage(fromUtf8Text(*note), 15000);
    else
        statusBar_->clearMessage();
    report(sink);
}

void SelectionWindow::showDetails()
{
    if (!session_->state().details)
        return;
    const UnitDetails& d = *session_->state().details;
    details_->show(d);
    showOutdatedDetails(false);
    for (AccessoryGroup* g : accessoryGroups_) {
        if (g->kind() == AccessoryGroup::Kind::StandardBase)
            g->showFlags(std::vector<bool>(d.baseAccessories.begin(), d.baseAccessories.end()));
        else if (g->kind() == AccessoryGroup::Kind::StandardBox)
            g->showFlags(std::vector<bool>(d.boxAccessories.begin(), d.boxAccessories.end()));
    }
}

void SelectionWindow::printDatasheet()
{
    // A datasheet prints one unit at the inputs shown.
    const SelectionState& selection = session_->state();
    if (!selection.details || detailsOutdated(selection)) {
        presentMessages_({fromUtf8Text(chooseUnitNote(session_->languages().currentLanguage()))});
        return;
    }
    const bool base = family_ == UnitFamily::Base;
    const auto additional =
        base ? AccessoryGroup::Kind::AdditionalBase : AccessoryGroup::Kind::AdditionalBox;
    for (const AccessoryGroup* g : accessoryGroups_)
        if (g->kind() == additional)
            previewUnitDatasheet(this, *session_, accessoryChoicesOf(*g));
}

// The list and, when the details belong to the inputs shown, the unit's range tables.
void SelectionWindow::exportFigures()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const SelectionState& selection = session_->state();
    const QString name = QStringLiteral("%1 %2 %3.xlsx")
                             .arg(fromCatalogueText(session_->refrigerant()))
                             .arg(selection.evaporatingTemperature)
                             .arg(selection.ambientTemperature);
    const auto file = chooseExportFile_(QDir(folder).filePath(name));
    if (!file)
        return;
    if (const QString refused =
            refusedOutput(session_->workspace(), *file, session_->languages().currentLanguage());
        !refused.isEmpty()) {
        presentMessages_({refused});
        return;
    }
    const UnitDetails* details =
        selection.details && !detailsOutdated(selection) ? &*selection.details : nullptr;
    const ExportFormat format =
        file->endsWith(".csv", Qt::CaseInsensitive) ? ExportFormat::Csv : ExportFormat::Xlsx;
    try {
        writeSelectionExport(std::filesystem::path(QFile::encodeName(*file).data()),
                             selectionExportCells(*session_, true, details, session_->units()),
                             format);
    } catch (const SpreadsheetError& error) {
        presentMessages_(
            {fromUtf8Text(spreadsheetErrorText(error, session_->languages().currentLanguage()))});
    } catch (const FileError& error) {
        presentMessages_(
            {QString::fromStdString(error.path().string()) + ": " + fromUtf8Text(error.reason())});
    }
}

void SelectionWindow::markForComparison(int row, bool marked)
{
    if (!session_->markForComparison(row, marked))
        statusBar_->showMessage(fromUtf8Text(ownText(OwnText::CompareAtMostFour,
                                                     session_->languages().currentLanguage())),
                                15000);
    candidates_->marksChanged();
}

void SelectionWindow::compareMarkedUnits()
{
    DistinctMessageSink sink;
    std::optional<UnitComparison> comparison;
    try {
        comparison = compareUnits(*session_, session_->comparedRows(), sink);
    } catch (const ComparisonError& error) {
        presentMessages_({fromUtf8Text(error.what())});
        return;
    }
    report(sink);
    auto* window = new CompareWindow(
        comparisonIn(*comparison, session_->units(), session_->workspace().displaySeparator()),
        session_->languages().currentLanguage(), this);
    window->setOutputCheck(
        outputCheckOf(session_->workspace(), session_->languages().currentLanguage()));
    returnFocusOnClose(window, candidateGrid_);
    window->show();
}

void SelectionWindow::report(const DistinctMessageSink& sink)
{
    if (sink.messages.empty())
        return;
    QStringList messages;
    for (const auto& m : sink.messages)
        messages << fromUtf8Text(m).replace('\r', '\n');
    presentMessages_(messages);
}

} // namespace kelvo::gui
