#include "core/performance/balance_point.h"

#include <cmath>
#include <optional>
#include <type_traits>

#include "core/catalogue/catalogue.h"
#include "core/performance/compressor_model.h"
#include "core/performance/condenser_model.h"
#include "core/performance/evaluation_fault.h"
#include "core/performance/fault_flag_watch.h"
#include "core/performance/record_numbers.h"
#include "core/refrigerant/correlations.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

constexpr const char* kWrongRefrigerantMessage =
    "Liczenie przerwane !\rWybierz czynnik chłodniczy !";
constexpr const char* kDifferentRefrigerantsMessage =
    "Liczenie przerwane !\rRóżne czynniki chłodnicze dla sprężarki i skraplacza !";
constexpr const char* kMissingTableMessage =
    "Liczenie przerwane !\rBrak tablicy właściwości czynnika: ";
constexpr const char* kAirBelowAbsoluteZeroMessage =
    "Liczenie przerwane !\rTemperatura powietrza poniżej zera bezwzględnego !";

// The search gives up once the condensing temperature passes this, C.
constexpr double kCondensingLimit = 70.0;
constexpr double kStep = 0.1; // K
// Below it the search would run for ever; no air is that cold.
constexpr double kAbsoluteZero = -273.15;

// Saturation pressure rounded to 0.1 bar, halves to even.
template <class Arithmetic = CheckedArithmetic>
double pressureToTenth(const RefrigerantCorrelations& refrigerant, double t)
{
    const double pressure = Arithmetic::finite(saturationPressure(refrigerant, t));
    return roundHalfEven(Arithmetic::finite(10 * pressure)) / 10;
}

bool allFinite(const PerformanceResult& r)
{
    for (const double v :
         {r.evaporatingPressure, r.condensingPressure, r.condensingDeltaT, r.refrigeratingCapacity,
          r.powerInput, r.condenserCapacity, r.condenserCapacityAt15K})
        if (!std::isfinite(v))
            return false;
    return true;
}

bool allFinite(const PairInputs& in)
{
    for (const double v : {in.to, in.airTemperature, in.superheat, in.subcooling,
                           in.compressorQuantity, in.condenserQuantity, in.heatFactor})
        if (!std::isfinite(v))
            return false;
    return true;
}

// f(form) with the form as a compile-time constant; the form is not None.
template <class F> bool withForm(PolynomialForm form, F f)
{
    using Form = PolynomialForm;
    if (form == Form::TenCoefficient)
        return f(std::integral_constant<Form, Form::TenCoefficient>{});
    return f(std::integral_constant<Form, Form::SixCoefficient>{});
}

template <class F> bool withCondenserKind(CondenserModelKind kind, F f)
{
    using Kind = CondenserModelKind;
    switch (kind) {
    case Kind::TwoPoint:
        return f(std::integral_constant<Kind, Kind::TwoPoint>{});
    case Kind::CoefficientA:
        return f(std::integral_constant<Kind, Kind::CoefficientA>{});
    case Kind::None:
        break;
    }
    return f(std::integral_constant<Kind, Kind::None>{});
}

class Evaluation
{
  public:
    Evaluation(const PairRecords& pair, const RefrigerantInUse& refrigerant, const PairInputs& in,
               const PerformanceResult& previous, MessageSink& sink, SearchChecks checks)
        : pair_(pair), refrigerant_(refrigerant), in_(in), sink_(sink), checks_(checks)
    {
        evaluation_.result = previous;
    }

    PairEvaluation run();

  private:
    bool refrigerantsUsable(const CompressorRecord& compressor, const CondenserRecord& condenser);
    // The search without per-step checks; false when a fault may have happened, and then
    // nothing is written.
    bool searchUnchecked(const RatedPolynomial& capacity, const RatedPolynomial& power,
                         const SuperheatCorrection& correction, const CondenserModel& condenser);
    template <PolynomialForm CapacityForm, PolynomialForm PowerForm, CondenserModelKind Kind>
    bool searchPlain(const RatedPolynomial& capacity, const RatedPolynomial& power,
                     const SuperheatCorrection& correction, const CondenserModel& condenser,
                     PerformanceResult& figures) const;
    // Raises the condensing temperature in 0.1 K steps until the condensers take the heat or
    // the limit is passed, checking every figure and writing it to the result as it goes.
    void searchChecked(const RatedPolynomial& capacity, const RatedPolynomial& power,
                       const SuperheatCorrection& correction, const CondenserModel& condenser);

