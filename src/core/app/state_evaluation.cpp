#include "core/app/state_evaluation.h"

#include "core/app/application_state.h"
#include "core/performance/catalogue_pair.h"
#include "core/refrigerant/refrigerant_registry.h"
#include "core/refrigerant/table_loader.h"

namespace kelvo
{

EvaluationOutcome evaluateWithState(ApplicationState& state, const PairInputs& inputs,
                                    MessageSink& sink, SearchChecks checks)
{
    if (!state.refrigerant.calculationEnabled)
        return {};
    const std::string tableFile = refrigerantTableFileName(state.currentRefrigerant);
    const RefrigerantInUse refrigerant{
        state.currentRefrigerant,
        RefrigerantRegistry::builtIn().correlationsOf(state.currentRefrigerant),
        &state.refrigerant.table, tableFile};
    PairEvaluation evaluation =
        evaluateCataloguePair(state.catalogue, state.recordNumbers, refrigerant, inputs,
                              state.refrigerant.result, sink, checks);
    keepEvaluatedTexts(state.catalogue, inputs, evaluation);
    state.refrigerant.result = evaluation.result;
    return evaluation.outcome;
}

} // namespace kelvo
