#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kelvo
{

// The refrigerants with built-in saturation correlations.
enum class Refrigerant { R404A, R407C, R22, R134a };

// "R404A", "R407C", "R22", "R134a" (exact spelling); nullopt for any other name.
std::optional<Refrigerant> refrigerantFromName(std::string_view name);

// Saturation properties as fifth-degree polynomials in t (C), evaluated in double with each
// term multiplied out left to right ((a3*t)*t)*t and the terms summed in order. Results can be
// infinite for absurd temperatures; the calculation checks them.

// Saturation pressure, bar absolute: exp(a0 + a1*t + ... + a5*t^5).
double saturationPressure(Refrigerant refrigerant, double t);
// Enthalpy of saturated liquid, J/kg (200 kJ/kg at 0 C): 1000 * (b0 + ... + b5*t^5).
double liquidEnthalpy(Refrigerant refrigerant, double t);
// Enthalpy of saturated vapour, J/kg: 1000 * exp(c0 + ... + c5*t^5).
double vapourEnthalpy(Refrigerant refrigerant, double t);

// The coefficients b0 .. b5 of liquidEnthalpy, for loops that evaluate it many times.
using CorrelationCoefficients = std::array<double, 6>;
const CorrelationCoefficients& liquidEnthalpyCoefficients(Refrigerant refrigerant);

// k0 + k1*t + k2*t^2 + ... + k5*t^5 in that order, each term multiplied out left to right.
inline double correlationPolynomial(const CorrelationCoefficients& k, double t)
{
    double sum = k[0] + k[1] * t;
    sum = sum + k[2] * t * t;
    sum = sum + k[3] * t * t * t;
    sum = sum + k[4] * t * t * t * t;
    sum = sum + k[5] * t * t * t * t * t;
    return sum;
}

// The same by name; 0 for a name other than the four.
double saturationPressure(std::string_view refrigerant, double t);
double liquidEnthalpy(std::string_view refrigerant, double t);
double vapourEnthalpy(std::string_view refrigerant, double t);

} // namespace kelvo
