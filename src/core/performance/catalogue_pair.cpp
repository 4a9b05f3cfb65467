#include "core/performance/catalogue_pair.h"

#include "core/catalogue/decimal_commas.h"

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
    return evaluatePair(pair, refrigerant, inputs, previous, sink, checks);
}

void keepEvaluatedTexts(Catalogue& catalogue, const PairInputs& inputs,
                        const PairEvaluation& evaluation)
{
    if (!evaluation.readRecordTexts)
        return;
    if (catalogue.compressors.contains(inputs.compressor))
        writeEvaluatedTextsWithCommas(catalogue.compressors.at(inputs.compressor));
    if (catalogue.condensers.contains(inputs.condenser))
        writeEvaluatedTextsWithCommas(catalogue.condensers.at(inputs.condenser));
}

} // namespace kelvo
