#pragma once

#include <string>
#include <vector>

#include "core/refrigerant/correlations.h"

namespace kelvo
{

// A property table holds superheated vapour in runs of rows at one pressure, each run starting
// at the dew point. A table whose numbers are of another refrigerant, another reference state
// or no refrigerant at all would still give figures, so it is judged by two properties any real
// table has.
struct SaturatedRow {
    int line = 0;           // counting the header as line 1
    double temperature = 0; // C
    double enthalpy = 0;    // kJ/kg
};
struct TableShape {
    // The first row whose vapour enthalpy does not rise from the row before it at the same
    // pressure and a higher temperature; 0 when there is none.
    int firstFallingLine = 0;
    // The first row of each run.
    std::vector<SaturatedRow> saturated;
};

// Builds the shape row by row, from the rows whose temperature, pressure and vapour enthalpy
// are usable; a row that is not leaves the run it stands in as it was.
class TableShapeBuilder
{
  public:
    void addRow(int line, double temperature, double pressure, double enthalpy);
    [[nodiscard]] const TableShape& shape() const { return shape_; }

  private:
    struct Row {
        int line = 0;
        double temperature = 0;
        double pressure = 0;
        double enthalpy = 0;
    };
    Row previous_;
    TableShape shape_;
};

// How far a saturated row's vapour enthalpy may lie from the refrigerant's correlation, as a
// fraction of the correlation's value. The shipped tables keep within 1.5 % (the four built-in
// correlations are the coarsest fits); another reference state or refrigerant lies 10 % to 50 %
// off. The refusal texts say "10 %".
inline constexpr double kSaturatedEnthalpyTolerance = 0.10;
// The saturated rows compared: the span the correlations are fitted to, with a margin.
inline constexpr double kComparedFrom = -60;
inline constexpr double kComparedTo = 80;

// Why the table cannot describe a refrigerant with `correlations` (nullptr: one of unknown
// correlations, judged by its shape alone), naming the line of the first row that fails; empty
// when it can.
std::string implausibility(const TableShape& shape, const RefrigerantCorrelations* correlations);

// The largest relative deviation of the saturated rows compared from the correlations.
double largestSaturatedDeviation(const TableShape& shape,
                                 const RefrigerantCorrelations& correlations);

} // namespace kelvo