    const PairRecords& pair_;
    const RefrigerantInUse& refrigerant_;
    const PairInputs& in_;
    MessageSink& sink_;
    SearchChecks checks_;
    PairEvaluation evaluation_;
    PerformanceResult& result_ = evaluation_.result;
    EvaluationOutcome& outcome_ = evaluation_.outcome;
    const RefrigerantCorrelations* correlations_ = refrigerant_.correlations;
};

bool Evaluation::refrigerantsUsable(const CompressorRecord& compressor,
                                    const CondenserRecord& condenser)
{
    const bool noneChosen = refrigerant_.name == kAllRefrigerants;
    const bool different = !sameText(compressor.refrigerant, condenser.refrigerant);
    if (!noneChosen && !different)
        return true;
    if (noneChosen)
        sink_.message(kWrongRefrigerantMessage);
    if (different)
        sink_.message(kDifferentRefrigerantsMessage);
    result_.evaporatingPressure = 0;
    result_.condensingPressure = 0;
    result_.condenserCapacityAt15K = 0;
    return false;
}

PairEvaluation Evaluation::run()
{
    if (!allFinite(in_)) {
        outcome_.error = EvaluationError::InvalidOperation;
        return evaluation_;
    }
    outcome_.ok = true;
    try {
        if (!refrigerantsUsable(pair_.compressor, pair_.condenser)) {
            outcome_.ok = false;
            return evaluation_;
        }
        const double po = correlations_ ? pressureToTenth(*correlations_, in_.to) : 0.0;
        result_.evaporatingPressure = po;

        // Zeros from a missing table would give plausible-looking nonsense.
        if (!refrigerant_.table || refrigerant_.table->rowCount() == 0) {
            outcome_.ok = false;
            outcome_.missingTable = std::string(refrigerant_.tableFile);
            sink_.message(kMissingTableMessage + outcome_.missingTable);
            return evaluation_;
        }
        if (!(in_.airTemperature >= kAbsoluteZero)) {
            outcome_.ok = false;
            sink_.message(kAirBelowAbsoluteZeroMessage);
            return evaluation_;
        }

        RatingConditions rating;
        rating.suctionTemperature = readRatedSuctionTemperature(pair_.compressor, in_.to, sink_);
        const double actualSuction = finiteOrFault(in_.to + in_.superheat);
        // Only past the faults above does an evaluation read the coefficient and condenser
        // texts, which the catalogue then keeps with decimal commas.
        evaluation_.readRecordTexts = true;
        const CompressorNumbers& numbers = pair_.compressorNumbers;
        rating.subcooling = ratedSubcooling(numbers.subcooling, sink_);
        const CondenserModel& condenser = pair_.condenserNumbers;

        const SuperheatCorrection correction(correlations_, *refrigerant_.table, in_.to, po,
                                             actualSuction, in_.subcooling, rating);
        const RatedPolynomial capacity(numbers.capacity, in_.to);
        const RatedPolynomial power(numbers.power, in_.to);
        if (!capacity.usable() || !power.usable() || condenser.kind() == CondenserModelKind::None)
            outcome_.ok = false;
        if (checks_ == SearchChecks::Always ||
            !searchUnchecked(capacity, power, correction, condenser))
            searchChecked(capacity, power, correction, condenser);
        if (outcome_.succeeded())
            outcome_.envelope = numbers.envelope.position(
                in_.to, condensingTemperature(in_.airTemperature, result_.condensingDeltaT));
    } catch (const EvaluationFault& fault) {
        outcome_.ok = false;
        outcome_.error = fault.error();
        outcome_.gaveUp = false;
    }
    return evaluation_;
}

bool Evaluation::searchUnchecked(const RatedPolynomial& capacity, const RatedPolynomial& power,
                                 const SuperheatCorrection& correction,
                                 const CondenserModel& condenser)
{
    if (correction.faultsAtFirstStep() || condenser.faulty() || !capacity.usable() ||
        !power.usable())
        return false;
    PerformanceResult figures = result_;
    const FaultFlagWatch watch;
    // One search for each combination of forms and condenser model, none of them chosen per
    // step.
    const bool gaveUp = withForm(capacity.form(), [&](auto capacityForm) {
        return withForm(power.form(), [&](auto powerForm) {
            return withCondenserKind(condenser.kind(), [&](auto kind) {
                return searchPlain<capacityForm(), powerForm(), kind()>(capacity, power, correction,
                                                                        condenser, figures);
            });
        });
    });
    if (watch.faultRaised() || !allFinite(figures))
        return false;
    result_ = figures;
    outcome_.gaveUp = gaveUp;
    return true;
}

