#pragma once

#include <optional>
#include <string>

#include "core/performance/balance_point.h"

namespace kelvo
{

struct ApplicationState;
class MessageSink;

// The read-only panels of the editor's information group. Texts hold record bytes
// (Windows-1250) and numbers with the display decimal separator; "" is an empty panel.
struct BalancePanels {
    std::string compressorModel;         // Panel1
    std::string condenserModel;          // Panel2
    std::string condensingPressure;      // Panel4: "Pk=... [bar] (abs)"
    std::string refrigerant;             // Panel5
    std::string condenserAt15K;          // Panel6: "DT=15 / Qskr=...kW"
    std::string capacity;                // Panel7: Qo to 0.001, "... [kW]"
    std::string power;                   // Panel8: Pe to 0.001, "... [kW]"
    std::string compressorIndex;         // Panel9
    std::string condenserIndex;          // Panel10
    std::string condensingTemperature;   // Panel11: tk to 0.1, "... [C]"
    std::string evaporatingPressure;     // Panel12: "Po=... [bar] (abs)"
    std::string frameName;               // Panel15
    std::string frameIndex;              // Panel16
    bool compressorModelDiffers = false; // Panel1 red: the unit's copy differs from the record
    bool condenserModelDiffers = false;  // Panel2 red
};

// What one display did. The panels themselves are in state.editor.panels and the chart's
// request in state.editor.chart.
struct BalanceDisplay {
    bool ran = false;       // false: calculation disabled or no row; nothing changed
    bool evaluated = false; // the balance point was evaluated
    EvaluationOutcome outcome;
    bool cleared = false;    // the result panels were cleared
    std::string failure;     // why they were cleared (UTF-8): a text that is no number, an
                             // evaluation error, or empty when the evaluation failed (ok false)
    bool chartDrawn = false; // state.editor.chart was set: the chart is to be redrawn
    bool gaveUp = false;     // no balance below 70 C: the figures describe the search's last step
    // Unit display: the grid rows made current (the grids' cursors in state.editor are moved
    // already); nullopt when the grid has no row with that index.
    std::optional<int> compressorRow;
    std::optional<int> condenserRow;
    std::optional<int> frameRow;
};

// The six result panels (Panel12, 4, 6, 7, 8, 11) from an evaluation's result.
void fillResultPanels(BalancePanels& panels, const PerformanceResult& result, double airTemperature,
                      char separator);

// Empties Panel9, 10, 1, 2, 4, 5, 6, 7, 8, 11, 12 and 15. Panel16 and the chart stay.
void clearBalanceDisplay(ApplicationState& state);

// Balance point of compressor `compressorIndex` with condenser `condenserIndex` at the inputs of
// state.editor.inputs (all six boxes) and state.refrigerant.condenserHeatFactor. Shows both
// records' models and indexes, fills the result panels and draws the chart; a box text that is
// no number or an evaluation error clears the panels instead (the chart keeps what it showed);
// ok false draws the chart without working point and clears the panels. Does nothing while
// the calculation is disabled. The evaluation's messages go to the sink.
BalanceDisplay showPairBalance(ApplicationState& state, int compressorIndex, int condenserIndex,
                               MessageSink& sink);

// Balance point of unit `unitIndex` with its linked compressor and condenser, at to, air,
// superheat and subcooling of state.editor.inputs and the unit's own counts. Shows the linked
// indexes (and makes their rows current in the other grids), marks a model copy that differs
// from the linked record, fills the result panels whatever ok says and draws the chart; a text
// that is no number or an evaluation error clears the panels. A link that finds nothing sends
// "Liczenie przerwane - Nie znalazłem sprężarki !" / "... skraplacza !" to the sink and leaves
// the result panels and the chart alone.
BalanceDisplay showUnitBalance(ApplicationState& state, int unitIndex, MessageSink& sink);

// Shown beside the figures of a display whose search found no balance below 70 C.
inline constexpr const char* kGaveUpNote =
    "Brak punktu równowagi poniżej 70 C: wyniki ostatniego kroku obliczeń.";

inline constexpr const char* kNoCompressorMessage =
    "Liczenie przerwane - Nie znalazłem sprężarki !";
inline constexpr const char* kNoCondenserMessage =
    "Liczenie przerwane - Nie znalazłem skraplacza !";

} // namespace kelvo
