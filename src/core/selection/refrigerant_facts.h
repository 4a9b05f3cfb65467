#pragma once

#include <string>
#include <string_view>

namespace kelvo
{

class RefrigerantRegistry;

// What the places where a refrigerant is chosen say about it (UTF-8, in one language).
struct RefrigerantFacts {
    std::string gwp;             // "1397", with the display decimal separator
    std::string safetyClass;     // "A1"
    std::string summary;         // "GWP 1397 · A1", short enough for beside the choice
    std::string safetyClassLine; // "Safety class A1"
    // "flammable refrigerant (safety class A3)" for a flammable class; empty otherwise.
    std::string flammableNote;
};

// The facts of the registry's refrigerant `name`; all empty for a name it does not know.
RefrigerantFacts refrigerantFacts(const RefrigerantRegistry& refrigerants, std::string_view name,
                                  int language, char separator);

} // namespace kelvo
