#pragma once

#include <string>

#include "core/catalogue/records.h"
#include "core/performance/balance_point.h"

#include "core/performance/operating_envelope.h"
#include "core/text/source_texts.h"

namespace kelvo
{

struct ApplicationState;
class MessageSink;

// A unit's own operating texts (suction, subcooling, counts) as numbers.
struct UnitConditions {
    bool superheatMode = true;
    double superheat = 0;          // K, used in superheat mode
    double suctionTemperature = 0; // C, used otherwise
    double subcooling = 0;         // K
    double compressorCount = 1;
    double condenserCount = 1;

    // A unit given by its suction temperature has a larger superheat at a lower to.
    [[nodiscard]] double superheatAt(double to) const
    {
        return superheatMode ? superheat : suctionTemperature - to;
    }
};

// Throws ConversionError naming the text that does not convert.
UnitConditions readUnitConditions(const CondensingUnitRecord& unit);

// The unit's evaporating range; throws ConversionError.
struct EvaporatingRange {
    double toMin = 0;
    double toMax = 0;
};
EvaporatingRange readEvaporatingRange(const CondensingUnitRecord& unit);

// A unit's own numbers as a list reads them, or why they do not convert.
struct UnitNumbers {
    std::string rangeFailure; // why the evaporating range does not convert; empty when it does
    EvaporatingRange range;
    std::string conditionsFailure; // the same for the operating texts
    UnitConditions conditions;
};
UnitNumbers convertUnitNumbers(const CondensingUnitRecord& unit);

// The converted numbers of the unit records, kept until their texts change.
class UnitNumberSlots
{
  public:
    const UnitNumbers& of(const CondensingUnitRecord& unit, int index);

  private:
    ConvertedSlots<UnitNumbers> slots_;
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
UnitPoint evaluateUnitPoint(ApplicationState& state, int unitIndex, int compressor, int condenser,
                            const UnitConditions& conditions, double to, double airTemperature,
                            MessageSink& sink);

} // namespace kelvo
