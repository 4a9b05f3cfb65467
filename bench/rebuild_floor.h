#pragma once

#include <array>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/refrigerant/refrigerant_table.h"

namespace kelvo::bench
{

// The least work that gives a list rebuild's figures: every number converted beforehand,
// everything that does not depend on tk worked out once per rebuild or unit, a search without
// fault checks that keeps its figures in registers, each unit's result written once and the
// saturation pressure worked out once at the end. No filters, lookups, texts or sorting. It is
// the yardstick the rebuild is measured against, not a second implementation to use.
class RebuildFloor
{
  public:
    struct Figures {
        double capacity = 0; // Qo, kW
        double power = 0;    // Pe, kW
        double deltaT = 0;   // dT, K
        double pressure = 0; // pk, bar abs
    };

    // Converts the texts of every unit of the catalogue, its compressor and its condenser (R404A
    // with its property table, the ten-coefficient form, either condenser model).
    RebuildFloor(const Catalogue& catalogue, const RefrigerantTable& table);

    // The timed work: every unit's balance point at (to, air).
    void run(double to, double air);

    [[nodiscard]] const std::vector<Figures>& figures() const { return figures_; }
    [[nodiscard]] double steps() const { return steps_; }
    // False when a unit's data lies outside what the floor handles.
    [[nodiscard]] bool usable() const { return usable_; }

  private:
    struct Unit {
        std::array<double, 10> capacity{};
        std::array<double, 10> power{};
        double capacityMultiplier = 1;
        double powerMultiplier = 1;
        bool ratedBySuperheat = false;
        double ratedSuction = 0; // superheat or suction temperature, as the mode says
        double ratedSubcooling = 0;
        bool unitBySuperheat = false;
        double unitSuperheat = 0;
        double unitSuction = 0;
        double subcooling = 0;
        double compressors = 1;
        double condensers = 1;
        bool twoPoint = true; // else Qk = dT / A
        double slope = 0;
        double offset = 0;
        double coefficientA = 1;
    };

    const RefrigerantTable& table_;
    std::vector<Unit> units_;
    std::vector<Figures> figures_;
    double steps_ = 0;
    bool usable_ = true;
};

} // namespace kelvo::bench
