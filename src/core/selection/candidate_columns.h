#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/display_units.h"

namespace kelvo
{

struct Candidate;
class LanguageTable;

// Where the candidate list is shown.
enum class CandidateOutput { Window, TextTable, Json, Sheet };

// What a cell of the list holds in one output.
struct CandidateCell {
    enum class Kind { None, Text, Integer, Number, Flag };
    Kind kind = Kind::None;
    std::string text;  // Text, UTF-8
    double number = 0; // Integer (a whole number) and Number
    bool flag = false; // Flag

    // The text a window or a text table shows: the text, or the whole number.
    [[nodiscard]] std::string shown() const;
};

// One column of the candidate list. The selection window, the text table and the JSON of
// "kelvo select" and the spreadsheet export show the columns of kCandidateColumns that are made
// for them, in the table's order.
struct CandidateColumn {
    std::string_view key;    // the name in the JSON; empty outside it
    std::string_view header; // the header; the export always shows this one
    int headerEntry = 0;     // the language entry the window and the text table show instead
    unsigned outputs = 0;    // a bit (1 << output) for each output that shows the column
    bool rightAligned = false;
    // The cell of list row `row` (1 ..), which holds `candidate`, in `output`.
    CandidateCell (*cell)(const Candidate& candidate, int row, CandidateOutput output) = nullptr;
    // What the column's figures measure; none for a column of texts, counts or flags.
    std::optional<Quantity> quantity{};
    // The JSON's name for the column in inch-pound units, where its figures change unit.
    std::string_view inchPoundKey{};

    [[nodiscard]] bool shownIn(CandidateOutput output) const
    {
        return (outputs & (1U << static_cast<unsigned>(output))) != 0;
    }
    // The header as `output` shows it, in `language` (UTF-8), naming the unit of `system`.
    [[nodiscard]] std::string headerIn(CandidateOutput output, const LanguageTable& languages,
                                       int language, UnitSystem system = UnitSystem::Si) const;
    // The JSON's name of the column in `system`.
    [[nodiscard]] std::string_view keyIn(UnitSystem system) const;
};

// A cell as `system` shows it: the figure of a column with a quantity converted (a text figure
// keeps its place and decimal separator `separator`), every other cell unchanged. Capacities
// stay in Btu/h so that a column keeps one unit.
CandidateCell inUnits(const CandidateCell& cell, const CandidateColumn& column, UnitSystem system,
                      char separator);

extern const std::array<CandidateColumn, 15> kCandidateColumns;

// The columns `output` shows, in order.
std::vector<const CandidateColumn*> candidateColumns(CandidateOutput output);

} // namespace kelvo
