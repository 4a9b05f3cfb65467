#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/workspace/data_files.h"

#include "core/selection/window_captions.h"
#include "core/text/display_units.h"

namespace kelvo
{

class LanguageTable;
class MessageSink;
struct SelectionCalculation;
struct SelectionState;

// One named text handed to the report engine (UTF-8).
struct ReportParameter {
    std::string name;
    std::string text;

    friend bool operator==(const ReportParameter&, const ReportParameter&) = default;
};
using ReportParameters = std::vector<ReportParameter>;

// The report the datasheet asks the layout file for.
inline constexpr std::string_view kDatasheetReportName = "Report1";

// Between a caption and its value.
inline constexpr std::string_view kParameterSeparator = "  : ";

// The most additional-accessory lines a group has (BOX; BASE has 7).
inline constexpr int kAdditionalAccessoryLines = 11;
inline constexpr int kBaseAdditionalAccessoryLines = 7;
inline constexpr int kBoxAdditionalAccessoryLines = 11;
// Lines 4, 5 and 6 of either additional group carry a quantity box.
inline constexpr int kFirstQuantityLine = 4;
inline constexpr int kQuantityLines = 3;

// The user's entries in the additional-accessory group of the family shown: the ticked boxes in
// line order (AD1 first; BASE uses the first seven) and the texts of the three quantity boxes
// (lines 4, 5, 6) as typed, UTF-8.
struct AdditionalAccessoryChoices {
    std::array<bool, kAdditionalAccessoryLines> ticked{};
    std::array<std::string, kQuantityLines> quantities;
};

struct DatasheetInputs {
    int language = 2; // 1 .. 5, as the language menu numbers them
    std::string date; // the "data" text, already in the short numeric form wanted
    AdditionalAccessoryChoices accessories;
    // The units of the figures; the parameters' names and order are the same in both.
    UnitSystem units = UnitSystem::Si;
};

// The parameters as `system` shows them: every figure followed by its unit label converted
// with the label, and the range tables' cells (t, ta: temperatures, Q: capacities) converted
// as the tables convert them.
ReportParameters parametersIn(const ReportParameters& parameters, UnitSystem system,
                              char separator);

// The datasheet cannot be made (no unit chosen); the text is for the user.
class DatasheetError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

// The parameters of the datasheet of the chosen unit (selection.selectedRow), in the order the
// report receives them, with the captions of `languages`. Details, dimensions and range columns are
// those of the chosen row (computed again when the details kept are of another unit). The
// condensing temperature comes from an evaluation of that unit at the selection's temperatures,
// made now; its messages go to the sink. "TemperaturaSkraplania", "PoborMocyAgregatu" and "COP" are
// left out when their figures cannot be computed. Last comes "COPAgregatu", the unit's COP with
// the figure and decimals of the window's details (capacity / total power input), left out
// when they show none. With the selection's extra ambient, its row follows: "ta4" (the
// ambient), "Q41" .. and "P41" ... Then the refrigerant's "GWPCzynnika" and
// "KlasaBezpieczenstwa", and "CzynnikPalny" (the warning) for a flammable one. Throws
// DatasheetError when no unit is chosen.
ReportParameters unitDatasheetParameters(const SelectionCalculation& calculation,
                                         const SelectionState& selection,
                                         const LanguageTable& languages,
                                         const DatasheetInputs& inputs, MessageSink& sink);

// The text of a parameter, or nullptr when it is not set.
const std::string* findParameter(const ReportParameters& parameters, std::string_view name);

} // namespace kelvo
