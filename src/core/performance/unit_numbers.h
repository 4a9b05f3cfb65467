#pragma once

#include <optional>
#include <string>

#include "core/catalogue/records.h"
#include "core/performance/physical_ranges.h"
#include "core/text/source_texts.h"

namespace kelvo
{

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
    // The first value of the range, and of the operating texts, that converts but cannot be.
    std::optional<ImpossibleValue> impossibleRange;
    std::optional<ImpossibleValue> impossibleConditions;
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

} // namespace kelvo
