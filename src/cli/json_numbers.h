#pragma once

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>

#include "core/text/display_units.h"

namespace kelvo::cli
{

// A figure that may be missing: the number, or null.
inline nlohmann::ordered_json optionalNumber(const std::optional<double>& value)
{
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

// The same for a figure in whole units (capacities are whole watts).
inline nlohmann::ordered_json optionalWholeNumber(const std::optional<double>& value)
{
    if (value && std::fabs(*value) < 9e15)
        return static_cast<std::int64_t>(*value);
    return optionalNumber(value);
}

// What the figures of an inch-pound output are in, as "figureUnits": {"temperature": "°F", ...};
// nothing for SI, whose outputs name no units.
inline void addUnitsJson(nlohmann::ordered_json& doc, UnitSystem system)
{
    if (system == UnitSystem::Si)
        return;
    nlohmann::ordered_json units;
    for (const auto& [name, quantity] : {std::pair{"temperature", Quantity::Temperature},
                                         {"temperatureDifference", Quantity::TemperatureDifference},
                                         {"capacity", Quantity::Capacity},
                                         {"power", Quantity::Power},
                                         {"pressure", Quantity::Pressure}})
        units[name] = unitOf(quantity, system);
    doc["figureUnits"] = std::move(units);
}

} // namespace kelvo::cli
