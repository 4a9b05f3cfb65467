#include "core/editor/row_operations.h"

#include <stdexcept>
#include <type_traits>

#include "core/editor/catalogue_changes.h"
#include "core/editor/catalogue_tables.h"
#include "core/editor/editor_grids.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

std::string cancelledBecause(const std::string& reason)
{
    return reason + "\r" + std::string(kActionCancelled);
}

RowEdit refused(std::string message)
{
    RowEdit edit;
    edit.message = std::move(message);
    return edit;
}

RowEdit cancelled()
{
    return refused(std::string(kActionCancelled));
}

// The genitive plural of a table's records, for the message of a full table.
std::string_view tableName(EditorGrid table)
{
    switch (table) {
    case EditorGrid::Compressors:
        return "sprężarek";
    case EditorGrid::Condensers:
        return "skraplaczy";
    case EditorGrid::Units:
        return "agregatów";
    case EditorGrid::Frames:
        break;
    }
    return "ram";
}

template <class Table> RowEdit tableFull(EditorGrid table)
{
    return refused(cancelledBecause("Tabela " + std::string(tableName(table)) +
                                    " jest pełna: mieści " + std::to_string(Table::capacity) +
                                    " rekordów."));
}

std::string described(std::string_view command, EditorGrid table, int index,
                      std::string_view detail = {})
{
    std::string text =
        std::string(command) + " – " + std::string(recordNoun(table)) + " " + std::to_string(index);
    if (!detail.empty())
        text += " " + std::string(detail);
    return text;
}

RowEdit finished(CatalogueRecorder& recorder, std::string description,
                 std::vector<EditorGrid> refill, int index)
{
    RowEdit edit;
    edit.step = {std::move(description), recorder.take()};
    edit.done = true;
    edit.refill = std::move(refill);
    edit.index = index;
    return edit;
}

// An index typed into a prompt: nullopt for text that is no whole number.
std::optional<int> typedIndex(std::string_view answer)
{
    return parseInteger(answer);
}

// The slot after the last record with the fields "Dodaj wolny wiersz" empties emptied.
CompressorRecord emptiedSlot(const CompressorRecord& slot)
{
    CompressorRecord fresh;
    fresh.superheatMode = slot.superheatMode;
    fresh.suctionTemperature = slot.suctionTemperature;
    fresh.superheat = slot.superheat;
    fresh.subcooling = slot.subcooling;
    return fresh;
}

CondenserRecord emptiedSlot(const CondenserRecord& slot)
{
    CondenserRecord fresh;
    fresh.length = slot.length;
    fresh.width = slot.width;
    fresh.height = slot.height;
    return fresh;
}

FrameRecord emptiedSlot(const FrameRecord& slot)
{
    FrameRecord fresh;
    fresh.housing = slot.housing;
    fresh.dimFi = slot.dimFi;
    fresh.mass = slot.mass;
    return fresh;
}

template <class Table>
RowEdit addEmptyTo(Catalogue& catalogue, Table& table, EditorGrid which,
                   std::string_view refrigerant)
{
    if (table.full())
        return tableFull<Table>(which);
    int id = 0;
    try {
        id = findFreeIdentifier(table);
    } catch (const ConversionError& error) {
        return refused(error.what());
    }
    const int n = table.count() + 1;
    auto record = emptiedSlot(table[n]);
    record.id = std::to_string(id);
    if constexpr (requires { record.refrigerant; })
        record.refrigerant = refrigerant;
    CatalogueRecorder recorder(catalogue);
    recorder.setCount(which, n);
    recorder.setRecord(n, record);
    return finished(recorder, described("Dodaj wolny wiersz", which, n), {which}, n);
}

// Sets every link of the units equal to `id` (the member `link`) to "0".
template <class Link>
void unlinkUnits(CatalogueRecorder& recorder, const Catalogue& catalogue, Link link,
                 std::string_view id)
{
    for (int u = 1; u <= catalogue.units.count(); ++u) {
        if ((catalogue.units[u].*link).view() != id)
            continue;
        CondensingUnitRecord unit = catalogue.units[u];
        unit.*link = "0";
        recorder.setRecord(u, unit);
    }
}

} // namespace

