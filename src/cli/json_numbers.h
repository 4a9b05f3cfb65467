#pragma once

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>

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

} // namespace kelvo::cli
