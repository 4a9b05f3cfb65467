#pragma once

#include <string>

#include "core/catalogue/catalogue.h"
#include "core/performance/balance_point.h"
#include "core/refrigerant/refrigerant_table.h"

namespace kelvo
{

// What the program keeps about refrigerants and the calculation for the whole run.
struct RefrigerantData {
    RefrigerantNames refrigerantNames;
    // Property table of the refrigerant in use; rowCount 0 when none is loaded.
    RefrigerantTable table;
    // The file the table came from ("R404A.txt"); empty when no table is loaded.
    std::string tableFileName;
    // Set when the loaded table has rows that cannot be used (UTF-8, naming the file); said
    // once per load by whoever shows the load.
    std::string tableNote;
    // The latest balance-point evaluation.
    PerformanceResult result;
    // The factor in "Qk=(Qo+Pe) x" of the editor's displays and reports.
    double condenserHeatFactor = 1.1;
    // The calculation does nothing while false; windows clear it while they initialise.
    bool calculationEnabled = true;
};

} // namespace kelvo
