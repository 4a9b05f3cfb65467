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
#include "gui/selection/selection_window_layout.h"
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

    SelectionWindowLayout(*this, *session_, family_, ui_).build();
    connectControls();
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
    std::vector<QWidget*> order{ui_.refrigerantBox, ui_.evaporatingBox, ui_.ambientBox,
                                ui_.requiredCapacityEdit};
    for (const SelectionWindowControls::FilterBox& filter : ui_.filterBoxes)
        order.push_back(filter.box);
    order.insert(order.end(),
                 {ui_.insideEnvelopeBox, ui_.extraAmbientBox, ui_.unitsBox, ui_.exitButton,
                  ui_.datasheetButton, ui_.exportButton, ui_.searchButton, ui_.compareButton,
                  ui_.candidateGrid, ui_.accessoryPages, ui_.details->pages()});
    for (QWidget* grid : ui_.details->rangeGrids())
        order.push_back(grid);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// The actions of the controls that are no inputs: the list, the capacity typed and the buttons.
void SelectionWindow::connectControls()
{
    connect(ui_.requiredCapacityEdit, &QLineEdit::returnPressed, this,
            &SelectionWindow::searchCapacity);
    connect(ui_.requiredCapacityEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { session_->typeRequiredCapacity(toCatalogueText(text)); });
    connect(ui_.candidates, &CandidateListModel::markRequested, this,
            &SelectionWindow::markForComparison);
    connect(ui_.candidateGrid, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (const int row = index.data(CandidateListModel::ListRowRole).toInt())
            chooseRow(row);
    });
    connect(ui_.candidateGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &SelectionWindow::listCurrentRowChanged);
    connect(ui_.exitButton, &PictureButton::clicked, this, &QWidget::close);
    connect(ui_.datasheetButton, &PictureButton::clicked, this, &SelectionWindow::printDatasheet);
    connect(ui_.exportButton, &PictureButton::clicked, this, &SelectionWindow::exportFigures);
    connect(ui_.searchButton, &PictureButton::clicked, this, &SelectionWindow::searchCapacity);
    connect(ui_.compareButton, &PictureButton::clicked, this, &SelectionWindow::compareMarkedUnits);
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
        scroll->widget()->minimumSizeHint() + QSize(0, ui_.statusBar->sizeHint().height());
    const QSize wanted = kFirstSize.expandedTo(needed);
    if (wanted != size())
        fitIntoScreen(this, wanted);
}

void SelectionWindow::fillInputLists()
{
    evaporatingChoices_ = evaporatingTemperatureChoices();
    ambientChoices_ = ambientTemperatureChoices();
    showInputUnits();
    ui_.evaporatingBox->setCurrentIndex(kDefaultEvaporatingChoice);
    ui_.ambientBox->setCurrentIndex(kDefaultAmbientChoice);
    ui_.unitsBox->setCurrentIndex(session_->units() == UnitSystem::Si ? 0 : 1);
    for (const std::string& name : session_->workspace().refrigerants().selectionNames())
        ui_.refrigerantBox->addItem(fromCatalogueText(name));
    ui_.refrigerantBox->setCurrentText(fromCatalogueText(session_->refrigerant()));
}

void SelectionWindow::showInputUnits()
{
    const char separator = session_->workspace().displaySeparator();
    const UnitSystem units = session_->units();
    for (const auto& [box, choices] : {std::pair{ui_.evaporatingBox, &evaporatingChoices_},
                                       {ui_.ambientBox, &ambientChoices_}}) {
        // The same items in other words: the choice stays and nothing is computed.
        const QSignalBlocker quiet(box);
        const int current = box->currentIndex();
        box->clear();
        for (const std::string& text : choiceTexts(*choices, separator, units))
            box->addItem(QString::fromStdString(text));
        box->setCurrentIndex(current);
    }
    // An inch-pound item names both units itself.
    ui_.evaporatingUnit->setText(units == UnitSystem::Si ? "[C]" : "");
    ui_.ambientUnit->setText(units == UnitSystem::Si ? "[C]" : "");
    ui_.capacityUnit->setText(fromUtf8Text(labelIn("[W]", units)));
    // The requirement typed follows the units; the session still holds what was typed.
    const QSignalBlocker quiet(ui_.requiredCapacityEdit);
    ui_.requiredCapacityEdit->setText(fromCatalogueText(session_->requiredCapacityText()));
}

void SelectionWindow::connectInputs()
{
    connect(ui_.refrigerantBox, &QComboBox::currentIndexChanged, this,
            &SelectionWindow::changeRefrigerant);
    connect(ui_.evaporatingBox, &QComboBox::currentIndexChanged, this,
            &SelectionWindow::changeTemperatures);
    connect(ui_.ambientBox, &QComboBox::currentIndexChanged, this,
            &SelectionWindow::changeTemperatures);
    const SelectionInputs& shown = session_->state();
    for (const SelectionWindowControls::FilterBox& filter : ui_.filterBoxes) {
        const bool ticked = filter.group == SelectionFilter::Kind    ? shown.kind(filter.value)
                            : filter.group == SelectionFilter::Brand ? shown.brand(filter.value)
                                                                     : shown.version(filter.value);
        filter.box->setChecked(ticked);
        connect(filter.box, &QCheckBox::toggled, this, [this, filter](bool checked) {
            changeFilter(filter.group, filter.value, checked);
        });
    }
    ui_.insideEnvelopeBox->setChecked(shown.insideEnvelopeOnly);
    connect(ui_.insideEnvelopeBox, &QCheckBox::toggled, this,
            &SelectionWindow::changeInsideEnvelopeOnly);
    ui_.extraAmbientBox->setChecked(shown.extraAmbient.has_value());
    connect(ui_.extraAmbientBox, &QCheckBox::toggled, this, &SelectionWindow::changeExtraAmbient);
    connect(ui_.unitsBox, &QComboBox::currentIndexChanged, this, &SelectionWindow::changeUnits);
}

