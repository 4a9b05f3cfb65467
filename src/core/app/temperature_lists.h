#pragma once

#include <string>
#include <vector>

#include "core/text/display_units.h"

namespace kelvo
{

// The temperature lists both screens offer.

// Choices of the evaporating-temperature list: 12.5, then 12, 11, ... -45.
std::vector<double> evaporatingTemperatureChoices();
inline constexpr int kDefaultEvaporatingChoice = 13; // 0 C
// Choices of the ambient-temperature list: 50, 49, ... 0.
std::vector<double> ambientTemperatureChoices();
inline constexpr int kDefaultAmbientChoice = 18; // 32 C
// The texts of such a list, with the display decimal separator ("12,5").
// In inch-pound units each item reads "32 °F (0 °C)".
std::vector<std::string> choiceTexts(const std::vector<double>& choices, char separator,
                                     UnitSystem system = UnitSystem::Si);

} // namespace kelvo
