#include "core/catalogue/catalogue_changes.h"

#include <algorithm>
#include <stdexcept>

#include "core/catalogue/catalogue_tables.h"
#include "core/catalogue/record_layouts.h"

namespace kelvo
{
namespace
{

// Every field of a record as text, in layout order.
struct FieldReader {
    std::vector<std::string> texts;

    template <std::size_t N> void field(const FixedText<N>& text)
    {
        texts.emplace_back(text.view());
    }
    void flag(bool value) { texts.emplace_back(value ? "1" : "0"); }
    void skip(int) {}
};

template <class Record> std::vector<std::string> fieldTexts(const Record& record)
{
    FieldReader reader;
    // The layout walks a mutable record; the reader only reads.
    visitLines(const_cast<Record&>(record), reader);
    return reader.texts;
}

// Writes the before or after side of the changed fields into a record.
struct FieldWriter {
    const std::vector<FieldChange>& changes;
    bool after;
    std::size_t ordinal = 0;
    std::size_t next = 0;

    const std::string* value()
    {
        const std::string* found = nullptr;
        if (next < changes.size() && changes[next].field == ordinal) {
            found = after ? &changes[next].after : &changes[next].before;
            ++next;
        }
        ++ordinal;
        return found;
    }
    template <std::size_t N> void field(FixedText<N>& text)
    {
        if (const std::string* v = value())
            text.assign(*v);
    }
    void flag(bool& flag)
    {
        if (const std::string* v = value())
            flag = *v == "1";
    }
    void skip(int) {}
};

void applyPatch(Catalogue& catalogue, const RecordPatch& patch, bool after)
{
    withTable(catalogue, patch.table, [&](auto& table) {
        FieldWriter writer{patch.fields, after};
        visitLines(table.at(patch.index), writer);
    });
}

void setTableCount(Catalogue& catalogue, CatalogueTable table, int count)
{
    withTable(catalogue, table, [count](auto& t) { t.setCount(count); });
}

void moveTableRecord(Catalogue& catalogue, CatalogueTable table, int from, int to)
{
    withTable(catalogue, table, [from, to](auto& t) { t.move(from, to); });
}

} // namespace

std::size_t ChangeSet::bytes() const
{
    std::size_t total = sizeof(ChangeSet) + changes.capacity() * sizeof(CatalogueChange);
    for (const CatalogueChange& change : changes)
        if (const auto* patch = std::get_if<RecordPatch>(&change)) {
            total += patch->fields.capacity() * sizeof(FieldChange);
            for (const FieldChange& f : patch->fields)
                total += f.before.capacity() + f.after.capacity();
        }
    return total;
}

std::vector<CatalogueTable> ChangeSet::tables() const
{
    std::vector<CatalogueTable> result;
    for (const CatalogueChange& change : changes) {
        const CatalogueTable table = std::visit([](const auto& c) { return c.table; }, change);
        if (std::find(result.begin(), result.end(), table) == result.end())
            result.push_back(table);
    }
    std::sort(result.begin(), result.end());
    return result;
}

void applyChanges(Catalogue& catalogue, const ChangeSet& set)
{
    for (const CatalogueChange& change : set.changes) {
        if (const auto* patch = std::get_if<RecordPatch>(&change))
            applyPatch(catalogue, *patch, true);
        else if (const auto* count = std::get_if<CountChange>(&change))
            setTableCount(catalogue, count->table, count->after);
        else if (const auto* move = std::get_if<RecordMove>(&change))
            moveTableRecord(catalogue, move->table, move->from, move->to);
    }
}

void revertChanges(Catalogue& catalogue, const ChangeSet& set)
{
    for (auto change = set.changes.rbegin(); change != set.changes.rend(); ++change) {
        if (const auto* patch = std::get_if<RecordPatch>(&*change))
            applyPatch(catalogue, *patch, false);
        else if (const auto* count = std::get_if<CountChange>(&*change))
            setTableCount(catalogue, count->table, count->before);
        else if (const auto* move = std::get_if<RecordMove>(&*change))
            moveTableRecord(catalogue, move->table, move->to, move->from);
    }
}

template <class Record>
std::vector<FieldChange> recordDifferences(const Record& before, const Record& after)
{
    const std::vector<std::string> old = fieldTexts(before);
    std::vector<std::string> now = fieldTexts(after);
    std::vector<FieldChange> changes;
    for (std::size_t i = 0; i < old.size(); ++i)
        if (old[i] != now[i])
            changes.push_back({static_cast<std::uint16_t>(i), old[i], std::move(now[i])});
    return changes;
}

template std::vector<FieldChange> recordDifferences(const CompressorRecord&,
                                                    const CompressorRecord&);
template std::vector<FieldChange> recordDifferences(const CondenserRecord&, const CondenserRecord&);
template std::vector<FieldChange> recordDifferences(const CondensingUnitRecord&,
                                                    const CondensingUnitRecord&);
template std::vector<FieldChange> recordDifferences(const FrameRecord&, const FrameRecord&);

template <class Record>
void CatalogueRecorder::setRecordOf(CatalogueTable table, int index, const Record& value)
{
    withTable(catalogue_, table, [&](auto& t) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(t.at(index))>, Record>) {
            Record& slot = t.at(index);
            std::vector<FieldChange> fields = recordDifferences(slot, value);
            if (fields.empty())
                return;
            slot = value;
            done_.changes.emplace_back(RecordPatch{table, index, std::move(fields)});
        } else {
            throw std::logic_error("record type and table differ");
        }
    });
}