void SelectionWindow::applyCaptions()
{
    const LanguageTable& languages = session_->languages();
    for (const SelectionWindowControls::FilterBox& filter : ui_.filterBoxes)
        filter.box->setText(languageText(languages, filter.captionEntry));
    const int language = languages.currentLanguage();
    ui_.insideEnvelopeBox->setText(fromUtf8Text(ownText(OwnText::OnlyInsideEnvelope, language)));
    ui_.unitsBox->setToolTip(fromUtf8Text(ownText(OwnText::UnitsChoice, language)));
    ui_.unitsBox->setAccessibleName(ui_.unitsBox->toolTip());
    ui_.extraAmbientBox->setText(fromUtf8Text(ownText(OwnText::AlsoAtExtraAmbient, language)));
    ui_.exportButton->setHint(fromUtf8Text(ownText(OwnText::ExportHint, language)));
    showRefrigerantFacts();
    const QStringList captions = withMnemonics({
        fromUtf8Text(controlCaption(ControlCaption::Exit, language)),
        fromUtf8Text(controlCaption(ControlCaption::Datasheet, language)),
        fromUtf8Text(controlCaption(ControlCaption::Export, language)),
        fromUtf8Text(controlCaption(ControlCaption::Find, language)),
        fromUtf8Text(controlCaption(ControlCaption::Compare, language)),
    });
    ui_.exitButton->setCaption(captions[0]);
    ui_.datasheetButton->setCaption(captions[1]);
    ui_.exportButton->setCaption(captions[2]);
    ui_.searchButton->setCaption(captions[3]);
    ui_.compareButton->setCaption(captions[4]);
    for (PictureButton* button : {ui_.exitButton, ui_.datasheetButton, ui_.exportButton,
                                  ui_.searchButton, ui_.compareButton})
        button->setFixedSize(std::max(66, button->captionWidth()), 84);
    ui_.candidates->applyLanguage();
    ui_.details->applyCaptions();
}

void SelectionWindow::changeRefrigerant()
{
    DistinctMessageSink sink;
    {
        ProgressScope progress(this);
        session_->chooseRefrigerant(toCatalogueText(ui_.refrigerantBox->currentText()), sink,
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
    ui_.refrigerantFacts->setText(text);
    ui_.refrigerantFacts->setToolTip(fromUtf8Text(facts.safetyClassLine));
}

void SelectionWindow::changeTemperatures()
{
    const int e = ui_.evaporatingBox->currentIndex();
    const int a = ui_.ambientBox->currentIndex();
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
    session_->setUnits(ui_.unitsBox->currentIndex() == 1 ? UnitSystem::InchPound : UnitSystem::Si);
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
        showLoadNotes(ui_.statusBar, session_->workspace(), session_->refrigerant());
    if (change.units) {
        showInputUnits();
        ui_.candidates->setUnits(session_->units(), session_->workspace().displaySeparator());
        ui_.details->applyCaptions();
        if (session_->state().details)
            ui_.details->show(*session_->state().details);
    }
}

void SelectionWindow::showOutdatedDetails(bool outdated)
{
    ui_.outdatedNote->setText(
        fromUtf8Text(outdatedDetailsNote(session_->languages().currentLanguage())));
    ui_.outdatedNote->setVisible(outdated);
    ui_.details->pages()->setEnabled(!outdated);
    ui_.details->dimensionsGroup()->setEnabled(!outdated);
    ui_.details->drawingView()->setEnabled(!outdated);
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
        ui_.candidates->refresh();
    }
    ui_.candidateGrid->setEnabled(session_->state().candidates.enabled());
    ui_.details->clearRangeTables();
    const QString hint =
        fromUtf8Text(emptyListHint(*session_, session_->languages().currentLanguage()));
    ui_.emptyListHint->setText(hint);
    ui_.emptyListHint->setVisible(!hint.isEmpty());
}

// The highlight is the unit shown in full, or no row at all.
void SelectionWindow::showChosenRow()
{
    const QScopedValueRollback guard(choosing_, true);
    if (const auto row = session_->highlightedRow()) {
        ui_.candidateGrid->selectRow(*row - 1);
    } else {
        ui_.candidateGrid->selectionModel()->clearSelection();
        ui_.candidateGrid->selectionModel()->setCurrentIndex(QModelIndex(),
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
        ui_.statusBar->showMessage(fromUtf8Text(*note), 15000);
    else
        ui_.statusBar->clearMessage();
    report(sink);
}

void SelectionWindow::showDetails()
{
    if (!session_->state().details)
        return;
    const UnitDetails& d = *session_->state().details;
    ui_.details->show(d);
    showOutdatedDetails(false);
    for (AccessoryGroup* g : ui_.accessoryGroups) {
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
    for (const AccessoryGroup* g : ui_.accessoryGroups)
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
        ui_.statusBar->showMessage(fromUtf8Text(ownText(OwnText::CompareAtMostFour,
                                                        session_->languages().currentLanguage())),
                                   15000);
    ui_.candidates->marksChanged();
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
    returnFocusOnClose(window, ui_.candidateGrid);
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
