#pragma once

#include <array>

namespace kelvo
{

// Saturation properties as fifth-degree polynomials in t (C), evaluated in double with each
// term multiplied out left to right ((a3*t)*t)*t and the terms summed in order. Results can be
// infinite for absurd temperatures; the calculation checks them.
using CorrelationCoefficients = std::array<double, 6>;

struct RefrigerantCorrelations {
    CorrelationCoefficients pressure; // ln(p / bar)
    CorrelationCoefficients liquid;   // kJ/kg
    CorrelationCoefficients vapour;   // ln(h / (kJ/kg))
};

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

// Saturation pressure, bar absolute: exp(a0 + a1*t + ... + a5*t^5).
double saturationPressure(const RefrigerantCorrelations& refrigerant, double t);
// Enthalpy of saturated liquid, J/kg (200 kJ/kg at 0 C): 1000 * (b0 + ... + b5*t^5).
double liquidEnthalpy(const RefrigerantCorrelations& refrigerant, double t);
// Enthalpy of saturated vapour, J/kg: 1000 * exp(c0 + ... + c5*t^5).
double vapourEnthalpy(const RefrigerantCorrelations& refrigerant, double t);

} // namespace kelvo
