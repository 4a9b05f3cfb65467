#include "core/editor/row_operations.h"

#include <stdexcept>
#include <tuple>
#include <type_traits>
#include <utility>

#include "core/catalogue/catalogue_changes.h"
#include "core/catalogue/catalogue_tables.h"
#include "core/catalogue/record_layouts.h"
#include "core/editor/editor_grids.h"
#include "core/text/code_page.h"
#include "core/text/numeric_text.h"
#include "core/text/untrusted_text.h"

namespace kelvo
{
namespace
{

// A full table's message, as it has always read: why, then "Akcja anulowana !".
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

// "Akcja anulowana !" and, on a line of its own, why.
RowEdit cancelled(const std::string& reason)
{
    return refused(std::string(kActionCancelled) + "\r" + reason);
}

// The genitive plural of a table's records, for the messages that name a table.
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

// Why `index` names no record of a table of `count` records; empty when it names one. The
// table is named unless it is the one the operation works on.
std::string outsideReason(EditorGrid table, int index, int count, bool named)
{
    if (index >= 1 && index <= count)
        return {};
    const std::string name(tableName(table));
    if (count == 0)
        return "tabela " + name + " jest pusta";
    return "wiersz " + std::to_string(index) + (named ? " tabeli " + name : "") +
           " jest poza zakresem 1 .. " + std::to_string(count);
}

// An index typed into a prompt, or why the answer is none.
struct TypedIndex {
    std::optional<int> index;
    std::string reason;
};

TypedIndex typedIndex(std::string_view answer)
{
    if (answer.empty())
        return {std::nullopt, "nie podano numeru wiersza"};
    if (const auto index = parseInteger(answer))
        return {index, {}};
    return {std::nullopt, "„" + quotedText(toUtf8(answer)) + "” nie jest liczbą całkowitą"};
}

// Why row `index` and the row typed are not both records of `table`; empty when they are.
std::string rowsReason(const Catalogue& catalogue, EditorGrid table, int index,
                       const TypedIndex& typed)
{
    const int count = tableCount(catalogue, table);
    if (std::string why = outsideReason(table, index, count, false); !why.empty())
        return why;
    if (!typed.index)
        return typed.reason;
    return outsideReason(table, *typed.index, count, false);
}

// Why a count of a new unit is refused; empty for a whole number from 1.
std::string countReason(std::string_view what, std::string_view count)
{
    const auto value = parseInteger(count);
    if (value && *value >= 1)
        return {};
    return std::string(what) + " „" + quotedText(toUtf8(count)) +
           "” nie jest liczbą całkowitą większą od 0";
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

// Every text field of a record, in the order of its file lines.
struct FieldTexts {
    std::vector<std::string> texts;
    template <std::size_t N> void field(FixedText<N>& text) { texts.push_back(text.str()); }
    void flag(bool&) {}
    void skip(int) {}
};

template <class Record> std::vector<std::string> fieldTexts(Record record)
{
    FieldTexts visitor;
    visitLines(record, visitor);
    return visitor.texts;
}

// Whether a compressor holds more than "Dodaj wolny wiersz" leaves in it besides its id and
// refrigerant: a fresh row holds nothing a copy could lose.
bool holdsData(const CompressorRecord& record)
{
    CompressorRecord own = record;
    own.id = "";
    own.refrigerant = "";
    return fieldTexts(own) != fieldTexts(emptiedSlot(record));
}

bool holdsEnvelopes(const CompressorRecord& record)
{
    for (const Envelope& envelope : record.envelopes) {
        if (!envelope.tag.empty())
            return true;
        for (int p = 0; p < Envelope::pointCount; ++p)
            if (!envelope.to[p].empty() || !envelope.tk[p].empty())
                return true;
    }
    return false;
}

// "Sprężarka ZB21", or "Sprężarka z wiersza 3" for one without a model.
std::string recordCalled(EditorGrid table, int index, std::string_view model)
{
    const std::string noun = table == EditorGrid::Compressors ? "Sprężarka" : "Skraplacz";
    if (model.find_first_not_of(' ') == std::string_view::npos)
        return noun + " z wiersza " + std::to_string(index);
    return noun + " " + quotedText(toUtf8(model));
}

// "1 agregat", "3 agregaty", "5 agregatów", "22 agregaty".
std::string unitsCounted(int count)
{
    const int ones = count % 10;
    const int tens = count % 100;
    std::string_view word = "agregatów";
    if (count == 1)
        word = "agregat";
    else if (ones >= 2 && ones <= 4 && (tens < 12 || tens > 14))
        word = "agregaty";
    return std::to_string(count) + " " + std::string(word);
}

} // namespace

std::string outsideTableRefusal(const Catalogue& catalogue, EditorGrid table, int index)
{
    const std::string why = outsideReason(table, index, tableCount(catalogue, table), false);
    return why.empty() ? why : std::string(kActionCancelled) + "\r" + why;
}

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

std::optional<RowEdit> refusedRow(const Catalogue& catalogue, EditorGrid table, int index)
{
    const std::string why = outsideReason(table, index, tableCount(catalogue, table), false);
    if (why.empty())
        return std::nullopt;
    return cancelled(why);
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

RowEdit addUnit(Catalogue& catalogue, const NewUnit& parts, const EditorFilters& unitGridFilters,
                const RefrigerantRegistry& refrigerants)
{
    if (catalogue.units.full())
        return tableFull<UnitTable>(EditorGrid::Units);
    for (const auto& [table, index, count] :
         {std::tuple{EditorGrid::Compressors, parts.compressor, catalogue.compressors.count()},
          {EditorGrid::Condensers, parts.condenser, catalogue.condensers.count()},
          {EditorGrid::Frames, parts.frame, catalogue.frames.count()}})
        if (const std::string why = outsideReason(table, index, count, true); !why.empty())
            return cancelled(why);
    // The counts are whole numbers, which also keeps a line break out of the units file.
    for (const auto& [what, count] : {std::pair{"ilość sprężarek", &parts.compressorCount},
                                      {"ilość skraplaczy", &parts.condenserCount}})
        if (const std::string why = countReason(what, *count); !why.empty())
            return cancelled(why);
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
        gridRows(EditorGrid::Units, catalogue, unitGridFilters, parts.refrigerant, refrigerants)
            .size();
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
    if (const std::string why = outsideReason(table, index, count, false); !why.empty())
        return cancelled(why);
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
            // A copy: setRecord writes into the table it would otherwise refer to.
            // NOLINTNEXTLINE(performance-unnecessary-copy-initialization)
            const auto lastRecord = t[count - 1];
            recorder.setRecord(count, lastRecord);
        }
    });
    recorder.setCount(table, count - 1);
    return finished(recorder, described("Usuń wiersz", table, index), refill, index);
}

