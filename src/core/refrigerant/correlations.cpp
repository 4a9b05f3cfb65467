#include "core/refrigerant/correlations.h"

#include <cmath>

namespace kelvo
{
namespace
{

using Coefficients = CorrelationCoefficients;

struct CorrelationSet {
    Coefficients pressure; // ln(p / bar)
    Coefficients liquid;   // kJ/kg
    Coefficients vapour;   // ln(h / (kJ/kg))
};

// Indexed by Refrigerant.
constexpr std::array<CorrelationSet, 4> kCorrelations{{
    // R404A
    {{1.7966042, 0.0317167, -0.000127474, 6.17e-07, -1.88e-09, 5.92e-12},
     {199.99502, 1.5186086, 0.001673045, -7.1e-06, 1.01e-07, 7.9e-09},
     {5.91507, 0.0014735, -6.94e-06, -1.26e-09, -2.35e-10, -2.44e-11}},
    // R407C
    {{1.5084744, 0.034982542, -0.00013986, 6.23e-07, -1.91e-09, 3.63e-12},
     {199.9931, 1.4375929, 0.003144059, 1.94e-06, 2.5e-07, 1.16e-09},
     {6.0256527, 0.001346152, -5.38e-06, -4.04e-08, 2e-11, -5.51e-12}},
    // R22
    {{1.602059, 0.032691402, -0.000128193, 4.61e-07, -3.01e-09, 3.3e-11},
     {200.00344, 1.1808641, 0.000919617, -5.49e-06, 1.03e-07, 1.08e-09},
     {5.9984255, 0.000825146, -4.8e-06, -1.86e-08, -9.32e-11, -1.03e-12}},
    // R134a
    {{1.0716461, 0.035990113, -0.000140075, 5.35e-07, -1.76e-09, 3.16e-12},
     {199.99767, 1.2193088, 0.003138637, 5.19e-06, 2.74e-08, 6.12e-10},
     {5.9817154, 0.001468395, -3.7e-06, -1.28e-08, -1.91e-11, -2.13e-12}},
}};

const CorrelationSet& correlationsOf(Refrigerant refrigerant)
{
    return kCorrelations[static_cast<std::size_t>(refrigerant)];
}

} // namespace

std::optional<Refrigerant> refrigerantFromName(std::string_view name)
{
    if (name == "R404A")
        return Refrigerant::R404A;
    if (name == "R407C")
        return Refrigerant::R407C;
    if (name == "R22")
        return Refrigerant::R22;
    if (name == "R134a")
        return Refrigerant::R134a;
    return std::nullopt;
}

const CorrelationCoefficients& liquidEnthalpyCoefficients(Refrigerant refrigerant)
{
    return correlationsOf(refrigerant).liquid;
}

double saturationPressure(Refrigerant refrigerant, double t)
{
    return std::exp(correlationPolynomial(correlationsOf(refrigerant).pressure, t));
}

double liquidEnthalpy(Refrigerant refrigerant, double t)
{
    return 1000 * correlationPolynomial(correlationsOf(refrigerant).liquid, t);
}

double vapourEnthalpy(Refrigerant refrigerant, double t)
{
    return 1000 * std::exp(correlationPolynomial(correlationsOf(refrigerant).vapour, t));
}

double saturationPressure(std::string_view refrigerant, double t)
{
    const auto known = refrigerantFromName(refrigerant);
    return known ? saturationPressure(*known, t) : 0.0;
}

double liquidEnthalpy(std::string_view refrigerant, double t)
{
    const auto known = refrigerantFromName(refrigerant);
    return known ? liquidEnthalpy(*known, t) : 0.0;
}

double vapourEnthalpy(std::string_view refrigerant, double t)
{
    const auto known = refrigerantFromName(refrigerant);
    return known ? vapourEnthalpy(*known, t) : 0.0;
}

} // namespace kelvo
