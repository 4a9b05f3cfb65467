#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/catalogue/catalogue_table.h"

namespace kelvo
{

// What an edit did to the catalogue, kept small enough for a long undo history: the fields a
// record changed (not the record), counts, and moves of a record within its table. Tables are
// named by their grid.

// One field of a record, by its position in the record's file layout; flags read "0" / "1".
struct FieldChange {
    std::uint16_t field = 0;
    std::string before;
    std::string after;
};

// The fields of slot `index` of a table that the edit changed, in layout order.
struct RecordPatch {
    CatalogueTable table = CatalogueTable::Compressors;
    int index = 0;
    std::vector<FieldChange> fields;
};

struct CountChange {
    CatalogueTable table = CatalogueTable::Compressors;
    int before = 0;
    int after = 0;
};

// RecordTable::move(from, to).
struct RecordMove {
    CatalogueTable table = CatalogueTable::Compressors;
    int from = 0;
    int to = 0;
};

using CatalogueChange = std::variant<RecordPatch, CountChange, RecordMove>;

struct ChangeSet {
    std::vector<CatalogueChange> changes;

    [[nodiscard]] bool empty() const { return changes.empty(); }
    // Heap and object bytes the set holds, for bounding a history.
    [[nodiscard]] std::size_t bytes() const;
    // The tables the set touches, each once, in grid order.
    [[nodiscard]] std::vector<CatalogueTable> tables() const;
};

// Does the changes again, in order (redo).
void applyChanges(Catalogue& catalogue, const ChangeSet& set);
// Takes them back, last first (undo): the catalogue is as it was before, slot for slot,
// including the slots past the counts.
void revertChanges(Catalogue& catalogue, const ChangeSet& set);

// The slot that the record in slot `index` of `table` holds after the set was applied (or, with
// `reverted`, taken back); nullopt when the record left the table (its slot passed the count).
std::optional<int> slotAfterChanges(const ChangeSet& set, CatalogueTable table, int index,
                                    bool reverted);

// The fields of `after` that differ from `before`. Both functions exist for the four record
// types.
template <class Record>
std::vector<FieldChange> recordDifferences(const Record& before, const Record& after);

// Changes a catalogue and keeps what it did, so that an operation written with these three
// calls can be undone exactly.
class CatalogueRecorder
{
  public:
    explicit CatalogueRecorder(Catalogue& catalogue) : catalogue_(catalogue) {}

    [[nodiscard]] const Catalogue& catalogue() const { return catalogue_; }

    // Slot `index` (1 .. capacity) of the record's table becomes `value`.
    void setRecord(int index, const CompressorRecord& value);
    void setRecord(int index, const CondenserRecord& value);
    void setRecord(int index, const CondensingUnitRecord& value);
    void setRecord(int index, const FrameRecord& value);
    void setCount(CatalogueTable table, int count);
    void move(CatalogueTable table, int from, int to);

    // What was done so far; the recorder starts empty again.
    ChangeSet take();

  private:
    template <class Record> void setRecordOf(CatalogueTable table, int index, const Record& value);

    Catalogue& catalogue_;
    ChangeSet done_;
};

} // namespace kelvo
