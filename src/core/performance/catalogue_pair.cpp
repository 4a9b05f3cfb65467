#include "core/performance/catalogue_pair.h"

namespace kelvo
{
PairEvaluation evaluateCataloguePair(const Catalogue& catalogue, RecordNumbers& numbers,
                                     const RefrigerantInUse& refrigerant, const PairInputs& inputs,
                                     const PerformanceResult& previous, MessageSink& sink,
                                     SearchChecks checks)
{
    static const CompressorRecord kNoCompressor{};
    static const CondenserRecord kNoCondenser{};
    const bool compressorFound = catalogue.compressors.contains(inputs.compressor);
    const bool condenserFound = catalogue.condensers.contains(inputs.condenser);
    const CompressorRecord& compressor =
        compressorFound ? catalogue.compressors[inputs.compressor] : kNoCompressor;
    const CondenserRecord& condenser =
        condenserFound ? catalogue.condensers[inputs.condenser] : kNoCondenser;
    const PairRecords pair{compressor, condenser,
                           numbers.compressor(compressor, compressorFound ? inputs.compressor : 0),
                           numbers.condenser(condenser, condenserFound ? inputs.condenser : 0)};
    PairEvaluation evaluation = evaluatePair(pair, refrigerant, inputs, previous, sink, checks);
    if (evaluation.readRecordTexts) {
        if (compressorFound)
            evaluation.textsRead.add(TextsRead::Texts::EvaluatedCompressor, inputs.compressor);
        if (condenserFound)
            evaluation.textsRead.add(TextsRead::Texts::EvaluatedCondenser, inputs.condenser);
    }
    return evaluation;
}

} // namespace kelvo