void CatalogueRecorder::setRecord(int index, const CompressorRecord& value)
{
    setRecordOf(CatalogueTable::Compressors, index, value);
}

void CatalogueRecorder::setRecord(int index, const CondenserRecord& value)
{
    setRecordOf(CatalogueTable::Condensers, index, value);
}

void CatalogueRecorder::setRecord(int index, const CondensingUnitRecord& value)
{
    setRecordOf(CatalogueTable::Units, index, value);
}

void CatalogueRecorder::setRecord(int index, const FrameRecord& value)
{
    setRecordOf(CatalogueTable::Frames, index, value);
}

void CatalogueRecorder::setCount(CatalogueTable table, int count)
{
    const int before = tableCount(catalogue_, table);
    if (before == count)
        return;
    setTableCount(catalogue_, table, count);
    done_.changes.emplace_back(CountChange{table, before, count});
}

void CatalogueRecorder::move(CatalogueTable table, int from, int to)
{
    if (from == to)
        return;
    moveTableRecord(catalogue_, table, from, to);
    done_.changes.emplace_back(RecordMove{table, from, to});
}

ChangeSet CatalogueRecorder::take()
{
    ChangeSet set = std::move(done_);
    done_ = {};
    return set;
}

namespace
{

// Where RecordTable::move(from, to) puts the record of slot `index`.
int slotAfterMove(int index, int from, int to)
{
    if (index == from)
        return to;
    if (from < to && index > from && index <= to)
        return index - 1;
    if (to < from && index >= to && index < from)
        return index + 1;
    return index;
}

} // namespace

std::optional<int> slotAfterChanges(const ChangeSet& set, CatalogueTable table, int index,
                                    bool reverted)
{
    const auto follow = [&](const CatalogueChange& change) {
        if (const auto* move = std::get_if<RecordMove>(&change)) {
            if (move->table == table)
                index = reverted ? slotAfterMove(index, move->to, move->from)
                                 : slotAfterMove(index, move->from, move->to);
        } else if (const auto* count = std::get_if<CountChange>(&change)) {
            if (count->table == table && index > (reverted ? count->before : count->after))
                return false;
        }
        return true;
    };
    if (reverted) {
        for (auto change = set.changes.rbegin(); change != set.changes.rend(); ++change)
            if (!follow(*change))
                return std::nullopt;
    } else {
        for (const CatalogueChange& change : set.changes)
            if (!follow(change))
                return std::nullopt;
    }
    return index;
}

} // namespace kelvo
