#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/performance/operating_envelope.h"

namespace kelvo
{

// Marks shown after a figure (or instead of it) in the candidate list and the range tables.
inline constexpr std::string_view kFailedMark = "!"; // no figure: the evaluation failed
inline constexpr std::string_view kGaveUpMark = "*"; // no balance below 70 C: figure at 70 C
// The working point lies outside the compressor's operating envelope; follows the other mark.
inline constexpr std::string_view kOutsideEnvelopeMark = "#";

// Cooling capacity in W to the nearest 100 W, from kW: round(Qo x 10) x 100, halves to even.
double capacityFigureW(double capacityKW);
// Power input in kW to one decimal: round(Pe x 10) / 10, halves to even.
double powerFigureKW(double powerKW);

// The legend of the three marks, one line each (UTF-8): failed, gave up, outside.
std::vector<std::string> markLegend(int language);
// The same on one line, as the window and the datasheet show it under the range tables.
std::string markLegendLine(int language);

// What marks a figure whose working point lies outside its compressor's operating envelope:
// kOutsideEnvelopeMark and the reason naming the point (Windows-1250, tk to one decimal);
// both empty for a point inside or not checked.
struct EnvelopeMarking {
    std::string mark;
    std::string reason;
};
EnvelopeMarking envelopeMarking(EnvelopePosition position, double to, double tk, char separator,
                                int language);

} // namespace kelvo
