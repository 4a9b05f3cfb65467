#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/catalogue/records.h"
#include "core/performance/evaluation_fault.h"
#include "core/refrigerant/correlations.h"
#include "core/refrigerant/refrigerant_table.h"
#include "core/text/message_sink.h"

namespace kelvo
{

// Functions here throw EvaluationFault where a figure would otherwise be infinite or
// undefined. The parts that a balance search runs at every step are inline, so that they
// compile into the search loop.

inline constexpr const char* kRatedSuctionFallbackMessage =
    "Błąd !\rPrzyjąłem jako wzorcową temperaturę na ssaniu t=20C";
inline constexpr const char* kNegativeRatedSubcoolingMessage =
    "Błąd !\rDochłodzenie wzorcowe mniejsze od zera\rPrzyjąłem jako dochłodzenie wzorcowe t=0K";
inline constexpr const char* kBadRatedSubcoolingMessage =
    "Błąd !\rPrzyjąłem jako dochłodzenie wzorcowe t=0K";
// Absolute rated suction gas temperature when the record's text does not convert.
inline constexpr double kFallbackRatedSuctionTemperature = 20.0;

enum class PolynomialForm {
    None,           // C0 .. C5 not all usable
    SixCoefficient, // kW: C5 + C4*x + C3*y + C1*x^2 + C2*x*y + C0*y^2
    TenCoefficient  // W: C0 + C1*x + C2*y + C3*x^2 + ... + C9*y^3
};

// One coefficient set of a compressor as numbers.
struct CoefficientValues {
    double multiplier = 1.0;
    std::array<double, 10> c{};       // C0 .. C9; 0 where the text did not convert
    std::array<bool, 10> converted{}; // per coefficient: its text converted
    [[nodiscard]] PolynomialForm form() const;
};

// The multiplier text converted from a copy with "," for "."; 1.0 when it does not convert.
double readMultiplier(const CoefficientSet& set);

// Set 1 (capacity) or 2 (power), each text read with "." as "," (the record is not changed:
// writeEvaluatedTextsWithCommas does that where an evaluation has it happen).
CoefficientValues readCoefficientSet(const CompressorRecord& compressor, int set);

// Rated capacity or power of one compressor in kW at x = to, y = tk (C), in the form the set
// allows; terms multiplied left to right and summed in written order in long double.
struct RatedValue {
    double kW = 0;
    bool usable = false; // false: no form applies, kW is 0
};
RatedValue ratedCapacity(const CoefficientValues& set1, double to, double tk);
RatedValue ratedPower(const CoefficientValues& set2, double to, double tk);

// A set's polynomial at a fixed evaporating temperature, for a search over tk: the partial
// products without tk are formed once, in the order the full formula forms them, so at(tk)
// equals ratedCapacity(set, to, tk).kW bit for bit.
class RatedPolynomial
{
  public:
    RatedPolynomial(const CoefficientValues& set, double to);
    [[nodiscard]] bool usable() const { return form_ != PolynomialForm::None; }
    [[nodiscard]] PolynomialForm form() const { return form_; }
    template <class Arithmetic = CheckedArithmetic> [[nodiscard]] double at(double tk) const;
    // at() for a polynomial known to be of the form (not None).
    template <PolynomialForm Form, class Arithmetic> [[nodiscard]] double in(double tk) const;

  private:
    PolynomialForm form_;
    long double multiplier_ = 1;
    long double head_ = 0;           // sum of the leading terms without y
    std::array<long double, 6> k_{}; // factors of the terms with y, and terms without y
    long double k8_ = 0;
    long double k9_ = 0;
};

// Rating conditions of the compressor's polynomials.
struct RatingConditions {
    double suctionTemperature = kFallbackRatedSuctionTemperature; // C
    double subcooling = 0;                                        // K
};

// to + superheat, or the suction temperature, as superheatMode says; 20 C with the message
// when the text does not convert.
double readRatedSuctionTemperature(const CompressorRecord& compressor, double to,
                                   MessageSink& sink);
// The subcooling; 0 with a message when it is negative or its text did not convert (nullopt).
double ratedSubcooling(std::optional<double> text, MessageSink& sink);
// The same read from the record's text.
double readRatedSubcooling(const CompressorRecord& compressor, MessageSink& sink);
RatingConditions ratedConditions(const CompressorRecord& compressor, double to, MessageSink& sink);

// Capacity and power of one compressor, kW.
struct CompressorPerformance {
    double capacity = 0;
    double power = 0;
};

// Correction of rated figures to the actual suction superheat and subcooling by the refrigerant
// mass flow. The table lookups and the saturated vapour enthalpy at to are done once here;
// apply() does the part that depends on tk. Without a known refrigerant the saturation
// enthalpy differences are 0.
class SuperheatCorrection
{
  public:
    SuperheatCorrection(const RefrigerantCorrelations* refrigerant, const RefrigerantTable& table,
                        double to, double po, double actualSuctionTemperature,
                        double actualSubcooling, const RatingConditions& rating);
    template <class Arithmetic = CheckedArithmetic>
    [[nodiscard]] CompressorPerformance apply(double ratedCapacity, double ratedPower,
                                              double tk) const;
    // The saturated vapour enthalpy at to overflows: the first step raises the fault.
    [[nodiscard]] bool faultsAtFirstStep() const { return vapourEnthalpyOverflows_; }

