#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/records.h"

namespace kelvo
{

// The catalogue values the selection's calculation reads that have a physical range.
enum class PhysicalField {
    CompressorCount,     // of a unit, at least 1
    CondenserCount,      // of a unit, at least 1
    Superheat,           // of a unit, K, not negative
    Subcooling,          // of a unit, K, not negative
    SuctionTemperature,  // of a unit, C, not below absolute zero
    ToMin,               // of a unit, C, not below absolute zero
    ToMax,               // of a unit, C, not below absolute zero
    CapacityMultiplier,  // of a compressor's set 1, above 0
    PowerMultiplier,     // of a compressor's set 2, above 0
    FanPower,            // of a condenser, kW, not negative
    FanCount,            // of a condenser, not negative
    EnvelopeTemperature, // a compressor envelope's point, C, not below absolute zero
};

// A text that reads as a number the field cannot hold (catalogue bytes, as stored).
struct ImpossibleValue {
    PhysicalField field;
    std::string text;

    friend bool operator==(const ImpossibleValue&, const ImpossibleValue&) = default;
};

inline constexpr double kAbsoluteZero = -273.15;

// Whether `value` lies within the field's range.
bool withinPhysicalRange(PhysicalField field, double value);
// The limit as a text for messages: ">= 1", "> 0", ">= 0", ">= -273,15 C" (UTF-8).
std::string physicalRangeText(PhysicalField field);

// The unit's own values that convert but lie outside their range, in the order above; texts
// that do not convert are left to the conversion's own message. The suction temperature or the
// superheat counts as the unit's mode says. `evaporatingRangeOnly` checks toMin and toMax alone.
std::vector<ImpossibleValue> impossibleUnitValues(const CondensingUnitRecord& unit,
                                                  bool evaporatingRangeOnly = false);
// The same for what a unit reads of its compressor (the two multipliers; one that does not
// convert reads as 1) and of its condenser (the fans).
std::vector<ImpossibleValue> impossibleCompressorValues(const CompressorRecord& compressor);
std::vector<ImpossibleValue> impossibleCondenserValues(const CondenserRecord& condenser);

} // namespace kelvo
