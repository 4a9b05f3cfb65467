#pragma once

#include <filesystem>
#include <string>

#include "catalogue/catalogue.h"

namespace kelvo
{

// Everything the program keeps for the whole run. main owns the one instance and passes it
// down; nothing else holds process-wide mutable state.
struct ApplicationState {
    // The data folder: catalogue files, property tables, drawings.
    std::filesystem::path programDir;
    Catalogue catalogue;
    RefrigerantNames refrigerantNames;
    // The refrigerant in use, spelled as its file ("R404A", ...).
    std::string currentRefrigerant;
    // Decimal separator of numbers shown to the user.
    char displayDecimalSeparator = ',';
};

} // namespace kelvo
