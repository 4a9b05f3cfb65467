#pragma once

#include <optional>
#include <string>

#include "core/performance/balance_point.h"

namespace kelvo
{

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
    // The status line's word on the figures shown (UTF-8): why they are cleared, or that the
    // search found no balance; empty when they need none. Every display sets it anew.
    std::string status;
};

// What one display did. The panels themselves and the chart's request are the session's.
struct BalanceDisplay {
    bool ran = false;       // false: calculation disabled or no row; nothing changed
    bool evaluated = false; // the balance point was evaluated
    EvaluationOutcome outcome;
    bool cleared = false;    // the result panels were cleared
    std::string failure;     // why they were cleared (UTF-8): a text that is no number, an
                             // evaluation error, or empty when the evaluation failed (ok false)
    bool chartDrawn = false; // the chart's request was set: the chart is to be redrawn
    bool gaveUp = false;     // no balance below 70 C: the figures describe the search's last step
    // Unit display: the grid rows made current (the session's grid cursors are moved already);
    // nullopt when the grid has no row with that index.
    std::optional<int> compressorRow;
    std::optional<int> condenserRow;
    std::optional<int> frameRow;
    // The evaluation's inputs and figures, as numbers; set whenever it was evaluated.
    PairInputs inputs;
    PerformanceResult figures;
};

// The six result panels (Panel12, 4, 6, 7, 8, 11) from an evaluation's result.
void fillResultPanels(BalancePanels& panels, const PerformanceResult& result, double airTemperature,
                      char separator);

// Shown beside the figures of a display whose search found no balance below 70 C.
inline constexpr const char* kGaveUpNote =
    "Brak punktu równowagi poniżej 70 C: wyniki ostatniego kroku obliczeń.";

inline constexpr const char* kNoCompressorMessage =
    "Liczenie przerwane - Nie znalazłem sprężarki !";
inline constexpr const char* kNoCondenserMessage =
    "Liczenie przerwane - Nie znalazłem skraplacza !";

} // namespace kelvo
