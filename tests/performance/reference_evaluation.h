#pragma once

// A deliberately plain second implementation of the balance-point evaluation, written step by
// step from the documented algorithm and kept free of the production calculation: its own
// correlation coefficients, its own first-match scan over the property table cells, its own
// compressor polynomials, correction and condenser model. Nothing is precomputed or reordered;
// every step of the search recomputes everything it needs, in the written order. The
// comparison tests hold the optimised calculation to what this one computes, bit for bit.
//
// It reads only the catalogue records and the raw cells of the loaded property table.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/records.h"
#include "core/refrigerant/refrigerant_table.h"
#include "core/text/numeric_text.h"

namespace kelvo::test
{

namespace reference
{

// The seven figures of an evaluation, in the order of the result record.
struct Figures {
    double evaporatingPressure = 0;    // po, bar abs
    double condensingPressure = 0;     // pk, bar abs
    double condensingDeltaT = 0;       // dT, K
    double refrigeratingCapacity = 0;  // Qo, kW, all compressors
    double powerInput = 0;             // Pe, kW, all compressors
    double condenserCapacity = 0;      // Qk, kW, all condensers
    double condenserCapacityAt15K = 0; // Qk15, kW, all condensers
};

enum class Fault { None, DivisionByZero, InvalidOperation, Overflow };

struct Outcome {
    bool ok = false;
    Fault fault = Fault::None;
    bool gaveUp = false;
    std::string missingTable;
    std::vector<std::string> messages; // every message, in the order given
};

struct Inputs {
    double to = 0;
    double airTemperature = 0;
    double superheat = 0;
    double subcooling = 0;
    double compressorQuantity = 1;
    double condenserQuantity = 1;
    double heatFactor = 1;
};

// Thrown where the platform would raise a floating-point exception.
struct FaultRaised {
    Fault fault;
};

inline double checked(double value)
{
    if (!std::isfinite(value))
        throw FaultRaised{Fault::Overflow};
    return value;
}

inline double divide(double a, double b)
{
    if (b == 0) {
        if (a == 0)
            throw FaultRaised{Fault::InvalidOperation};
        throw FaultRaised{Fault::DivisionByZero};
    }
    return checked(a / b);
}

inline std::optional<double> convert(std::string_view text)
{
    return parseNumber(text);
}

inline double roundToTenth(double value)
{
    return std::nearbyint(value * 10) / 10;
}

// ---- Refrigerant correlations ---------------------------------------------------------------

struct Coefficients {
    double k[6];
};

inline bool isKnownRefrigerant(const std::string& r)
{
    return r == "R404A" || r == "R407C" || r == "R22" || r == "R134a";
}

inline Coefficients pressureCoefficients(const std::string& r)
{
    if (r == "R22")
        return {{1.602059, 0.032691402, -0.000128193, 4.61e-07, -3.01e-09, 3.3e-11}};
    if (r == "R404A")
        return {{1.7966042, 0.0317167, -0.000127474, 6.17e-07, -1.88e-09, 5.92e-12}};
    if (r == "R407C")
        return {{1.5084744, 0.034982542, -0.00013986, 6.23e-07, -1.91e-09, 3.63e-12}};
    return {{1.0716461, 0.035990113, -0.000140075, 5.35e-07, -1.76e-09, 3.16e-12}}; // R134a
}

inline Coefficients liquidCoefficients(const std::string& r)
{
    if (r == "R22")
        return {{200.00344, 1.1808641, 0.000919617, -5.49e-06, 1.03e-07, 1.08e-09}};
    if (r == "R404A")
        return {{199.99502, 1.5186086, 0.001673045, -7.1e-06, 1.01e-07, 7.9e-09}};
    if (r == "R407C")
        return {{199.9931, 1.4375929, 0.003144059, 1.94e-06, 2.5e-07, 1.16e-09}};
    return {{199.99767, 1.2193088, 0.003138637, 5.19e-06, 2.74e-08, 6.12e-10}}; // R134a
}

inline Coefficients vapourCoefficients(const std::string& r)
{
    if (r == "R22")
        return {{5.9984255, 0.000825146, -4.8e-06, -1.86e-08, -9.32e-11, -1.03e-12}};
    if (r == "R404A")
        return {{5.91507, 0.0014735, -6.94e-06, -1.26e-09, -2.35e-10, -2.44e-11}};
    if (r == "R407C")
        return {{6.0256527, 0.001346152, -5.38e-06, -4.04e-08, 2e-11, -5.51e-12}};
    return {{5.9817154, 0.001468395, -3.7e-06, -1.28e-08, -1.91e-11, -2.13e-12}}; // R134a
}

// k0 + k1*t + k2*t*t + ... + k5*t*t*t*t*t: each term multiplied left to right, the terms
// summed left to right, in double.
inline double fifthDegree(const Coefficients& c, double t)
{
    double sum = c.k[0];
    sum = sum + c.k[1] * t;
    sum = sum + c.k[2] * t * t;
    sum = sum + c.k[3] * t * t * t;
    sum = sum + c.k[4] * t * t * t * t;
    sum = sum + c.k[5] * t * t * t * t * t;
    return checked(sum);
}

inline double saturationPressure(const std::string& r, double t)
{
    if (!isKnownRefrigerant(r))
        return 0;
    return checked(std::exp(fifthDegree(pressureCoefficients(r), t)));
}

inline double liquidEnthalpy(const std::string& r, double t)
{
    if (!isKnownRefrigerant(r))
        return 0;
    return checked(1000 * fifthDegree(liquidCoefficients(r), t));
}

inline double vapourEnthalpy(const std::string& r, double t)
{
    if (!isKnownRefrigerant(r))
        return 0;
    return checked(1000 * checked(std::exp(fifthDegree(vapourCoefficients(r), t))));
}

// ---- Property table: the first-match scan ---------------------------------------------------

inline double findVapourEnthalpy(const RefrigerantTable& table, double t, double p)
{
    const int rowCount = table.rowCount();
    int i = 1;
    while (true) {
        const double rowT = table.value(1, i);
        const double rowP = table.value(2, i);
        if (rowT >= t && rowP >= p)
            break;
        if (i < rowCount)
            i = i + 1;
        else
            break;
    }
    return static_cast<double>(table.value(5, i));
}

// ---- Compressor model -----------------------------------------------------------------------

struct CoefficientSetValues {
    double multiplier = 1.0;
    double c[10] = {};
    bool converted[10] = {};
};

inline double readMultiplier(const CoefficientSet& set)
{
    std::string copy = set.multiplier.str();
    for (char& ch : copy)
        if (ch == '.')
            ch = ',';
    const auto value = convert(copy);
    return value ? *value : 1.0;
}

// The coefficient texts are rewritten in the record itself, then converted.
inline void readCoefficients(CoefficientSet& set, CoefficientSetValues& values)
{
    for (int i = 0; i < 10; ++i) {
        set.c[static_cast<std::size_t>(i)].replaceAll('.', ',');
        const auto value = convert(set.c[static_cast<std::size_t>(i)].view());
        values.converted[i] = value.has_value();
        values.c[i] = value ? *value : 0.0;
    }
}

inline double toDoubleChecked(long double value)
{
    const double narrowed = static_cast<double>(value);
    return checked(narrowed);
}

// kW; nullopt when neither form is usable.
inline std::optional<double> ratedValue(const CoefficientSetValues& s, double to, double tk)
{
    bool allTen = true;
    for (int i = 0; i < 10; ++i)
        if (!s.converted[i])
            allTen = false;
    bool firstSix = true;
    for (int i = 0; i < 6; ++i)
        if (!s.converted[i])
            firstSix = false;

    const long double x = to;
    const long double y = tk;
    long double c[10];
    for (int i = 0; i < 10; ++i)
        c[i] = s.c[i];

    if (allTen) {
        long double p10 = c[0];
        p10 = p10 + c[1] * x;
        p10 = p10 + c[2] * y;
        p10 = p10 + c[3] * x * x;
        p10 = p10 + c[4] * x * y;
        p10 = p10 + c[5] * y * y;
        p10 = p10 + c[6] * x * x * x;
        p10 = p10 + c[7] * x * x * y;
        p10 = p10 + c[8] * x * y * y;
        p10 = p10 + c[9] * y * y * y;
        // The whole result expression stays in long double and is rounded to double once.
        return toDoubleChecked(p10 * static_cast<long double>(s.multiplier) / 1000);
    }
    if (firstSix) {
        long double p6 = c[5];
        p6 = p6 + c[4] * x;
        p6 = p6 + c[3] * y;
        p6 = p6 + c[1] * x * x;
        p6 = p6 + c[2] * x * y;
        p6 = p6 + c[0] * y * y;
        return toDoubleChecked(p6 * static_cast<long double>(s.multiplier));
    }
    return std::nullopt;
}

inline constexpr const char* kSuctionFallback =
    "Błąd !\rPrzyjąłem jako wzorcową temperaturę na ssaniu t=20C";
inline constexpr const char* kSubcoolingNegative =
    "Błąd !\rDochłodzenie wzorcowe mniejsze od zera\r"
    "Przyjąłem jako dochłodzenie wzorcowe t=0K";
inline constexpr const char* kSubcoolingUnreadable =
    "Błąd !\rPrzyjąłem jako dochłodzenie wzorcowe t=0K";
inline constexpr const char* kNoRefrigerantChosen =
    "Liczenie przerwane !\rWybierz czynnik chłodniczy !";
inline constexpr const char* kRefrigerantsDiffer =
    "Liczenie przerwane !\rRóżne czynniki chłodnicze dla sprężarki i skraplacza !";
inline constexpr const char* kNoTablePrefix =
    "Liczenie przerwane !\rBrak tablicy właściwości czynnika: ";

inline double ratedSuctionTemperature(const CompressorRecord& c, double to,
                                      std::vector<std::string>& messages)
{
    if (c.superheatMode) {
        const auto superheat = convert(c.superheat.view());
        if (superheat)
            return to + *superheat;
    } else {
        const auto suction = convert(c.suctionTemperature.view());
        if (suction)
            return *suction;
    }
    messages.emplace_back(kSuctionFallback);
    return 20.0;
}

inline double ratedSubcooling(const CompressorRecord& c, std::vector<std::string>& messages)
{
    const auto subcooling = convert(c.subcooling.view());
    if (!subcooling) {
        messages.emplace_back(kSubcoolingUnreadable);
        return 0.0;
    }
    if (*subcooling < 0) {
        messages.emplace_back(kSubcoolingNegative);
        return 0.0;
    }
    return *subcooling;
}

// ---- The evaluation -------------------------------------------------------------------------

// Evaluates one pair with currentRefrigerant and its table; writes the figures it reaches into
// `figures` (the others keep what they held) and rewrites "." to "," in the texts it reads.
inline Outcome evaluatePair(const std::string& currentRefrigerant, const RefrigerantTable& table,
                            bool calculationEnabled, CompressorRecord& compressor,
                            CondenserRecord& condenser, const Inputs& in, Figures& figures)
{
    Outcome outcome;

    // 1.
    if (!calculationEnabled) {
        outcome.ok = false;
        return outcome;
    }
    // 2.
    outcome.ok = true;

    // 3. Multipliers (copies of the texts).
    CoefficientSetValues capacitySet;
    CoefficientSetValues powerSet;
    capacitySet.multiplier = reference::readMultiplier(compressor.coeffSets[0]);
    powerSet.multiplier = reference::readMultiplier(compressor.coeffSets[1]);

    // 4. Refrigerant check.
    const bool allChosen = currentRefrigerant == "Wszystkie";
    const bool differ = compressor.refrigerant.str() != condenser.refrigerant.str();
    if (differ || allChosen) {
        outcome.ok = false;
        if (allChosen)
            outcome.messages.emplace_back(kNoRefrigerantChosen);
        if (differ)
            outcome.messages.emplace_back(kRefrigerantsDiffer);
        figures.evaporatingPressure = 0;
        figures.condensingPressure = 0;
        figures.condenserCapacityAt15K = 0;
        return outcome;
    }

    const bool known = isKnownRefrigerant(currentRefrigerant);
    try {
        // 5. Evaporating pressure.
        double po = 0;
        if (known)
            po = roundToTenth(saturationPressure(currentRefrigerant, in.to));
        figures.evaporatingPressure = po;

        // No property table loaded: stop here.
        if (table.rowCount() == 0) {
            outcome.ok = false;
            outcome.missingTable = currentRefrigerant + ".txt";
            outcome.messages.push_back(kNoTablePrefix + outcome.missingTable);
            return outcome;
        }

        // 6. Suction vapour enthalpies and the rated suction gas temperature.
        const double hSat = findVapourEnthalpy(table, in.to, po);
        const double ratedSuction = ratedSuctionTemperature(compressor, in.to, outcome.messages);
        const double hRated = findVapourEnthalpy(table, ratedSuction, po);
        const double hActual = findVapourEnthalpy(table, in.to + in.superheat, po);

        // 7. Coefficients (rewritten in place), then the rated subcooling.
        readCoefficients(compressor.coeffSets[0], capacitySet);
        readCoefficients(compressor.coeffSets[1], powerSet);
        const double ratedSub = ratedSubcooling(compressor, outcome.messages);

        // 8. Condenser data (rewritten in place, then converted).
        condenser.dt1.replaceAll('.', ',');
        condenser.qk1.replaceAll('.', ',');
        condenser.dt2.replaceAll('.', ',');
        condenser.qk2.replaceAll('.', ',');
        condenser.coeffA.replaceAll('.', ',');
        const auto dt1 = convert(condenser.dt1.view());
        const auto qk1 = convert(condenser.qk1.view());
        const auto dt2 = convert(condenser.dt2.view());
        const auto qk2 = convert(condenser.qk2.view());
        const auto coeffA = convert(condenser.coeffA.view());
        const bool twoPointUsable = dt1 && qk1 && dt2 && qk2;
        const bool aModelUsable = coeffA.has_value();

        // 9. Search.
        double dT = 0;
        while (true) {
            // 9.1
            dT = dT + 0.1;
            const double tk = in.airTemperature + dT;

            // 9.2 Rated capacity and power.
            double ratedCapacity = 0;
            double ratedPower = 0;
            if (const auto v = ratedValue(capacitySet, in.to, tk))
                ratedCapacity = *v;
            else
                outcome.ok = false;
            if (const auto v = ratedValue(powerSet, in.to, tk))
                ratedPower = *v;
            else
                outcome.ok = false;

            // 9.3 Condensing pressure and the correction to actual superheat and subcooling.
            double dEvaporatorRated = 0;
            double dEvaporatorActual = 0;
            if (known) {
                figures.condensingPressure =
                    roundToTenth(saturationPressure(currentRefrigerant, tk));
                const double hVapour = vapourEnthalpy(currentRefrigerant, in.to);
                const double hLiquidRated = liquidEnthalpy(currentRefrigerant, tk - ratedSub);
                const double hLiquidActual = liquidEnthalpy(currentRefrigerant, tk - in.subcooling);
                dEvaporatorRated = checked(hVapour - hLiquidRated) / 1000;
                dEvaporatorActual = checked(hVapour - hLiquidActual) / 1000;
            }
            const double dSuperheatRated = hRated - hSat;
            const double dSuperheatActual = hActual - hSat;
            const double m = divide(ratedCapacity, checked(dEvaporatorRated + dSuperheatRated));
            const double qo1 = checked(checked(dEvaporatorActual + dSuperheatActual) * m);
            const double r = divide(ratedCapacity, qo1);
            const double pe1 = divide(ratedPower, r);

            // 9.4
            figures.refrigeratingCapacity = checked(qo1 * in.compressorQuantity);
            figures.powerInput = checked(pe1 * in.compressorQuantity);

            // 9.5 One condenser.
            double qk15 = 0;
            double qk = 0;
            if (twoPointUsable) {
                const double a = divide(checked(*qk2 - *qk1), checked(*dt2 - *dt1));
                const double b = checked(*qk1 - checked(a * *dt1));
                qk15 = checked(checked(a * 15) + b);
                qk = checked(checked(a * dT) + b);
            } else if (aModelUsable) {
                const double A = *coeffA;
                if (A != 0) {
                    qk15 = std::nearbyint(divide(1000.0 * 15.0, A)) / 1000;
                    qk = divide(dT, A);
                } else {
                    qk15 = 0;
                    qk = 0;
                }
            } else {
                qk15 = 0;
                qk = 0;
                outcome.ok = false;
            }

            // 9.6
            figures.condenserCapacityAt15K = checked(qk15 * in.condenserQuantity);
            figures.condenserCapacity = checked(qk * in.condenserQuantity);

            // 9.7
            const double heatToReject = checked(
                checked(figures.refrigeratingCapacity + figures.powerInput) * in.heatFactor);

            // 9.8
            if (heatToReject <= figures.condenserCapacity)
                break;
            if (tk > 70)
                break;
        }

        // 10.
        figures.condensingDeltaT = dT;
        // A search that ended above 70 C is reported as given up, also when its last step
        // happened to balance: callers cannot tell the two apart from the figures.
        outcome.gaveUp = in.airTemperature + dT > 70;
    } catch (const FaultRaised& raised) {
        // The evaluation did not complete: its outcome is a failure with the fault's kind.
        outcome.ok = false;
        outcome.fault = raised.fault;
    }
    return outcome;
}

} // namespace reference

} // namespace kelvo::test
