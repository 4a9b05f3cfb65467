#pragma once

#include <string>

#include "core/catalogue/records.h"
#include "core/performance/balance_point.h"

#include "core/performance/operating_envelope.h"
#include "core/performance/unit_numbers.h"

namespace kelvo
{

struct ApplicationState;
class MessageSink;

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
UnitPoint evaluateUnitPoint(ApplicationState& state, int unitIndex, int compressor, int condenser,
                            const UnitConditions& conditions, double to, double airTemperature,
                            MessageSink& sink);

} // namespace kelvo
