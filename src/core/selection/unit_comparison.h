#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/selection/selection_export.h"
#include "core/spreadsheet/workbook_writer.h"
#include "core/text/display_units.h"

namespace kelvo
{

class MessageSink;
class SelectionSession;

// How many units a comparison sets side by side.
inline constexpr int kMinComparedUnits = 2;
inline constexpr int kMaxComparedUnits = 4;

// What follows a best figure where a text stands for it (the command line's table).
inline constexpr std::string_view kBestValueMark = "^";

// A choice of units that cannot be compared; the message says why (UTF-8).
class ComparisonError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

// Which figure of a line is the best one; None for a line of texts.
enum class BetterValue { None, Larger, Smaller };

struct ComparisonCell {
    std::string text;            // as the details show it (UTF-8); empty without a figure
    std::optional<double> value; // the figure, when the text is one
    bool best = false;           // the best value of its line (every one of a tie)
};

// One line of the comparison: a caption and one cell per unit.
struct ComparisonLine {
    std::string key;       // the line's name in the command line's JSON
    std::string caption;   // in the selection's language (UTF-8)
    std::string unitLabel; // "[W]", or empty
    BetterValue better = BetterValue::None;
    std::vector<ComparisonCell> cells;
};

// Units of the candidate list side by side, one column each, in the order they were given.
struct UnitComparison {
    std::string heading;          // refrigerant and temperatures the figures belong to (UTF-8)
    std::vector<int> rows;        // each unit's list row
    std::vector<int> unitIndexes; // ... and its index in catalogue.units
    std::vector<ComparisonLine> lines;
    // Each unit's reason for lacking figures, as its details give it (UTF-8); "" for a unit
    // whose figures were computed.
    std::vector<std::string> failures;
    std::string bestValueLegend; // what a highlighted figure means, in the selection's language
    // The window's caption of its list rows (the list's first column), naming the window's
    // columns as the list numbers them; the command line and the sheets say "Row" and "Poz."
    // as their lists do.
    std::string rowCaption;
};

// The message for a choice of `count` units outside kMinComparedUnits .. kMaxComparedUnits
// (UTF-8, in `language`); nothing for a count that can be compared.
std::optional<std::string> comparisonCountNote(int count, int language);

// Marks the best figures of the line by its BetterValue; ties are all marked and a line of
// texts gets no mark. Only valid figures compete: one shown with a mark (outside the envelope,
// no balance below 70 C, failed) is never the best.
void markBestValues(ComparisonLine& line);

// The comparison of list rows `rows` (1 ..) at the session's inputs. Every figure is taken from
// the unit's details as the session computes them for the details view; stored texts (condenser
// model, fans, sound level, mass, dimensions, standard accessories) as the catalogue holds them.
// Throws ComparisonError for too few or too many rows, a row given twice or a row not in the
// list. The evaluations' messages go to the sink, each once.
UnitComparison compareUnits(SelectionSession& session, const std::vector<int>& rows,
                            MessageSink& sink);

// The comparison as `system` shows it: the heading's temperatures and every line of a quantity
// (capacity, tk) converted from the figures shown in SI, their unit labels renamed; the best
// marks stay, as a conversion keeps the order of figures.
UnitComparison comparisonIn(const UnitComparison& comparison, UnitSystem system, char separator);

// The comparison as one sheet: the inputs, the list rows and catalogue indexes, then one line per
// row of the comparison (caption, unit, one cell per unit). Figures are numbers; the best ones
// are highlighted where the format can show it.
std::vector<SpreadsheetCell> comparisonExportCells(const UnitComparison& comparison);

// Writes the comparison as selection exports are written (never a half-written file); a
// workbook ends with the legend of its highlighted cells, which a .csv cannot show. Throws
// SpreadsheetError or FileError naming the file.
void writeComparisonExport(const std::filesystem::path& file, const UnitComparison& comparison,
                           ExportFormat format);

} // namespace kelvo