std::optional<std::string> deleteQuestion(const Catalogue& catalogue, EditorGrid table, int index)
{
    const bool compressor = table == EditorGrid::Compressors;
    if ((!compressor && table != EditorGrid::Condensers) ||
        !outsideReason(table, index, tableCount(catalogue, table), false).empty())
        return std::nullopt;
    const auto link =
        compressor ? &CondensingUnitRecord::compressorId : &CondensingUnitRecord::condenserId;
    const std::string_view id =
        compressor ? catalogue.compressors[index].id.view() : catalogue.condensers[index].id.view();
    const std::string_view model = compressor ? catalogue.compressors[index].model.view()
                                              : catalogue.condensers[index].model.view();
    // The units the delete would give the link "0".
    int users = 0;
    for (int u = 1; u <= catalogue.units.count() && id != "0"; ++u)
        users += (catalogue.units[u].*link).view() == id;
    if (users == 0)
        return std::nullopt;
    return recordCalled(table, index, model) + (compressor ? " jest używana" : " jest używany") +
           " przez " + unitsCounted(users) + ". Usunąć?";
}

RowEdit moveRecord(Catalogue& catalogue, EditorGrid table, int index, std::string_view target)
{
    const auto to = typedIndex(target);
    if (const std::string why = rowsReason(catalogue, table, index, to); !why.empty())
        return cancelled(why);
    CatalogueRecorder recorder(catalogue);
    recorder.move(table, index, *to.index);
    return finished(
        recorder,
        described("Przesuń aktualny wiersz", table, index, "→ " + std::to_string(*to.index)),
        {table}, *to.index);
}

