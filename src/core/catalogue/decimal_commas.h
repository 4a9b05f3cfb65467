#pragma once

#include <set>
#include <utility>

#include "core/catalogue/catalogue.h"

namespace kelvo
{

// The catalogue keeps the numbers the calculation and the unit details read with a decimal
// comma: once read, every "." of those texts is written as ",", and a save writes the commas.
// Reading never writes: an evaluation lists what it read (TextsRead), and the screen that ran it
// has the workspace write those texts with commas afterwards. One list of those texts, for
// every place that needs it.

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

// Which records' calculation texts were read, by table slot.
class TextsRead
{
  public:
    enum class Texts {
        EvaluatedCompressor, // writeEvaluatedTextsWithCommas of a compressor
        EvaluatedCondenser,  // the same of a condenser
        DetailCondenser,     // writeDetailTextsWithCommas of a condenser
        DetailUnit,          // the same of a unit
    };

    void add(Texts texts, int slot) { read_.emplace(texts, slot); }
    void add(const TextsRead& other) { read_.insert(other.read_.begin(), other.read_.end()); }
    [[nodiscard]] bool empty() const { return read_.empty(); }
    [[nodiscard]] bool contains(Texts texts, int slot) const
    {
        return read_.contains({texts, slot});
    }
    void clear() { read_.clear(); }
    // Writes every text listed with decimal commas; a slot outside its table is passed over.
    void writeWithCommas(Catalogue& catalogue) const;

    friend bool operator==(const TextsRead&, const TextsRead&) = default;

  private:
    std::set<std::pair<Texts, int>> read_;
};

} // namespace kelvo
