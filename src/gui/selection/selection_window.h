#pragma once

#include <QModelIndex>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "core/selection/selection_session.h"
#include "core/selection/selection_state.h"
#include "gui/selection/selection_window_layout.h"

namespace kelvo
{
class DistinctMessageSink;
class LanguageTable;
class Workspace;
} // namespace kelvo

namespace kelvo::gui
{

// The selection window: inputs and filters, the candidate list, the capacity search and the
// chosen unit's details. Every figure comes from its selection session; this class only shows
// it, refreshing what the session says changed.
class SelectionWindow : public QWidget, private SelectionObserver
{
    Q_OBJECT
  public:
    SelectionWindow(Workspace& workspace, const LanguageTable& languages, UnitFamily family,
                    QWidget* parent = nullptr);
    ~SelectionWindow() override;

    [[nodiscard]] const SelectionSession& session() const { return *session_; }

    // Loads the catalogue, resets the inputs and builds the (empty) list, then shows the
    // window. A catalogue that cannot be loaded is reported and the window stays empty.
    void open();

    // Shows the calculation's messages of one user action; replaced in tests.
    using MessagePresenter = std::function<void(const QStringList& messages)>;
    void setMessagePresenter(MessagePresenter presenter)
    {
        presentMessages_ = std::move(presenter);
    }

    // Asks where the export goes (.xlsx or .csv by the name's ending); nullopt: cancelled.
    using ExportChooser = std::function<std::optional<QString>(const QString& suggestedPath)>;
    void setExportChooser(ExportChooser chooser) { chooseExportFile_ = std::move(chooser); }

    // User actions, also driven by tests.
    void searchCapacity();
    void chooseRow(int row);
    // The chosen unit's datasheet, or a word that no unit is chosen.
    void printDatasheet();
    void exportFigures();
    // Opens the comparison of the marked units, or says why it cannot.
    void compareMarkedUnits();
    // Marks list row `row` for the comparison, or says that a fifth one is refused.
    void markForComparison(int row, bool marked);

  private:
    void connectControls();
    void applyCaptions();
    void showRefrigerantFacts();
    void fillInputLists();
    void fitToContent();
    void connectInputs();

    void changeRefrigerant();
    void changeTemperatures();
    void changeFilter(SelectionFilter group, std::string_view value, bool ticked);
    void changeInsideEnvelopeOnly(bool only);
    void changeExtraAmbient(bool on);
    void changeUnits();
    // The temperature lists' items and the input's unit labels in the session's units.
    void showInputUnits();
    void selectionChanged(const SelectionChange& change) override;
    void showList();
    void showChosenRow();
    void showDetails();
    void report(const DistinctMessageSink& sink);
    void listCurrentRowChanged(const QModelIndex& current);
    void showOutdatedDetails(bool outdated);
    void setTabOrder();

    std::unique_ptr<SelectionSession> session_;
    UnitFamily family_;
    ExportChooser chooseExportFile_;
    MessagePresenter presentMessages_;

    SelectionWindowControls ui_;
    bool choosing_ = false; // the window itself is moving the list's current row
    std::vector<double> evaporatingChoices_;
    std::vector<double> ambientChoices_;
};

} // namespace kelvo::gui
