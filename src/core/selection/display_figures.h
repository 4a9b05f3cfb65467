#pragma once

#include <string_view>

namespace kelvo
{

// Marks shown after a figure (or instead of it) in the candidate list and the range tables.
inline constexpr std::string_view kFailedMark = "!"; // no figure: the evaluation failed
inline constexpr std::string_view kGaveUpMark = "*"; // no balance below 70 C: figure at 70 C

// Cooling capacity in W to the nearest 100 W, from kW: round(Qo x 10) x 100, halves to even.
double capacityFigureW(double capacityKW);
// Power input in kW to one decimal: round(Pe x 10) / 10, halves to even.
double powerFigureKW(double powerKW);

} // namespace kelvo
