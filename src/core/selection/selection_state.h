#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/app/temperature_lists.h"
#include "core/catalogue/fixed_text.h"
#include "core/selection/candidate_list.h"
#include "core/selection/unit_details.h"
#include "core/selection/window_captions.h"

namespace kelvo
{

enum class UnitFamily { Box, Base };

// The inputs of the selection screen. Each filter flag mirrors its check box; all of them are
// off when the screen opens, so the list stays empty until the user ticks a brand and a kind
// (and, for BASE, a version).
struct SelectionInputs {
    // One tick per option of kSelectionKindFilter, kSelectionBrandFilter and
    // kSelectionVersionFilter (BASE only: BOX units ignore their version).
    FilterTicks<3> kinds{};
    FilterTicks<3> brands{};
    FilterTicks<2> versions{};
    bool& kind(std::string_view value) { return tickOf(kSelectionKindFilter, kinds, value); }
    bool& brand(std::string_view value) { return tickOf(kSelectionBrandFilter, brands, value); }
    bool& version(std::string_view value)
    {
        return tickOf(kSelectionVersionFilter, versions, value);
    }
    [[nodiscard]] bool kind(std::string_view value) const
    {
        return tickOf(kSelectionKindFilter, kinds, value);
    }
    [[nodiscard]] bool brand(std::string_view value) const
    {
        return tickOf(kSelectionBrandFilter, brands, value);
    }
    [[nodiscard]] bool version(std::string_view value) const
    {
        return tickOf(kSelectionVersionFilter, versions, value);
    }

    double evaporatingTemperature = 0; // to, C
    double ambientTemperature = 32;    // C
    // Units whose working point lies outside their compressor's envelope are left out.
    bool insideEnvelopeOnly = false;
    // The range tables' extra row (kExtraAmbientMin .. kExtraAmbientMax C); none by default.
    std::optional<double> extraAmbient;
};

// What the selection screen has chosen and shows.
struct SelectionState : SelectionInputs {
    FixedText<10> unitFamily; // "BOX" or "BASE"
    bool familyIsBase = false;
    bool familyIsBox = false;

    CandidateList candidates;
    // Row 1 .. candidates.rows.size() of the chosen unit; nullopt before the first choice.
    std::optional<int> selectedRow;
    // The unit shown last; a rebuild leaves it alone, the datasheet prints it.
    std::optional<UnitDetails> details;
    // The units marked for the comparison, by index in catalogue.units, in the order marked;
    // each is in the list (a rebuild unmarks the others).
    std::vector<int> comparedUnits;
};

inline constexpr const char* kBoxFamily = "BOX";
inline constexpr const char* kBaseFamily = "BASE";
inline constexpr const char* kDefaultRefrigerant = "R404A";

// The state of a freshly opened selection screen for the family: default inputs (0 C, 32 C),
// every filter off, no candidates, nothing chosen.
SelectionState initialSelection(UnitFamily family);

void tickAllFilters(SelectionInputs& inputs);

} // namespace kelvo