  private:
    double superheatGainRated_;                       // kJ/kg, table
    double superheatGainActual_;                      // kJ/kg, table
    const CorrelationCoefficients* liquid_ = nullptr; // none without a known refrigerant
    double vapourEnthalpy_ = 0;                       // J/kg at to
    bool vapourEnthalpyOverflows_ = false;
    double ratedSubcooling_;
    double actualSubcooling_;
};

template <PolynomialForm Form, class Arithmetic>
[[gnu::always_inline]] inline double RatedPolynomial::in(double tk) const
{
    const long double y = tk;
    long double p = head_ + k_[0] * y;
    p = p + k_[1];
    p = p + k_[2] * y;
    p = p + k_[3] * y * y;
    if constexpr (Form == PolynomialForm::TenCoefficient) {
        p = p + k_[4];
        p = p + k_[5] * y;
        p = p + k8_ * y * y;
        p = p + k9_ * y * y * y;
        return Arithmetic::toDouble(p * multiplier_ / 1000);
    } else {
        return Arithmetic::toDouble(p * multiplier_);
    }
}

template <class Arithmetic>
[[gnu::always_inline]] inline double RatedPolynomial::at(double tk) const
{
    switch (form_) {
    case PolynomialForm::TenCoefficient:
        return in<PolynomialForm::TenCoefficient, Arithmetic>(tk);
    case PolynomialForm::SixCoefficient:
        return in<PolynomialForm::SixCoefficient, Arithmetic>(tk);
    case PolynomialForm::None:
        break;
    }
    return 0.0;
}

template <class Arithmetic>
[[gnu::always_inline]] inline CompressorPerformance
SuperheatCorrection::apply(double ratedCapacity, double ratedPower, double tk) const
{
    using A = Arithmetic;
    double evaporatorGainRated = 0;  // kJ/kg
    double evaporatorGainActual = 0; // kJ/kg
    if (liquid_) {
        if (A::checked && vapourEnthalpyOverflows_)
            throw EvaluationFault(EvaluationError::Overflow);
        // liquidEnthalpy() at tk minus each subcooling.
        const double liquidRated =
            A::finite(1000 * correlationPolynomial(*liquid_, A::finite(tk - ratedSubcooling_)));
        const double liquidActual =
            A::finite(1000 * correlationPolynomial(*liquid_, A::finite(tk - actualSubcooling_)));
        evaporatorGainRated = A::finite(vapourEnthalpy_ - liquidRated) / 1000;
        evaporatorGainActual = A::finite(vapourEnthalpy_ - liquidActual) / 1000;
    }
    const double massFlow =
        A::divide(ratedCapacity, A::finite(evaporatorGainRated + superheatGainRated_));
    CompressorPerformance corrected;
    corrected.capacity =
        A::finite(A::finite(evaporatorGainActual + superheatGainActual_) * massFlow);
    const double ratio = A::divide(ratedCapacity, corrected.capacity);
    corrected.power = A::divide(ratedPower, ratio);
    return corrected;
}

// The correction at one tk with the lookups done in place (t in C, po in bar abs).
CompressorPerformance correctToActual(double ratedCapacity, double ratedPower,
                                      const RefrigerantCorrelations* refrigerant,
                                      const RefrigerantTable& table, double to, double tk,
                                      double po, double actualSuperheat, double actualSubcooling,
                                      const RatingConditions& rating);

} // namespace kelvo