std::string_view recordNoun(EditorGrid table)
{
    switch (table) {
    case EditorGrid::Compressors:
        return "sprężarka";
    case EditorGrid::Condensers:
        return "skraplacz";
    case EditorGrid::Units:
        return "agregat";
    case EditorGrid::Frames:
        break;
    }
    return "rama";
}

template <class Table> int findFreeIdentifier(const Table& table)
{
    int k = 1;
    for (bool hit = true; hit;) {
        hit = false;
        for (int i = 1; i <= table.count(); ++i)
            if (toInteger(table[i].id.view()) == k) {
                ++k;
                hit = true;
                break;
            }
    }
    return k;
}

template int findFreeIdentifier(const CompressorTable&);
template int findFreeIdentifier(const CondenserTable&);
template int findFreeIdentifier(const FrameTable&);

RowEdit addUnit(Catalogue& catalogue, const NewUnit& parts, const EditorFilters& unitGridFilters)
{
    if (catalogue.units.full())
        return tableFull<UnitTable>(EditorGrid::Units);
    if (!catalogue.compressors.contains(parts.compressor) ||
        !catalogue.condensers.contains(parts.condenser) || !catalogue.frames.contains(parts.frame))
        return cancelled();
    const CompressorRecord& compressor = catalogue.compressors[parts.compressor];
    const CondenserRecord& condenser = catalogue.condensers[parts.condenser];
    const int n = catalogue.units.count() + 1;
    CondensingUnitRecord unit = catalogue.units[n];
    unit.refrigerant = parts.refrigerant;
    unit.compressorModel = compressor.model;
    unit.compressorId = compressor.id;
    unit.compressorCount = parts.compressorCount;
    unit.condenserModel = condenser.model;
    unit.condenserId = condenser.id;
    unit.condenserCount = parts.condenserCount;
    unit.frameId = catalogue.frames[parts.frame].id;
    CatalogueRecorder recorder(catalogue);
    recorder.setCount(EditorGrid::Units, n);
    recorder.setRecord(n, unit);
    RowEdit edit = finished(recorder, described("Dodaj nowy agregat", EditorGrid::Units, n),
                            {EditorGrid::Units}, n);
    // The new unit counts only where the unit grid lists it.
    const auto listed =
        gridRows(EditorGrid::Units, catalogue, unitGridFilters, parts.refrigerant).size();
    edit.message = "1. Wstawiłem nowy agregat na pozycji nr : " + std::to_string(n) +
                   "\r2. Uzupełnij pozostałe dane :)\r3. Aktualna ilość agregatów dla czynnika "
                   "chłodniczego " +
                   parts.refrigerant + " : " + std::to_string(listed) + " szt.";
    edit.done = true;
    return edit;
}

RowEdit addEmptyRecord(Catalogue& catalogue, EditorGrid table, std::string_view refrigerant)
{
    return withTable(catalogue, table, [&](auto& records) -> RowEdit {
        if constexpr (std::is_same_v<std::decay_t<decltype(records)>, UnitTable>)
            throw std::invalid_argument(
                "units are added from a compressor, a condenser and a frame");
        else
            return addEmptyTo(catalogue, records, table, refrigerant);
    });
}

RowEdit deleteRecord(Catalogue& catalogue, EditorGrid table, int index)
{
    if (table == EditorGrid::Frames)
        throw std::invalid_argument("frames are not deleted");
    const int count = tableCount(catalogue, table);
    if (index < 1 || index > count)
        return cancelled();
    CatalogueRecorder recorder(catalogue);
    std::vector<EditorGrid> refill{table};
    if (table == EditorGrid::Compressors) {
        unlinkUnits(recorder, catalogue, &CondensingUnitRecord::compressorId,
                    catalogue.compressors[index].id.view());
        refill.push_back(EditorGrid::Units);
    } else if (table == EditorGrid::Condensers) {
        unlinkUnits(recorder, catalogue, &CondensingUnitRecord::condenserId,
                    catalogue.condensers[index].id.view());
        refill.push_back(EditorGrid::Units);
    }
    // Records above move one place down; the slot that was last keeps a copy of its record.
    withTable(catalogue, table, [&](auto& t) {
        if (index < count) {
            recorder.move(table, index, count);
            const auto lastRecord = t[count - 1];
            recorder.setRecord(count, lastRecord);
        }
    });
    recorder.setCount(table, count - 1);
    return finished(recorder, described("Usuń wiersz", table, index), refill, index);
}

