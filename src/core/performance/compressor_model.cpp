#include "core/performance/compressor_model.h"

#include <cmath>

#include "core/catalogue/lookups.h"
#include "core/performance/evaluation_fault.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

// a + b·x + c·y + d·x² + e·xy + f·y², summed term by term from the left: both forms start
// so, and the order of the sums is part of the rated figures.
long double quadratic(const std::array<long double, 6>& k, long double x, long double y)
{
    long double p = k[0] + k[1] * x;
    p = p + k[2] * y;
    p = p + k[3] * x * x;
    p = p + k[4] * x * y;
    return p + k[5] * y * y;
}

double ratedValue(const CoefficientValues& set, double to, double tk)
{
    const long double x = to;
    const long double y = tk;
    const long double m = set.multiplier;
    std::array<long double, 10> c{};
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = set.c[i];
    long double p = 0;
    switch (set.form()) {
    case PolynomialForm::TenCoefficient:
        p = quadratic({c[0], c[1], c[2], c[3], c[4], c[5]}, x, y);
        p = p + c[6] * x * x * x;
        p = p + c[7] * x * x * y;
        p = p + c[8] * x * y * y;
        p = p + c[9] * y * y * y;
        return toDoubleOrFault(p * m / 1000);
    case PolynomialForm::SixCoefficient:
        // The six-coefficient sets hold the same terms in another order.
        p = quadratic({c[5], c[4], c[3], c[1], c[2], c[0]}, x, y);
        return toDoubleOrFault(p * m);
    case PolynomialForm::None:
        break;
    }
    return 0.0;
}

} // namespace

PolynomialForm CoefficientValues::form() const
{
    bool firstSix = true;
    bool all = true;
    for (std::size_t i = 0; i < converted.size(); ++i) {
        all = all && converted[i];
        if (i < 6)
            firstSix = firstSix && converted[i];
    }
    if (all)
        return PolynomialForm::TenCoefficient;
    return firstSix ? PolynomialForm::SixCoefficient : PolynomialForm::None;
}

double readMultiplier(const CoefficientSet& set)
{
    return parseNumberWithComma(set.multiplier.view()).value_or(1.0);
}

CoefficientValues readCoefficientSet(const CompressorRecord& compressor, int set)
{
    const CoefficientSet& source = compressor.coeffSets.at(static_cast<std::size_t>(set - 1));
    CoefficientValues values;
    values.multiplier = readMultiplier(source);
    for (std::size_t i = 0; i < source.c.size(); ++i) {
        const auto value = parseNumberWithComma(source.c[i].view());
        values.converted[i] = value.has_value();
        values.c[i] = value.value_or(0.0);
    }
    return values;
}

RatedValue ratedCapacity(const CoefficientValues& set1, double to, double tk)
{
    return {ratedValue(set1, to, tk), set1.form() != PolynomialForm::None};
}

RatedValue ratedPower(const CoefficientValues& set2, double to, double tk)
{
    return {ratedValue(set2, to, tk), set2.form() != PolynomialForm::None};
}

RatedPolynomial::RatedPolynomial(const CoefficientValues& set, double to) : form_(set.form())
{
    const long double x = to;
    multiplier_ = set.multiplier;
    std::array<long double, 10> c{};
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = set.c[i];
    if (form_ == PolynomialForm::TenCoefficient) {
        head_ = c[0] + c[1] * x;
        k_ = {c[2], c[3] * x * x, c[4] * x, c[5], c[6] * x * x * x, c[7] * x * x};
        k8_ = c[8] * x;
        k9_ = c[9];
    } else if (form_ == PolynomialForm::SixCoefficient) {
        head_ = c[5] + c[4] * x;
        k_ = {c[3], c[1] * x * x, c[2] * x, c[0], 0, 0};
    }
}

double ratedSubcooling(std::optional<double> text, MessageSink& sink)
{
    if (!text) {
        sink.message(kBadRatedSubcoolingMessage);
        return 0.0;
    }
    if (*text < 0) {
        sink.message(kNegativeRatedSubcoolingMessage);
        return 0.0;
    }
    return *text;
}

double readRatedSuctionTemperature(const CompressorRecord& compressor, double to, MessageSink& sink)
{
    const auto& text =
        compressor.superheatMode ? compressor.superheat : compressor.suctionTemperature;
    const auto value = parseNumber(text.view());
    if (!value) {
        sink.message(kRatedSuctionFallbackMessage);
        return kFallbackRatedSuctionTemperature;
    }
    return compressor.superheatMode ? finiteOrFault(to + *value) : *value;
}

double readRatedSubcooling(const CompressorRecord& compressor, MessageSink& sink)
{
    return ratedSubcooling(parseNumber(compressor.subcooling.view()), sink);
}

RatingConditions ratedConditions(const CompressorRecord& compressor, double to, MessageSink& sink)
{
    RatingConditions rating;
    rating.suctionTemperature = readRatedSuctionTemperature(compressor, to, sink);
    rating.subcooling = readRatedSubcooling(compressor, sink);
    return rating;
}

SuperheatCorrection::SuperheatCorrection(const RefrigerantCorrelations* refrigerant,
                                         const RefrigerantTable& table, double to, double po,
                                         double actualSuctionTemperature, double actualSubcooling,
                                         const RatingConditions& rating)
    : ratedSubcooling_(rating.subcooling), actualSubcooling_(actualSubcooling)
{
    const double saturated = table.findVapourEnthalpy(to, po);
    const double rated = table.findVapourEnthalpy(rating.suctionTemperature, po);
    const double actual = table.findVapourEnthalpy(actualSuctionTemperature, po);
    superheatGainRated_ = rated - saturated;
    superheatGainActual_ = actual - saturated;
    if (refrigerant) {
        liquid_ = &refrigerant->liquid;
        // Its fault belongs to the first step of the search, where it is raised.
        vapourEnthalpy_ = vapourEnthalpy(*refrigerant, to);
        vapourEnthalpyOverflows_ = !std::isfinite(vapourEnthalpy_);
    }
}

CompressorPerformance correctToActual(double ratedCapacity, double ratedPower,
                                      const RefrigerantCorrelations* refrigerant,
                                      const RefrigerantTable& table, double to, double tk,
                                      double po, double actualSuperheat, double actualSubcooling,
                                      const RatingConditions& rating)
{
    const SuperheatCorrection correction(
        refrigerant, table, to, po, finiteOrFault(to + actualSuperheat), actualSubcooling, rating);
    return correction.apply(ratedCapacity, ratedPower, tk);
}

} // namespace kelvo
