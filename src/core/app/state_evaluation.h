#pragma once

#include "core/performance/balance_point.h"

namespace kelvo
{

struct ApplicationState;

// evaluatePair of the catalogue pair with the refrigerant in use, starting from and keeping the
// latest result; nothing while the calculation is disabled.
EvaluationOutcome evaluateWithState(ApplicationState& state, const PairInputs& inputs,
                                    MessageSink& sink,
                                    SearchChecks checks = SearchChecks::WhenNeeded);

} // namespace kelvo
