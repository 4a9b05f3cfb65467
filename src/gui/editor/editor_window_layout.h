#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "core/editor/editor_filters.h"
#include "core/editor/editor_inputs.h"
#include "core/editor/row_commands.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QTableView;
class QWidget;

namespace kelvo
{
class EditorSession;
} // namespace kelvo

namespace kelvo::gui
{

class EditorGridModel;
class EnvelopeChartView;

// The editor window's own menu items besides the row commands and the refrigerants.
enum class EditorCommand {
    Save,
    PairReport,
    Exit,
    Undo,
    Redo,
    EditCondenser,
    EditCompressor,
    CheckCondensers,
    CheckCondenserData,
    CheckCompressors,
    CheckCompressorData,
    CheckUnits,
    CheckUnitData,
    ImportQo,
    ImportPe,
    About,
};

inline constexpr std::size_t kEditorInputBoxCount = 6;

// The controls of the catalogue editor "TForm1", as the layout made them. The window connects
// them to its session; it keeps no state of its own in them.
struct EditorWindowControls {
    std::array<EditorGridModel*, kEditorGridCount> models{};
    std::array<QTableView*, kEditorGridCount> grids{};
    std::vector<QCheckBox*> filterBoxes;                       // in editorFilterBoxes() order
    std::vector<QLabel*> panels;                               // by panel number - 1
    std::array<QComboBox*, kEditorInputBoxCount> inputBoxes{}; // by EditorInputBox
    QLineEdit* heatFactorEdit = nullptr;                       // Edit14
    QLabel* balanceStatus = nullptr; // the status line's word on the figures shown
    QGroupBox* information = nullptr;
    EnvelopeChartView* chart = nullptr;
    std::array<QMenu*, kEditorMenuCount> menus{}; // by EditorMenu
    std::vector<std::pair<EditorCommand, QAction*>> commands;
    std::vector<std::pair<RowCommand, QAction*>> rowCommands;
    std::vector<std::pair<std::string, QAction*>> refrigerants; // record bytes, menu order

    [[nodiscard]] QComboBox* inputBox(EditorInputBox box) const
    {
        return inputBoxes[static_cast<std::size_t>(box)];
    }
    [[nodiscard]] QAction* command(EditorCommand which) const;
};

// Builds the editor window's controls, menus and status line, each under the objectName the
// program and its tests know it by.
class EditorWindowLayout
{
  public:
    static EditorWindowControls build(QMainWindow& window, const EditorSession& session);

  private:
    EditorWindowLayout(QMainWindow& window, const EditorSession& session)
        : window_(window), session_(session)
    {
    }
    QWidget* buildFilters();
    QWidget* buildInformation();
    QTableView* buildGrid(EditorGrid grid, const char* name);
    void buildMenus();

    QMainWindow& window_;
    const EditorSession& session_;
    EditorWindowControls controls_;
};

} // namespace kelvo::gui
