#pragma once

#include <filesystem>
#include <string>

#include "core/app/language_table.h"
#include "core/catalogue/catalogue.h"
#include "core/editor/editor_state.h"
#include "core/performance/record_numbers.h"
#include "core/refrigerant/refrigerant_data.h"
#include "core/selection/selection_state.h"
#include "core/selection/unit_point.h"

namespace kelvo
{

// Everything the program keeps for the whole run. main owns the one instance and passes it
// down; nothing else holds process-wide mutable state.
struct ApplicationState {
    // The data folder: catalogue files, property tables, drawings.
    std::filesystem::path programDir;
    Catalogue catalogue;
    // The catalogue's numbers as the calculation reads them, converted once per text.
    RecordNumbers recordNumbers;
    UnitNumberSlots unitNumbers;
    // Refrigerant names, property table, the latest calculation result.
    RefrigerantData refrigerant;
    // The refrigerant in use, spelled as its file ("R404A", ...).
    std::string currentRefrigerant;
    // Decimal separator of numbers shown to the user.
    char displayDecimalSeparator = ',';
    LanguageTable languages;
    SelectionState selection;
    EditorState editor;
};

} // namespace kelvo
