#pragma once

#include "core/catalogue/catalogue.h"
#include "core/performance/balance_point.h"
#include "core/performance/record_numbers.h"

namespace kelvo
{

// evaluatePair of compressor inputs.compressor and condenser inputs.condenser of the catalogue,
// with their numbers from `numbers`. An index outside its table reads an empty record. Writes
// nothing but the numbers' cache; the texts it read are in the evaluation's textsRead.
PairEvaluation evaluateCataloguePair(const Catalogue& catalogue, RecordNumbers& numbers,
                                     const RefrigerantInUse& refrigerant, const PairInputs& inputs,
                                     const PerformanceResult& previous, MessageSink& sink,
                                     SearchChecks checks = SearchChecks::WhenNeeded);

} // namespace kelvo
