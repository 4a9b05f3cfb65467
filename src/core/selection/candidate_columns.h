#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

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

    [[nodiscard]] bool shownIn(CandidateOutput output) const
    {
        return (outputs & (1U << static_cast<unsigned>(output))) != 0;
    }
    // The header as `output` shows it, in `language` (UTF-8).
    [[nodiscard]] std::string headerIn(CandidateOutput output, const LanguageTable& languages,
                                       int language) const;
};

extern const std::array<CandidateColumn, 15> kCandidateColumns;

// The columns `output` shows, in order.
std::vector<const CandidateColumn*> candidateColumns(CandidateOutput output);

} // namespace kelvo