template <PolynomialForm CapacityForm, PolynomialForm PowerForm, CondenserModelKind Kind>
bool Evaluation::searchPlain(const RatedPolynomial& capacity, const RatedPolynomial& power,
                             const SuperheatCorrection& correction, const CondenserModel& condenser,
                             PerformanceResult& figures) const
{
    using A = PlainArithmetic;
    const double air = in_.airTemperature;
    const double compressors = in_.compressorQuantity;
    const double condensers = in_.condenserQuantity;
    const double heatFactor = in_.heatFactor;
    double dT = 0;
    double tk = 0;
    double qo = 0;
    double pe = 0;
    double qk = 0;
    for (;;) {
        dT = dT + kStep;
        tk = air + dT;
        const double ratedCapacity = capacity.in<CapacityForm, A>(tk);
        const double ratedPower = power.in<PowerForm, A>(tk);
        const CompressorPerformance one = correction.apply<A>(ratedCapacity, ratedPower, tk);
        qo = one.capacity * compressors;
        pe = one.power * compressors;
        qk = condenser.capacityIn<Kind, A>(dT) * condensers;
        if ((qo + pe) * heatFactor <= qk || tk > kCondensingLimit)
            break;
    }
    figures.refrigeratingCapacity = qo;
    figures.powerInput = pe;
    figures.condenserCapacityAt15K = condenser.capacityAt15K() * condensers;
    figures.condenserCapacity = qk;
    figures.condensingDeltaT = dT;
    // Without a fault the pressure of the last step is the one that stands.
    if (correlations_)
        figures.condensingPressure = pressureToTenth<A>(*correlations_, tk);
    return air + dT > kCondensingLimit;
}

void Evaluation::searchChecked(const RatedPolynomial& capacity, const RatedPolynomial& power,
                               const SuperheatCorrection& correction,
                               const CondenserModel& condenser)
{
    double dT = 0;
    double tk = 0;
    // pk is only kept from the last step, so it is worked out only for the step whose value
    // stands when the search ends: at the balance, or, when a fault ends the search, the last
    // step that reached it (the fault may come from the next step's rated polynomials). Past
    // the limit the step is the last one and pk comes first, in its place in the step.
    bool pkPending = false;
    double pendingPkTk = 0;
    const auto storePk = [&](double atTk) {
        if (correlations_)
            result_.condensingPressure = pressureToTenth(*correlations_, atTk);
    };
    try {
        for (;;) {
            dT = dT + kStep;
            tk = in_.airTemperature + dT;
            const double ratedCapacity = capacity.at(tk);
            const double ratedPower = power.at(tk);
            if (tk > kCondensingLimit) {
                storePk(tk);
                pkPending = false;
            } else {
                pkPending = true;
                pendingPkTk = tk;
            }

            const CompressorPerformance one = correction.apply(ratedCapacity, ratedPower, tk);
            result_.refrigeratingCapacity = finiteOrFault(one.capacity * in_.compressorQuantity);
            result_.powerInput = finiteOrFault(one.power * in_.compressorQuantity);

            const double at15K = condenser.capacityAt15K();
            const double atDT = condenser.capacityAt(dT);
            result_.condenserCapacityAt15K = finiteOrFault(at15K * in_.condenserQuantity);
            result_.condenserCapacity = finiteOrFault(atDT * in_.condenserQuantity);

            const double heat = finiteOrFault(
                finiteOrFault(result_.refrigeratingCapacity + result_.powerInput) * in_.heatFactor);
            if (heat <= result_.condenserCapacity || tk > kCondensingLimit)
                break;
        }
    } catch (const EvaluationFault&) {
        if (pkPending)
            storePk(pendingPkTk);
        throw;
    }
    if (pkPending)
        storePk(pendingPkTk);
    result_.condensingDeltaT = dT;
    outcome_.gaveUp = in_.airTemperature + dT > kCondensingLimit;
}

} // namespace

std::string evaluationErrorText(EvaluationError error)
{
    switch (error) {
    case EvaluationError::DivisionByZero:
        return "Floating point division by zero";
    case EvaluationError::InvalidOperation:
        return "Invalid floating point operation";
    case EvaluationError::Overflow:
        return "Floating point overflow";
    case EvaluationError::None:
        break;
    }
    return {};
}

PairEvaluation evaluatePair(const PairRecords& pair, const RefrigerantInUse& refrigerant,
                            const PairInputs& inputs, const PerformanceResult& previous,
                            MessageSink& sink, SearchChecks checks)
{
    return Evaluation(pair, refrigerant, inputs, previous, sink, checks).run();
}

double shownCondensingTemperature(double airTemperature, double condensingDeltaT)
{
    return roundToTenth(condensingTemperature(airTemperature, condensingDeltaT)) + 0.0;
}

} // namespace kelvo
