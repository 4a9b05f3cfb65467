#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/fixed_text.h"
#include "core/selection/candidate_list.h"
#include "core/selection/unit_details.h"

namespace kelvo
{

enum class UnitFamily { Box, Base };

// What the selection screen has chosen. Each filter flag mirrors its check box; all of them
// are off when the screen opens, so the list stays empty until the user ticks a brand and a
// kind (and, for BASE, a version).
struct SelectionState {
    FixedText<10> unitFamily; // "BOX" or "BASE"
    bool familyIsBase = false;
    bool familyIsBox = false;

    bool brandCopeland = false;
    bool brandManeurop = false;
    bool brandFrascold = false;
    bool kindSpiral = false;
    bool kindHermetic = false;
    bool kindSemihermetic = false;
    bool versionSB = false; // BASE only: BOX units ignore their version
    bool versionKB = false;

    FixedText<10> selectedRefrigerant;
    double evaporatingTemperature = 0; // to, C
    double ambientTemperature = 32;    // C

    CandidateList candidates;
    // Row 1 .. candidates.rows.size() of the chosen unit; nullopt before the first choice.
    std::optional<int> selectedRow;
    // The unit shown last; a rebuild leaves it alone, the datasheet prints it.
    std::optional<UnitDetails> details;
};

inline constexpr const char* kBoxFamily = "BOX";
inline constexpr const char* kBaseFamily = "BASE";
inline constexpr const char* kDefaultRefrigerant = "R404A";

// The state of a freshly opened selection screen for the family: default inputs (R404A,
// 0 C, 32 C), every filter off, no candidates, nothing chosen.
SelectionState initialSelection(UnitFamily family);

void tickAllFilters(SelectionState& selection);

// Choices of the evaporating-temperature list: 12.5, then 12, 11, ... -45.
std::vector<double> evaporatingTemperatureChoices();
inline constexpr int kDefaultEvaporatingChoice = 13; // 0 C
// Choices of the ambient-temperature list: 50, 49, ... 0.
std::vector<double> ambientTemperatureChoices();
inline constexpr int kDefaultAmbientChoice = 18; // 32 C
// The texts of such a list, with the display decimal separator ("12,5").
std::vector<std::string> choiceTexts(const std::vector<double>& choices, char separator);

} // namespace kelvo
