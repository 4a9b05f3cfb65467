#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/chart/envelope_chart.h"
#include "core/editor/balance_display.h"
#include "core/editor/editor_inputs.h"
#include "core/editor/editor_listing.h"
#include "core/editor/editor_update.h"
#include "core/text/calculation_pause.h"

namespace kelvo
{

class MessageSink;
class Workspace;

// Which grid was clicked last; decides the display the input boxes run.
enum class EditorSelectionKind { None = -1, Condenser = 1, Compressor = 2, Unit = 3 };

// The editor's balance display: the input boxes as typed, the heat factor, the information
// group's panels, the chart's request and the latest evaluation, for the pair or the unit the
// grids highlight. A unit display moves the grids' cursors to its compressor, condenser and
// frame; nothing else of the listing changes here.
class BalanceView
{
  public:
    BalanceView(Workspace& workspace, HighlightedRecords& listing)
        : workspace_(workspace), listing_(listing)
    {
    }

    // The inputs, panels and heat factor of a freshly opened editor, no grid clicked.
    void reset();
    // Empties every panel.
    void clearPanels();
    // Panel5 names the refrigerant in use.
    void showRefrigerant();

    // While the pause lives, no display runs (a window filling its controls).
    [[nodiscard]] CalculationPause pause() { return CalculationPause(calculating_); }
    [[nodiscard]] bool calculating() const { return calculating_; }

    // The display of a grid click on the row the listing made current (nothing runs for the
    // blank row); the frame grid shows the frame in Panel15 and 16.
    BalanceDisplay clickPair(EditorSelectionKind kind, MessageSink& sink);
    BalanceDisplay clickUnit(MessageSink& sink);
    void clickFrame();
    // The display the last grid click chose, again at the inputs as typed now.
    BalanceDisplay run(MessageSink& sink);
    // The pair display of a compressor and a condenser by table index, whatever the grids list.
    BalanceDisplay showPair(int compressor, int condenser, MessageSink& sink);
    // The unit display of a unit by table index, at the typed temperatures (its own counts).
    BalanceDisplay showUnit(int unit, const EditorInputs& typed, MessageSink& sink);
    // After the catalogue or the listing changed: the display shows the highlighted records as
    // they are now, or is cleared. Says in `update` what it changed.
    void refresh(EditorUpdate& update);
    // The chart click (see EditorSession::chooseChartPoint).
    BalanceDisplay chooseChartPoint(double to, double tk, MessageSink& sink);

    // An input box's text as typed, without running the display.
    void type(EditorInputBox box, std::string_view text);
    void typeInputs(const EditorInputs& typed);
    void setHeatFactorText(std::string_view text);

    // Panel16 names a frame by its slot: it follows the frame through a change of records.
    void followFrame(const WorkspaceChange& change);
    // Panel15 names the frame now linked to the unit.
    void showFrameOf(int unit);

    [[nodiscard]] EditorSelectionKind selectionKind() const { return selectionKind_; }
    [[nodiscard]] const EditorInputs& inputs() const { return inputs_; }
    [[nodiscard]] const BalancePanels& panels() const { return panels_; }
    [[nodiscard]] const std::optional<ChartRequest>& chart() const { return chart_; }
    [[nodiscard]] double heatFactor() const { return heatFactor_.value_or(1.0); }
    [[nodiscard]] const PerformanceResult& result() const { return result_; }

  private:
    void clearResultPanels();
    // Clears the panels for inputs the display cannot evaluate, keeping the compressor's
    // envelope on the chart, and says why.
    void refuseDisplay(int compressorIndex, std::string failure, BalanceDisplay& display);
    BalanceDisplay showUnitBalance(int unitIndex, MessageSink& sink);
    void showUnitRecord(int unitIndex);
    void showUnitPanels(int unitIndex);
    void evaluateAndShow(const PairInputs& inputs, BalanceDisplay& display, MessageSink& sink);
    void chartWithoutPoint(int compressorIndex);

    Workspace& workspace_;
    HighlightedRecords& listing_;
    EditorSelectionKind selectionKind_ = EditorSelectionKind::None;
    EditorInputs inputs_;
    BalancePanels panels_;
    // The chart's last drawing request; nullopt until a display draws it.
    std::optional<ChartRequest> chart_;
    // The factor in "Qk=(Qo+Pe) x" of the displays and reports; nullopt when its text is
    // refused.
    std::optional<double> heatFactor_ = kDefaultCondenserHeatFactor;
    // The latest evaluation, which the next one starts from.
    PerformanceResult result_;
    // Displays run only while true.
    bool calculating_ = true;
};

} // namespace kelvo
