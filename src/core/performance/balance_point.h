#pragma once

#include <string>

#include "core/catalogue/decimal_commas.h"
#include "core/catalogue/records.h"
#include "core/performance/condenser_model.h"
#include "core/performance/evaluation_fault.h"
#include "core/performance/operating_envelope.h"
#include "core/performance/record_numbers.h"
#include "core/refrigerant/correlations.h"
#include "core/refrigerant/refrigerant_table.h"
#include "core/text/message_sink.h"

namespace kelvo
{

// The figures of a balance-point evaluation. Fields an evaluation does not reach keep the
// values of the result it started from (the previous one of the screen); callers rely on the
// outcome.
struct PerformanceResult {
    double evaporatingPressure = 0;    // po, bar abs, rounded to 0.1
    double condensingPressure = 0;     // pk, bar abs, rounded to 0.1
    double condensingDeltaT = 0;       // dT, K: condensing temperature minus air temperature
    double refrigeratingCapacity = 0;  // Qo, kW, all compressors
    double powerInput = 0;             // Pe, kW, all compressors
    double condenserCapacity = 0;      // Qk, kW, all condensers at dT
    double condenserCapacityAt15K = 0; // Qk15, kW, all condensers at 15 K
};

struct PairInputs {
    int compressor = 0; // index into the catalogue's compressors
    int condenser = 0;  // index into the catalogue's condensers
    double to = 0;      // evaporating temperature, C
    double airTemperature = 0;
    double superheat = 0;  // K; suction gas temperature = to + superheat
    double subcooling = 0; // K
    double compressorQuantity = 1;
    double condenserQuantity = 1;
    double heatFactor = 1;
};

struct EvaluationOutcome {
    bool ok = false;                               // the evaluation ran with usable data
    EvaluationError error = EvaluationError::None; // set when it ended with an arithmetic fault
    bool gaveUp = false;                           // the search passed 70 C without a balance
    std::string missingTable;                      // property file name when no table is loaded
    // The balance point (to, air temperature + dT) against the compressor's operating
    // envelope; Unchecked unless the evaluation succeeded.
    EnvelopePosition envelope = EnvelopePosition::Unchecked;

    [[nodiscard]] bool succeeded() const { return ok && error == EvaluationError::None; }
};

// The condensing temperature of a balance point: the air temperature plus the condenser's
// temperature difference, and the same as displays show it, to 0.1 K (never "-0").
inline double condensingTemperature(double airTemperature, double condensingDeltaT)
{
    return airTemperature + condensingDeltaT;
}
double shownCondensingTemperature(double airTemperature, double condensingDeltaT);

// How the balance search guards against arithmetic faults. WhenNeeded runs it without per-step
// checks and, only when a fault may have happened, again with them; Always checks every step.
// Both give the same figures and outcome bit for bit; Always is the reference for tests.
enum class SearchChecks { WhenNeeded, Always };

// The refrigerant an evaluation uses.
struct RefrigerantInUse {
    // As chosen: a registry name, or kAllRefrigerants when none is.
    std::string_view name;
    // Its correlations; nullptr for a name the registry does not know.
    const RefrigerantCorrelations* correlations = nullptr;
    // Its loaded property table; nullptr or no rows when none is loaded.
    const RefrigerantTable* table = nullptr;
    // The table's file, for the message when there is none.
    std::string_view tableFile;
};

// The two records of a pair and their numbers.
struct PairRecords {
    const CompressorRecord& compressor;
    const CondenserRecord& condenser;
    const CompressorNumbers& compressorNumbers;
    const CondenserModel& condenserNumbers;
};

struct PairEvaluation {
    EvaluationOutcome outcome;
    PerformanceResult result;
    // The evaluation went as far as reading the coefficient and condenser texts, which the
    // catalogue then keeps with decimal commas (writeEvaluatedTextsWithCommas).
    bool readRecordTexts = false;
    // Those texts by record, for an evaluation of catalogue records (evaluateCataloguePair).
    TextsRead textsRead;
};

// Finds the balance point of a compressor-condenser pair. Starts from `previous`, whose fields
// the evaluation does not reach stay in the result; writes nothing else. Messages go to the sink.
PairEvaluation evaluatePair(const PairRecords& pair, const RefrigerantInUse& refrigerant,
                            const PairInputs& inputs, const PerformanceResult& previous,
                            MessageSink& sink, SearchChecks checks = SearchChecks::WhenNeeded);

} // namespace kelvo
