#pragma once

#include "core/catalogue/catalogue.h"

namespace kelvo
{

// The catalogue keeps the numbers the calculation and the unit details read with a decimal
// comma: reading them writes every "." of those texts as ",". The reading itself leaves the
// records alone; the sessions call these where a reading has the rewrite happen, and a save
// writes the commas. One list of those texts, for every place that needs it.

// The twenty coefficient texts of sets 1 and 2 of a compressor, and dt1, qk1, dt2, qk2 and
// coeffA of a condenser: what an evaluation of the pair reads.
void writeEvaluatedTextsWithCommas(CompressorRecord& compressor);
void writeEvaluatedTextsWithCommas(CondenserRecord& condenser);
// The fan power of a condenser and the evaporating range of a unit: what the unit details read.
void writeDetailTextsWithCommas(CondenserRecord& condenser);
void writeDetailTextsWithCommas(CondensingUnitRecord& unit);

// The catalogue with all of those texts rewritten, as it would stand after every record had
// been evaluated and shown: two catalogues that differ only by such rewrites are equal here.
Catalogue withCalculationCommas(Catalogue catalogue);

} // namespace kelvo
