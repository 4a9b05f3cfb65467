#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue.h"
#include "core/editor/edit_history.h"
#include "core/editor/editor_filters.h"
#include "core/refrigerant/refrigerant_registry.h"

namespace kelvo
{

// The editor's commands that change the tables as a whole: add, delete, move, copy, assign.
// Each works on the in-memory catalogue only and says what it did. Rows are table indexes
// ("Poz."); answers are the texts typed into the commands' prompts (empty when cancelled).
// Texts are record bytes (Windows-1250); messages are UTF-8. A refusal says "Akcja anulowana !"
// and, on a second line after "\r", why ("wiersz 0 jest poza zakresem 1 .. 48").

inline constexpr std::string_view kActionCancelled = "Akcja anulowana !";

struct RowEdit {
    bool done = false;              // carried out (the step may still be empty); else refused
    std::string message;            // to show in a message box; empty for none
    EditStep step;                  // what changed, for the history
    std::vector<EditorGrid> refill; // the grids to refill, in this order
    int index = 0;                  // the record added or changed
};

// "Akcja anulowana !" and, on a second line, why `index` names no record of `table`; empty
// when it names one.
std::string outsideTableRefusal(const Catalogue& catalogue, EditorGrid table, int index);

// Noun of a table's record in step descriptions: "sprężarka", "skraplacz", "agregat", "rama".
std::string_view recordNoun(EditorGrid table);

// The refusal of row `index` of `table` as the operations give it, for work on a row done
// elsewhere; nullopt when the table holds the row.
std::optional<RowEdit> refusedRow(const Catalogue& catalogue, EditorGrid table, int index);

// The lowest identifier k >= 1 that no record's id equals as a number, found as the editor
// always has: a pass over records 1 .. count restarts from record 1 after each hit. Throws
// ConversionError (the conversion message) for an id that is no whole number.
template <class Table> int findFreeIdentifier(const Table& table);

// "Dodaj nowy agregat": unit count + 1, the new unit built from compressor, condenser and frame
// of those indexes and the two count texts, which must be whole numbers from 1; the other
// fields of the slot stay as they were. The message's last line counts the units the unit
// grid lists with `unitGridFilters`.
struct NewUnit {
    std::string refrigerant;
    int compressor = 0;
    int condenser = 0;
    int frame = 0;
    std::string compressorCount; // text of "Ilość sprężarek"
    std::string condenserCount;  // text of "Ilość skraplaczy"
};
RowEdit addUnit(Catalogue& catalogue, const NewUnit& unit, const EditorFilters& unitGridFilters,
                const RefrigerantRegistry& refrigerants);

// "Dodaj wolny wiersz" of compressors, condensers or frames: a free identifier and emptied
// fields in the slot after the last record; compressors and condensers get `refrigerant`.
RowEdit addEmptyRecord(Catalogue& catalogue, EditorGrid table, std::string_view refrigerant);

// "Usuń wiersz" of compressors, condensers or units, without confirmation. Units linked to a
// deleted compressor or condenser keep their model texts and get the link "0".
RowEdit deleteRecord(Catalogue& catalogue, EditorGrid table, int index);

// The Yes / No question before deleteRecord takes a compressor or condenser that units link
// to ("Sprężarka ZB21 jest używana przez 3 agregaty. Usunąć?"); nullopt when no unit links to
// it, for units, and for a row that names no record (the delete refuses it).
std::optional<std::string> deleteQuestion(const Catalogue& catalogue, EditorGrid table, int index);

// "Przesuń aktualny wiersz": record `index` to the position typed.
RowEdit moveRecord(Catalogue& catalogue, EditorGrid table, int index, std::string_view target);

// "Kopiuj kopertę": both envelopes of the compressor typed copied into compressor `index`.
RowEdit copyEnvelopes(Catalogue& catalogue, int index, std::string_view source);

// "Kopiuj sprężarkę": the compressor typed copied over compressor `index`, which keeps its id
// and takes `refrigerant`.
RowEdit copyCompressor(Catalogue& catalogue, int index, std::string_view source,
                       std::string_view refrigerant);

// What a copy into a compressor overwrites.
enum class CompressorCopy { Envelopes, WholeRecord };

// The Yes / No question before copyEnvelopes or copyCompressor overwrites compressor `index`
// with the one typed, when what it overwrites holds data: any envelope point or tag for the
// envelopes; for the whole record, any field "Dodaj wolny wiersz" empties but the id and the
// refrigerant. Nullopt when it holds none, when the source is the target itself and when the
// copy would be refused.
std::optional<std::string> copyQuestion(const Catalogue& catalogue, CompressorCopy what, int index,
                                        std::string_view source);

// "Przyporządkuj skraplacz" / "sprężarkę" / "ramę": links unit `unit` to the condenser,
// compressor or frame typed (`what` names its table). Condensers and compressors must have
// the unit's refrigerant; frames are never refused for theirs. An empty answer (a cancelled
// prompt) does nothing and says nothing.
RowEdit assignToUnit(Catalogue& catalogue, EditorGrid what, int unit, std::string_view answer);

} // namespace kelvo
