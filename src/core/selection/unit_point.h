#pragma once

#include <string>
#include <string_view>

#include "core/app/language_table.h"
#include "core/catalogue/records.h"
#include "core/performance/balance_point.h"
#include "core/performance/operating_envelope.h"
#include "core/performance/unit_numbers.h"

namespace kelvo
{

class MessageSink;
class Workspace;

// How the selection evaluates its balance points: in a workspace it only reads, with the
// refrigerant in use, each evaluation starting from the latest result and leaving its own there,
// and adding the record texts it read to `textsRead`. Those two belong to whoever runs the
// calculation (a screen, a request), so that calculations run side by side over one workspace.
// Nothing is evaluated while `enabled` is false (a screen that is still setting itself up). The
// program's own texts are in `language`.
struct SelectionCalculation {
    const Workspace& workspace;
    std::string_view refrigerant;
    PerformanceResult& latest;
    TextsRead& textsRead;
    int language = kEnglish;
    bool enabled = true;

    // One evaluation as described; an outcome without figures while disabled.
    EvaluationOutcome evaluate(const PairInputs& inputs, MessageSink& sink) const;
    // A record as the catalogue keeps it once what this calculation read is kept: the texts it
    // shows as they are, decimal commas and all.
    [[nodiscard]] CondenserRecord keptCondenser(int slot) const;
    [[nodiscard]] CondensingUnitRecord keptUnit(int slot) const;
};

// One balance point of a unit at (to, air temperature), heat factor 1.0.
struct UnitPoint {
    bool succeeded = false;           // figures below are usable
    bool gaveUp = false;              // no balance below 70 C: the figures describe the last step
    double refrigeratingCapacity = 0; // kW
    double powerInput = 0;            // kW
    double condensingDeltaT = 0;      // K
    double condensingTemperature = 0; // C, air temperature + condensingDeltaT, unrounded
    // (to, condensingTemperature) against the compressor's operating envelope.
    EnvelopePosition envelope = EnvelopePosition::Unchecked;
    std::string failure; // why there are no figures (Windows-1250), empty on success
};

// The inputs of a unit's balance point at (to, air temperature), heat factor 1.0.
PairInputs unitPairInputs(int compressor, int condenser, const UnitConditions& conditions,
                          double to, double airTemperature);

// Evaluates without ever throwing. A unit without compressor or condenser is not evaluated
// (its failure names the missing link); every message of the calculation goes to the sink
// (UTF-8) and a failure without an arithmetic error carries the messages of this evaluation.
UnitPoint evaluateUnitPoint(const SelectionCalculation& calculation, int unitIndex, int compressor,
                            int condenser, const UnitConditions& conditions, double to,
                            double airTemperature, MessageSink& sink);

} // namespace kelvo
