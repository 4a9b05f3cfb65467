#include "rebuild_floor.h"

#include "core/catalogue/lookups.h"
#include "core/performance/compressor_model.h"
#include "core/refrigerant/refrigerant_registry.h"
#include "core/text/numeric_text.h"

namespace kelvo::bench
{
namespace
{

double number(std::string_view text, bool& usable)
{
    std::string copy(text);
    dotToComma(copy);
    const auto value = parseNumber(copy);
    usable = usable && value.has_value();
    return value.value_or(0);
}

template <std::size_t N>
void readSet(const CoefficientSet& set, std::array<double, N>& c, double& multiplier, bool& usable)
{
    multiplier = readMultiplier(set);
    for (std::size_t i = 0; i < N; ++i)
        c[i] = number(set.c[i].view(), usable);
}

// The ten-coefficient polynomial at x = to with the products without y formed once.
struct Polynomial {
    Polynomial(const std::array<double, 10>& c, double multiplier, double to)
    {
        const long double x = to;
        head = static_cast<long double>(c[0]) + c[1] * x;
        k2 = c[2];
        k3 = c[3] * x * x;
        k4 = c[4] * x;
        k5 = c[5];
        k6 = c[6] * x * x * x;
        k7 = c[7] * x * x;
        k8 = c[8] * x;
        k9 = c[9];
        m = multiplier;
    }
    [[nodiscard]] double at(double tk) const
    {
        const long double y = tk;
        long double p = head + k2 * y;
        p = p + k3;
        p = p + k4 * y;
        p = p + k5 * y * y;
        p = p + k6;
        p = p + k7 * y;
        p = p + k8 * y * y;
        p = p + k9 * y * y * y;
        return static_cast<double>(p * m / 1000);
    }
    long double head, k2, k3, k4, k5, k6, k7, k8, k9, m;
};

const RefrigerantCorrelations& r404a()
{
    return *RefrigerantRegistry::builtIn().correlationsOf("R404A");
}

double pressureToTenth(double t)
{
    return roundHalfEven(10 * saturationPressure(r404a(), t)) / 10;
}

} // namespace

RebuildFloor::RebuildFloor(const Catalogue& catalogue, const RefrigerantTable& table)
    : table_(table)
{
    for (int s = 1; s <= catalogue.units.count(); ++s) {
        const CondensingUnitRecord& record = catalogue.units[s];
        const CompressorRecord& compressor =
            catalogue.compressors[findCompressorOfUnit(catalogue, s)];
        const CondenserRecord& condenser = catalogue.condensers[findCondenserOfUnit(catalogue, s)];
        Unit unit;
        readSet(compressor.coeffSets[0], unit.capacity, unit.capacityMultiplier, usable_);
        readSet(compressor.coeffSets[1], unit.power, unit.powerMultiplier, usable_);
        unit.ratedBySuperheat = compressor.superheatMode;
        unit.ratedSuction = number(compressor.superheatMode ? compressor.superheat.view()
                                                            : compressor.suctionTemperature.view(),
                                   usable_);
        unit.ratedSubcooling = number(compressor.subcooling.view(), usable_);
        unit.unitBySuperheat = record.superheatMode;
        if (record.superheatMode)
            unit.unitSuperheat = number(record.superheat.view(), usable_);
        else
            unit.unitSuction = number(record.suctionTemperature.view(), usable_);
        unit.subcooling = number(record.subcooling.view(), usable_);
        unit.compressors = number(record.compressorCount.view(), usable_);
        unit.condensers = number(record.condenserCount.view(), usable_);
        bool twoPoint = true;
        const double dt1 = number(condenser.dt1.view(), twoPoint);
        const double qk1 = number(condenser.qk1.view(), twoPoint);
        const double dt2 = number(condenser.dt2.view(), twoPoint);
        const double qk2 = number(condenser.qk2.view(), twoPoint);
        unit.twoPoint = twoPoint;
        if (twoPoint) {
            unit.slope = (qk2 - qk1) / (dt2 - dt1);
            unit.offset = qk1 - unit.slope * dt1;
        } else {
            unit.coefficientA = number(condenser.coeffA.view(), usable_);
            usable_ = usable_ && unit.coefficientA != 0;
        }
        usable_ = usable_ && unit.ratedSubcooling >= 0;
        units_.push_back(unit);
    }
    figures_.resize(units_.size());
}

void RebuildFloor::run(double to, double air)
{
    const RefrigerantTable& table = table_;
    const auto& liquid = r404a().liquid;
    const double po = pressureToTenth(to);
    const double saturated = table.findVapourEnthalpy(to, po);
    const double vapour = vapourEnthalpy(r404a(), to);
    double steps = 0;
    for (std::size_t u = 0; u < units_.size(); ++u) {
        const Unit& unit = units_[u];
        const double ratedSuction =
            unit.ratedBySuperheat ? to + unit.ratedSuction : unit.ratedSuction;
        const double superheat = unit.unitBySuperheat ? unit.unitSuperheat : unit.unitSuction - to;
        const double gainRated = table.findVapourEnthalpy(ratedSuction, po) - saturated;
        const double gainActual = table.findVapourEnthalpy(to + superheat, po) - saturated;
        const Polynomial capacity(unit.capacity, unit.capacityMultiplier, to);
        const Polynomial power(unit.power, unit.powerMultiplier, to);
        double dT = 0;
        double tk = 0;
        double qo = 0;
        double pe = 0;
        for (;;) {
            dT = dT + 0.1;
            tk = air + dT;
            const double ratedCapacity = capacity.at(tk);
            const double ratedPower = power.at(tk);
            const double liquidRated =
                1000 * correlationPolynomial(liquid, tk - unit.ratedSubcooling);
            const double liquidActual = 1000 * correlationPolynomial(liquid, tk - unit.subcooling);
            const double evaporatorRated = (vapour - liquidRated) / 1000;
            const double evaporatorActual = (vapour - liquidActual) / 1000;
            const double massFlow = ratedCapacity / (evaporatorRated + gainRated);
            const double corrected = (evaporatorActual + gainActual) * massFlow;
            const double ratio = ratedCapacity / corrected;
            qo = corrected * unit.compressors;
            pe = ratedPower / ratio * unit.compressors;
            const double condenser =
                (unit.twoPoint ? unit.slope * dT + unit.offset : dT / unit.coefficientA) *
                unit.condensers;
            if ((qo + pe) * 1.0 <= condenser || tk > 70)
                break;
            steps += 1;
        }
        steps += 1;
        figures_[u] = {qo, pe, dT, pressureToTenth(tk)};
    }
    steps_ = steps;
}

} // namespace kelvo::bench
