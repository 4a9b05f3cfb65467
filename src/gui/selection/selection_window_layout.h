#pragma once

#include <string_view>
#include <vector>

#include "core/selection/selection_session.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QStatusBar;
class QTableView;
class QWidget;

namespace kelvo
{
class SelectionSession;
} // namespace kelvo

namespace kelvo::gui
{

class AccessoryGroup;
class CandidateListModel;
class PictureButton;
class UnitDetailsView;

// The selection window's controls, made and laid out by SelectionWindowLayout; the window fills,
// connects and captions them.
struct SelectionWindowControls {
    QComboBox* refrigerantBox = nullptr;       // ComboBox3
    QLabel* refrigerantFacts = nullptr;        // its GWP, class and any warning
    QComboBox* evaporatingBox = nullptr;       // ComboBox1
    QComboBox* ambientBox = nullptr;           // ComboBox2
    QLineEdit* requiredCapacityEdit = nullptr; // Edit1
    QComboBox* unitsBox = nullptr;             // SI or inch-pound units
    // The unit labels beside the temperatures and the required capacity.
    QLabel* evaporatingUnit = nullptr;
    QLabel* ambientUnit = nullptr;
    QLabel* capacityUnit = nullptr;
    QGroupBox* refrigerantGroup = nullptr;
    QGroupBox* evaporatingGroup = nullptr;
    QGroupBox* ambientGroup = nullptr;
    QGroupBox* capacityGroup = nullptr;
    QGroupBox* kindGroup = nullptr;
    QGroupBox* brandGroup = nullptr;
    QGroupBox* versionGroup = nullptr;
    // A filter check box, its caption and the option it ticks.
    struct FilterBox {
        QCheckBox* box;
        int captionEntry;
        SelectionFilter group;
        std::string_view value;
    };
    std::vector<FilterBox> filterBoxes; // kinds, brands, versions in their tables' order
    CandidateListModel* candidates = nullptr;
    QTableView* candidateGrid = nullptr; // StringGrid1
    QLabel* emptyListHint = nullptr;     // over the empty list: what to tick to see units
    QLabel* outdatedNote = nullptr;      // above details that belong to earlier inputs
    std::vector<AccessoryGroup*> accessoryGroups;
    QWidget* accessoryPages = nullptr;
    UnitDetailsView* details = nullptr;
    PictureButton* searchButton = nullptr;
    PictureButton* datasheetButton = nullptr;
    PictureButton* exportButton = nullptr;
    PictureButton* compareButton = nullptr;
    QCheckBox* insideEnvelopeBox = nullptr;
    QCheckBox* extraAmbientBox = nullptr; // "also at 43 C"
    PictureButton* exitButton = nullptr;
    QStatusBar* statusBar = nullptr;
};

// Builds the selection window's controls into the window, in three zones read left to right
// and top to bottom: the inputs and filters with the buttons under them; the list beside the
// accessories; the unit's drawing beside its detail pages.
class SelectionWindowLayout
{
  public:
    SelectionWindowLayout(QWidget& window, SelectionSession& session, UnitFamily family,
                          SelectionWindowControls& ui);
    void build();

  private:
    QWidget* buildInputs();
    QWidget* buildFilters();
    QWidget* buildList();
    QWidget* buildAccessories();
    QWidget* buildButtons();

    QWidget& window_;
    SelectionSession& session_;
    UnitFamily family_;
    SelectionWindowControls& ui_;
};

} // namespace kelvo::gui
