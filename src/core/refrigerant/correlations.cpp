#include "core/refrigerant/correlations.h"

#include <cmath>

namespace kelvo
{

double saturationPressure(const RefrigerantCorrelations& refrigerant, double t)
{
    return std::exp(correlationPolynomial(refrigerant.pressure, t));
}

double liquidEnthalpy(const RefrigerantCorrelations& refrigerant, double t)
{
    return 1000 * correlationPolynomial(refrigerant.liquid, t);
}

double vapourEnthalpy(const RefrigerantCorrelations& refrigerant, double t)
{
    return 1000 * std::exp(correlationPolynomial(refrigerant.vapour, t));
}

} // namespace kelvo
