#pragma once

#include <optional>

#include "core/catalogue/records.h"
#include "core/performance/compressor_model.h"
#include "core/performance/condenser_model.h"
#include "core/performance/operating_envelope.h"
#include "core/text/source_texts.h"

namespace kelvo
{

// What the calculation reads from a compressor record, as numbers.
struct CompressorNumbers {
    CoefficientValues capacity;       // set 1
    CoefficientValues power;          // set 2
    std::optional<double> subcooling; // rated subcooling, K
    OperatingEnvelope envelope;
};

CompressorNumbers convertCompressor(const CompressorRecord& compressor);

// The numbers of the compressor and condenser records, converted once and used for as long as
// the texts they came from stand unchanged: any write to such a text, by whatever path (a
// load, an editor, a row operation, an import, undo), makes the next use convert again.
class RecordNumbers
{
  public:
    // The numbers of the record in table slot `index` (0 for a record outside the table).
    const CompressorNumbers& compressor(const CompressorRecord& record, int index);
    const CondenserModel& condenser(const CondenserRecord& record, int index);

  private:
    ConvertedSlots<CompressorNumbers> compressors_;
    ConvertedSlots<CondenserModel> condensers_;
};

} // namespace kelvo
