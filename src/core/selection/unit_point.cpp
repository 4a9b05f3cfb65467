#include "core/selection/unit_point.h"

#include <array>
#include <cmath>
#include <exception>

#include "core/app/own_texts.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "core/workspace/workspace.h"

namespace kelvo
{
namespace
{

// Passes every message on (UTF-8, as the calculation reports them) and keeps this
// evaluation's own, in Windows-1250, for the failure text.
class RecordingSink : public MessageSink
{
  public:
    explicit RecordingSink(MessageSink& next) : next_(next) {}
    void message(std::string_view text) override
    {
        next_.message(text);
        if (!joined.empty())
            joined += '\r';
        joined += fromUtf8(text);
    }
    std::string joined;

  private:
    MessageSink& next_;
};

// Texts are Windows-1250, as everything the core hands to a display.
std::string failureText(const EvaluationOutcome& outcome, const std::string& messages, int language)
{
    if (outcome.error != EvaluationError::None)
        return evaluationErrorText(outcome.error);
    if (!messages.empty())
        return messages;
    return ownTextInCatalogueCodePage(OwnText::IncompleteData, language);
}

} // namespace

EvaluationOutcome SelectionCalculation::evaluate(const PairInputs& inputs, MessageSink& sink) const
{
    if (!enabled)
        return {};
    const PairEvaluation evaluation = workspace.evaluate(refrigerant, inputs, latest, sink);
    textsRead.add(evaluation.textsRead);
    latest = evaluation.result;
    return evaluation.outcome;
}

CondenserRecord SelectionCalculation::keptCondenser(int slot) const
{
    CondenserRecord record = workspace.catalogue().condensers[slot];
    if (textsRead.contains(TextsRead::Texts::EvaluatedCondenser, slot))
        writeEvaluatedTextsWithCommas(record);
    if (textsRead.contains(TextsRead::Texts::DetailCondenser, slot))
        writeDetailTextsWithCommas(record);
    return record;
}

CondensingUnitRecord SelectionCalculation::keptUnit(int slot) const
{
    CondensingUnitRecord record = workspace.catalogue().units[slot];
    if (textsRead.contains(TextsRead::Texts::DetailUnit, slot))
        writeDetailTextsWithCommas(record);
    return record;
}

PairInputs unitPairInputs(int compressor, int condenser, const UnitConditions& conditions,
                          double to, double airTemperature)
{
    PairInputs inputs;
    inputs.compressor = compressor;
    inputs.condenser = condenser;
    inputs.to = to;
    inputs.airTemperature = airTemperature;
    inputs.superheat = conditions.superheatAt(to);
    inputs.subcooling = conditions.subcooling;
    inputs.compressorQuantity = conditions.compressorCount;
    inputs.condenserQuantity = conditions.condenserCount;
    inputs.heatFactor = 1.0;
    return inputs;
}

UnitPoint evaluateUnitPoint(const SelectionCalculation& calculation, int unitIndex, int compressor,
                            int condenser, const UnitConditions& conditions, double to,
                            double airTemperature, MessageSink& sink)
{
    UnitPoint point;
    const auto& unit = calculation.workspace.catalogue().units[unitIndex];
    const int language = calculation.language;
    if (compressor < 1) {
        point.failure = ownTextInCatalogueCodePage(OwnText::CompressorNotFound, language,
                                                   unit.compressorId.view());
        return point;
    }
    if (condenser < 1) {
        // Evaluating against the empty record would only repeat a refrigerant message.
        point.failure = ownTextInCatalogueCodePage(OwnText::CondenserNotFound, language,
                                                   unit.condenserId.view());
        return point;
    }
    const PairInputs inputs = unitPairInputs(compressor, condenser, conditions, to, airTemperature);
    RecordingSink recording(sink);
    try {
        const EvaluationOutcome outcome = calculation.evaluate(inputs, recording);
        const PerformanceResult& result = calculation.latest;
        point.gaveUp = outcome.gaveUp;
        if (!outcome.succeeded()) {
            point.failure = failureText(outcome, recording.joined, language);
            return point;
        }
        if (!std::isfinite(result.refrigeratingCapacity) || !std::isfinite(result.powerInput) ||
            !std::isfinite(result.condensingDeltaT)) {
            point.failure = evaluationErrorText(EvaluationError::InvalidOperation);
            return point;
        }
        // A compressor polynomial far outside its data can balance at a negative capacity.
        if (!(result.refrigeratingCapacity > 0) || !(result.powerInput > 0)) {
            const char separator = calculation.workspace.displaySeparator();
            point.failure = ownTextInCatalogueCodePage(
                OwnText::NoPositiveBalance, language,
                "Qo " + formatNumber(result.refrigeratingCapacity, separator) + " kW, Pe " +
                    formatNumber(result.powerInput, separator) + " kW");
            return point;
        }
        point.succeeded = true;
        point.refrigeratingCapacity = result.refrigeratingCapacity;
        point.powerInput = result.powerInput;
        point.condensingDeltaT = result.condensingDeltaT;
        point.condensingTemperature = airTemperature + result.condensingDeltaT;
        point.envelope = outcome.envelope;
    } catch (const std::exception& error) {
        // One unit's fault must not end a list build or a table.
        point.failure = error.what();
    }
    return point;
}

} // namespace kelvo