RowEdit moveRecord(Catalogue& catalogue, EditorGrid table, int index, std::string_view target)
{
    const auto to = typedIndex(target);
    const int count = tableCount(catalogue, table);
    if (!to || *to < 1 || *to > count || index < 1 || index > count)
        return cancelled();
    CatalogueRecorder recorder(catalogue);
    recorder.move(table, index, *to);
    return finished(recorder,
                    described("Przesuń aktualny wiersz", table, index, "→ " + std::to_string(*to)),
                    {table}, *to);
}

RowEdit copyEnvelopes(Catalogue& catalogue, int index, std::string_view source)
{
    const auto from = typedIndex(source);
    const CompressorTable& compressors = catalogue.compressors;
    if (!from || !compressors.contains(*from) || !compressors.contains(index))
        return cancelled();
    CompressorRecord record = compressors[index];
    record.envelopes = compressors[*from].envelopes;
    CatalogueRecorder recorder(catalogue);
    recorder.setRecord(index, record);
    return finished(recorder,
                    described("Kopiuj kopertę", EditorGrid::Compressors, index,
                              "(z " + std::to_string(*from) + ")"),
                    {EditorGrid::Compressors}, index);
}

RowEdit copyCompressor(Catalogue& catalogue, int index, std::string_view source,
                       std::string_view refrigerant)
{
    const auto from = typedIndex(source);
    const CompressorTable& compressors = catalogue.compressors;
    if (!from || !compressors.contains(*from) || !compressors.contains(index))
        return cancelled();
    CompressorRecord record = compressors[*from];
    record.id = compressors[index].id;
    record.refrigerant = refrigerant;
    CatalogueRecorder recorder(catalogue);
    recorder.setRecord(index, record);
    return finished(recorder,
                    described("Kopiuj sprężarkę", EditorGrid::Compressors, index,
                              "(z " + std::to_string(*from) + ")"),
                    {EditorGrid::Compressors}, index);
}

RowEdit assignToUnit(Catalogue& catalogue, EditorGrid what, int unitIndex, std::string_view answer)
{
    const auto k = typedIndex(answer);
    if (!k)
        return {};
    const int count = tableCount(catalogue, what);
    if (*k < 1 || *k > count || !catalogue.units.contains(unitIndex))
        return cancelled();
    CondensingUnitRecord unit = catalogue.units[unitIndex];
    std::string_view command;
    std::vector<EditorGrid> refill{EditorGrid::Units};
    switch (what) {
    case EditorGrid::Condensers: {
        const CondenserRecord& condenser = catalogue.condensers[*k];
        if (condenser.refrigerant.view() != unit.refrigerant.view())
            return refused("Skraplacz i Agregat nie posiadają tych samych czynników "
                           "chłodniczych\rAkcja anulowana !");
        unit.condenserModel = condenser.model;
        unit.condenserId = condenser.id;
        command = "Przyporządkuj skraplacz";
        break;
    }
    case EditorGrid::Compressors: {
        const CompressorRecord& compressor = catalogue.compressors[*k];
        if (compressor.refrigerant.view() != unit.refrigerant.view())
            return refused("Sprężarka i Agregat nie posiadają tych samych czynników "
                           "chłodniczych\rAkcja anulowana !");
        unit.compressorModel = compressor.model;
        unit.compressorId = compressor.id;
        command = "Przyporządkuj sprężarkę";
        break;
    }
    case EditorGrid::Frames:
        unit.frameId = catalogue.frames[*k].id;
        command = "Przyporządkuj ramę";
        refill.clear(); // the frame's name goes to Panel15 instead
        break;
    case EditorGrid::Units:
        throw std::invalid_argument("a unit is not assigned to a unit");
    }
    CatalogueRecorder recorder(catalogue);
    recorder.setRecord(unitIndex, unit);
    return finished(recorder, described(command, EditorGrid::Units, unitIndex), refill, unitIndex);
}

} // namespace kelvo
