#pragma once

#include <string>

#include "core/refrigerant/refrigerant_registry.h"

namespace kelvo::cli
{

// The order a refrigerant list takes: the selection window's or the editor's menu.
enum class RefrigerantOrder { Selection, Editor };

// "R404A, R407C, R22, R134a or one that the data folder's Czynniki.txt defines ...": the
// registry's refrigerants, for a help text.
std::string refrigerantList(const RefrigerantRegistry& refrigerants, RefrigerantOrder order);

// --refrigerant: a refrigerant of the registry; any other name is a CommandError naming the
// option and the known ones.
void requireRefrigerant(const std::string& name, const RefrigerantRegistry& refrigerants,
                        RefrigerantOrder order);

} // namespace kelvo::cli
