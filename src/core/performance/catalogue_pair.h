#pragma once

#include "core/catalogue/catalogue.h"
#include "core/performance/balance_point.h"
#include "core/performance/record_numbers.h"

namespace kelvo
{

// evaluatePair of compressor inputs.compressor and condenser inputs.condenser of the catalogue,
// with their numbers from `numbers`. An index outside its table reads an empty record.
PairEvaluation evaluateCataloguePair(const Catalogue& catalogue, RecordNumbers& numbers,
                                     const RefrigerantInUse& refrigerant, const PairInputs& inputs,
                                     const PerformanceResult& previous, MessageSink& sink,
                                     SearchChecks checks = SearchChecks::WhenNeeded);

// What the catalogue keeps after that evaluation: the texts it read written with decimal
// commas. Nothing for an evaluation that did not read them or an index outside its table.
void keepEvaluatedTexts(Catalogue& catalogue, const PairInputs& inputs,
                        const PairEvaluation& evaluation);

} // namespace kelvo
