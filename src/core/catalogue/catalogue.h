#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

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
    // One UTF-8 line per file of the last load that announces more records than it holds
    // complete: "<path>: announces 152 records, holds 150 complete". Such a file still loads,
    // its missing fields empty; the user is told here.
    std::vector<std::string> loadNotes;
};

// The first item of the selection window's refrigerant list: no refrigerant chosen.
inline constexpr const char* kAllRefrigerants = "Wszystkie";

} // namespace kelvo
