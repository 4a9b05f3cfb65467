#include "core/performance/record_numbers.h"

#include <array>

#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

constexpr std::size_t kSetTexts = 11; // multiplier, C0 .. C9
constexpr std::size_t kEnvelopeTexts =
    std::size_t{2} * Envelope::pointCount; // to and tk of each point
constexpr std::size_t kCompressorTexts = 2 * kSetTexts + 1 + 2 * kEnvelopeTexts;

std::array<std::string_view, kCompressorTexts> compressorTexts(const CompressorRecord& record)
{
    std::array<std::string_view, kCompressorTexts> texts;
    std::size_t n = 0;
    for (std::size_t s = 0; s < 2; ++s) {
        const CoefficientSet& set = record.coeffSets[s];
        texts[n++] = set.multiplier.view();
        for (const auto& c : set.c)
            texts[n++] = c.view();
    }
    texts[n++] = record.subcooling.view();
    for (const Envelope& envelope : record.envelopes)
        for (std::size_t k = 0; k < Envelope::pointCount; ++k) {
            texts[n++] = envelope.to[k].view();
            texts[n++] = envelope.tk[k].view();
        }
    return texts;
}

std::array<std::string_view, 5> condenserTexts(const CondenserRecord& record)
{
    return {record.dt1.view(), record.qk1.view(), record.dt2.view(), record.qk2.view(),
            record.coeffA.view()};
}

} // namespace

CompressorNumbers convertCompressor(const CompressorRecord& compressor)
{
    CompressorNumbers numbers;
    numbers.capacity = readCoefficientSet(compressor, 1);
    numbers.power = readCoefficientSet(compressor, 2);
    numbers.subcooling = parseNumber(compressor.subcooling.view());
    numbers.envelope = OperatingEnvelope(compressor);
    return numbers;
}

const CompressorNumbers& RecordNumbers::compressor(const CompressorRecord& record, int index)
{
    return compressors_.get(record, index, compressorTexts, convertCompressor);
}

const CondenserModel& RecordNumbers::condenser(const CondenserRecord& record, int index)
{
    return condensers_.get(record, index, condenserTexts, CondenserModel::read);
}

} // namespace kelvo
