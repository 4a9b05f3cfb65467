#include "core/performance/physical_ranges.h"

#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

template <std::size_t N>
void checkNumber(std::vector<ImpossibleValue>& found, PhysicalField field, const FixedText<N>& text,
                 std::optional<double> (*parse)(std::string_view))
{
    if (const auto value = parse(text.view()); value && !withinPhysicalRange(field, *value))
        found.push_back({field, text.str()});
}

template <std::size_t N>
void check(std::vector<ImpossibleValue>& found, PhysicalField field, const FixedText<N>& text)
{
    checkNumber(found, field, text, parseNumber);
}

} // namespace

bool withinPhysicalRange(PhysicalField field, double value)
{
    switch (field) {
    case PhysicalField::CompressorCount:
    case PhysicalField::CondenserCount:
        return value >= 1;
    case PhysicalField::CapacityMultiplier:
    case PhysicalField::PowerMultiplier:
        return value > 0;
    case PhysicalField::Superheat:
    case PhysicalField::Subcooling:
    case PhysicalField::FanPower:
    case PhysicalField::FanCount:
        return value >= 0;
    case PhysicalField::SuctionTemperature:
    case PhysicalField::ToMin:
    case PhysicalField::ToMax:
    case PhysicalField::EnvelopeTemperature:
        return value >= kAbsoluteZero;
    }
    return true;
}

std::string physicalRangeText(PhysicalField field)
{
    switch (field) {
    case PhysicalField::CompressorCount:
    case PhysicalField::CondenserCount:
        return ">= 1";
    case PhysicalField::CapacityMultiplier:
    case PhysicalField::PowerMultiplier:
        return "> 0";
    case PhysicalField::Superheat:
    case PhysicalField::Subcooling:
    case PhysicalField::FanPower:
    case PhysicalField::FanCount:
        return ">= 0";
    case PhysicalField::SuctionTemperature:
    case PhysicalField::ToMin:
    case PhysicalField::ToMax:
    case PhysicalField::EnvelopeTemperature:
        return ">= -273,15 C";
    }
    return {};
}

std::vector<ImpossibleValue> impossibleUnitValues(const CondensingUnitRecord& unit,
                                                  bool evaporatingRangeOnly)
{
    std::vector<ImpossibleValue> found;
    if (!evaporatingRangeOnly) {
        check(found, PhysicalField::CompressorCount, unit.compressorCount);
        check(found, PhysicalField::CondenserCount, unit.condenserCount);
        if (unit.superheatMode)
            check(found, PhysicalField::Superheat, unit.superheat);
        check(found, PhysicalField::Subcooling, unit.subcooling);
        if (!unit.superheatMode)
            check(found, PhysicalField::SuctionTemperature, unit.suctionTemperature);
    }
    check(found, PhysicalField::ToMin, unit.toMin);
    check(found, PhysicalField::ToMax, unit.toMax);
    return found;
}

std::vector<ImpossibleValue> impossibleCompressorValues(const CompressorRecord& compressor)
{
    std::vector<ImpossibleValue> found;
    // The calculation reads the multipliers with "." taken as ",".
    checkNumber(found, PhysicalField::CapacityMultiplier, compressor.coeffSets[0].multiplier,
                parseNumberWithComma);
    checkNumber(found, PhysicalField::PowerMultiplier, compressor.coeffSets[1].multiplier,
                parseNumberWithComma);
    return found;
}

std::vector<ImpossibleValue> impossibleCondenserValues(const CondenserRecord& condenser)
{
    std::vector<ImpossibleValue> found;
    check(found, PhysicalField::FanPower, condenser.fanPower);
    check(found, PhysicalField::FanCount, condenser.fanCount);
    return found;
}

} // namespace kelvo
