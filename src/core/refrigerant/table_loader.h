#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/refrigerant/refrigerant_data.h"
#include "core/refrigerant/refrigerant_table.h"

namespace kelvo
{

// Progress of a table load as a progress bar shows it: called with the bar's maximum
// (file size / 128) and the position after each row, and with position 0 at the end.
using LoadProgress = std::function<void(int position, int maximum)>;

// The table a property file's text describes: the header line is skipped; every further line
// is a row of up to seven ";"-separated fields (surplus ignored); "N/A", an empty, missing or
// unconvertible field and a value beyond the single range are 0.
RefrigerantTable parseRefrigerantTable(std::string_view content, int progressMaximum = 0,
                                       const LoadProgress& progress = {});

// Replaces data.table by the table of programDir / fileName. An empty file name leaves the
// empty table. A file that cannot be read throws FileError naming its path, with the empty
// table in place and no file name recorded.
void loadRefrigerantTable(RefrigerantData& data, const std::filesystem::path& programDir,
                          const std::string& fileName, const LoadProgress& progress = {});

// "R404A" -> "R404A.txt".
std::string refrigerantTableFileName(std::string_view refrigerant);

} // namespace kelvo