RowEdit copyEnvelopes(Catalogue& catalogue, int index, std::string_view source)
{
    const auto from = typedIndex(source);
    const CompressorTable& compressors = catalogue.compressors;
    if (const std::string why = rowsReason(catalogue, EditorGrid::Compressors, index, from);
        !why.empty())
        return cancelled(why);
    CompressorRecord record = compressors[index];
    record.envelopes = compressors[*from.index].envelopes;
    CatalogueRecorder recorder(catalogue);
    recorder.setRecord(index, record);
    return finished(recorder,
                    described("Kopiuj kopertę", EditorGrid::Compressors, index,
                              "(z " + std::to_string(*from.index) + ")"),
                    {EditorGrid::Compressors}, index);
}

RowEdit copyCompressor(Catalogue& catalogue, int index, std::string_view source,
                       std::string_view refrigerant)
{
    const auto from = typedIndex(source);
    const CompressorTable& compressors = catalogue.compressors;
    if (const std::string why = rowsReason(catalogue, EditorGrid::Compressors, index, from);
        !why.empty())
        return cancelled(why);
    CompressorRecord record = compressors[*from.index];
    record.id = compressors[index].id;
    record.refrigerant = refrigerant;
    CatalogueRecorder recorder(catalogue);
    recorder.setRecord(index, record);
    return finished(recorder,
                    described("Kopiuj sprężarkę", EditorGrid::Compressors, index,
                              "(z " + std::to_string(*from.index) + ")"),
                    {EditorGrid::Compressors}, index);
}

std::optional<std::string> copyQuestion(const Catalogue& catalogue, CompressorCopy what, int index,
                                        std::string_view source)
{
    const auto from = typedIndex(source);
    if (!rowsReason(catalogue, EditorGrid::Compressors, index, from).empty() ||
        *from.index == index)
        return std::nullopt;
    const CompressorRecord& target = catalogue.compressors[index];
    const std::string called = recordCalled(EditorGrid::Compressors, index, target.model.view());
    const bool envelopes = what == CompressorCopy::Envelopes;
    if (!(envelopes ? holdsEnvelopes(target) : holdsData(target)))
        return std::nullopt;
    const std::string sourceRow = " z wiersza " + std::to_string(*from.index) + "?";
    if (envelopes)
        return called + " ma już koperty pracy. Nadpisać je kopertami sprężarki" + sourceRow;
    return called + " nie jest pusta. Nadpisać ją sprężarką" + sourceRow;
}

RowEdit assignToUnit(Catalogue& catalogue, EditorGrid what, int unitIndex, std::string_view answer)
{
    // A cancelled prompt does nothing and says nothing.
    if (answer.empty())
        return {};
    if (const std::string why =
            outsideReason(EditorGrid::Units, unitIndex, catalogue.units.count(), false);
        !why.empty())
        return cancelled(why);
    const auto typed = typedIndex(answer);
    if (!typed.index)
        return cancelled(typed.reason);
    const int k = *typed.index;
    if (const std::string why = outsideReason(what, k, tableCount(catalogue, what), true);
        !why.empty())
        return cancelled(why);
    CondensingUnitRecord unit = catalogue.units[unitIndex];
    std::string_view command;
    std::vector<EditorGrid> refill{EditorGrid::Units};
    switch (what) {
    case EditorGrid::Condensers: {
        const CondenserRecord& condenser = catalogue.condensers[k];
        if (condenser.refrigerant.view() != unit.refrigerant.view())
            return refused("Skraplacz i Agregat nie posiadają tych samych czynników "
                           "chłodniczych\rAkcja anulowana !");
        unit.condenserModel = condenser.model;
        unit.condenserId = condenser.id;
        command = "Przyporządkuj skraplacz";
        break;
    }
    case EditorGrid::Compressors: {
        const CompressorRecord& compressor = catalogue.compressors[k];
        if (compressor.refrigerant.view() != unit.refrigerant.view())
            return refused("Sprężarka i Agregat nie posiadają tych samych czynników "
                           "chłodniczych\rAkcja anulowana !");
        unit.compressorModel = compressor.model;
        unit.compressorId = compressor.id;
        command = "Przyporządkuj sprężarkę";
        break;
    }
    case EditorGrid::Frames:
        unit.frameId = catalogue.frames[k].id;
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
