#include "core/performance/unit_numbers.h"

#include <array>

#include "core/text/numeric_text.h"

namespace kelvo
{

UnitConditions readUnitConditions(const CondensingUnitRecord& unit)
{
    UnitConditions c;
    c.superheatMode = unit.superheatMode;
    if (unit.superheatMode)
        c.superheat = toNumber(unit.superheat.view());
    else
        c.suctionTemperature = toNumber(unit.suctionTemperature.view());
    c.subcooling = toNumber(unit.subcooling.view());
    c.compressorCount = toNumber(unit.compressorCount.view());
    c.condenserCount = toNumber(unit.condenserCount.view());
    return c;
}

EvaporatingRange readEvaporatingRange(const CondensingUnitRecord& unit)
{
    return {toNumber(unit.toMin.view()), toNumber(unit.toMax.view())};
}

UnitNumbers convertUnitNumbers(const CondensingUnitRecord& unit)
{
    UnitNumbers numbers;
    try {
        numbers.range = readEvaporatingRange(unit);
    } catch (const ConversionError& error) {
        numbers.rangeFailure = error.what();
    }
    try {
        numbers.conditions = readUnitConditions(unit);
    } catch (const ConversionError& error) {
        numbers.conditionsFailure = error.what();
    }
    // Converted here once per text, not at every rebuild of a list.
    const auto range = impossibleUnitValues(unit, true);
    if (!range.empty())
        numbers.impossibleRange = range.front();
    for (const ImpossibleValue& value : impossibleUnitValues(unit))
        if (value.field != PhysicalField::ToMin && value.field != PhysicalField::ToMax) {
            numbers.impossibleConditions = value;
            break;
        }
    return numbers;
}

const UnitNumbers& UnitNumberSlots::of(const CondensingUnitRecord& unit, int index)
{
    const auto texts = [](const CondensingUnitRecord& record) {
        return std::array<std::string_view, 8>{record.superheatMode ? "1" : "0",
                                               record.superheat.view(),
                                               record.suctionTemperature.view(),
                                               record.subcooling.view(),
                                               record.compressorCount.view(),
                                               record.condenserCount.view(),
                                               record.toMin.view(),
                                               record.toMax.view()};
    };
    return slots_.get(unit, index, texts, convertUnitNumbers);
}

} // namespace kelvo
