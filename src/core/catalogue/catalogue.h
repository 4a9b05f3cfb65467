#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/catalogue/record_table.h"
#include "core/catalogue/records.h"

namespace kelvo
{

using CompressorTable = RecordTable<CompressorRecord, 800>;
using CondenserTable = RecordTable<CondenserRecord, 800>;
using UnitTable = RecordTable<CondensingUnitRecord, 800>;
using FrameTable = RecordTable<FrameRecord, 100>;

struct Catalogue {
    CompressorTable compressors;
    CondenserTable condensers;
    UnitTable units;
    FrameTable frames;
};

// Index 0 is "all refrigerants"; 1 .. 4 are the known refrigerants, spelled as their files.
inline constexpr int kRefrigerantNameCount = 5;
using RefrigerantNames = std::array<FixedText<10>, kRefrigerantNameCount>;
inline constexpr const char* kAllRefrigerants = "Wszystkie";
// The refrigerants the program has properties for, in the order the menus offer them.
inline constexpr std::array<std::string_view, 4> kKnownRefrigerants{"R134a", "R407C", "R404A",
                                                                    "R22"};
void initRefrigerantNames(RefrigerantNames& names);

} // namespace kelvo
