#include "core/refrigerant/table_plausibility.h"

#include <cmath>

#include "core/app/language_table.h"
#include "core/app/own_texts.h"

namespace kelvo
{
namespace
{

// The table's own rounding (two decimals) may keep the enthalpy of rows a hundredth of a
// kelvin apart equal; over a kelvin no vapour's enthalpy stays put.
constexpr double kLargestFlatStep = 1.0;

// The relative deviation of the row from the correlation; nullopt-like -1 where the correlation
// gives no usable value or the row lies outside the span compared.
double deviation(const SaturatedRow& row, const RefrigerantCorrelations& correlations)
{
    if (row.temperature < kComparedFrom || row.temperature > kComparedTo)
        return -1;
    const double expected = vapourEnthalpy(correlations, row.temperature) / 1000;
    if (!std::isfinite(expected) || !(expected > 0))
        return -1;
    return std::fabs(row.enthalpy - expected) / expected;
}

} // namespace

void TableShapeBuilder::addRow(int line, double temperature, double pressure, double enthalpy)
{
    const Row row{line, temperature, pressure, enthalpy};
    const bool sameRun = previous_.line != 0 && previous_.pressure == pressure &&
                         previous_.temperature <= temperature;
    if (!sameRun) {
        shape_.saturated.push_back({line, temperature, enthalpy});
    } else if (shape_.firstFallingLine == 0 && temperature > previous_.temperature) {
        const bool falls = enthalpy < previous_.enthalpy;
        const bool flat = enthalpy == previous_.enthalpy &&
                          temperature - previous_.temperature >= kLargestFlatStep;
        if (falls || flat)
            shape_.firstFallingLine = line;
    }
    previous_ = row;
}

std::string implausibility(const TableShape& shape, const RefrigerantCorrelations* correlations)
{
    // The command line's language; the windows show the file's refusal as it is.
    if (shape.firstFallingLine != 0)
        return ownText(OwnText::TableEnthalpyFalls, kEnglish,
                       std::to_string(shape.firstFallingLine));
    if (correlations)
        for (const SaturatedRow& row : shape.saturated)
            if (deviation(row, *correlations) > kSaturatedEnthalpyTolerance)
                return ownText(OwnText::TableOffCorrelation, kEnglish, std::to_string(row.line));
    return {};
}

double largestSaturatedDeviation(const TableShape& shape,
                                 const RefrigerantCorrelations& correlations)
{
    double largest = 0;
    for (const SaturatedRow& row : shape.saturated)
        largest = std::max(largest, deviation(row, correlations));
    return largest;
}

} // namespace kelvo
