#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/refrigerant/refrigerant_table.h"
#include "core/refrigerant/table_plausibility.h"
#include "core/text/progress_report.h"

namespace kelvo
{

// A table load reports its progress (ProgressReport) with the total at the file size / 128, the
// rows done after each row, and 0 done at the end.

// The table a property file's text describes: the header line is skipped; every further line
// is a row of up to seven ";"-separated fields (surplus ignored); "N/A", an empty, missing or
// unconvertible field and a value beyond the single range are 0.
RefrigerantTable parseRefrigerantTable(std::string_view content, int progressMaximum = 0,
                                       const ProgressReport& progress = {});

// How many data lines a property file's text has, how many of them are usable (temperature,
// pressure and vapour enthalpy all numbers) and the first that is not (0 when all are), and the
// shape of the usable rows; line numbers count the header as line 1.
struct PropertyTableUsability {
    int rows = 0;
    int usable = 0;
    int firstUnusableLine = 0;
    TableShape shape;
};
PropertyTableUsability propertyTableUsability(std::string_view content);

struct PropertyTable {
    RefrigerantTable table; // no rows when none is loaded
    std::string fileName;   // "R404A.txt"; empty when none is loaded
    // Set when the table has rows that cannot be used (UTF-8, naming the file); said once per
    // load by whoever shows the load.
    std::string note;
    // What the plausibility of the table is judged by, for the refrigerant that uses it.
    TableShape shape;
};
// The table of programDir / fileName. An empty file name gives the empty table. A file that
// cannot be read, that is larger than kPropertyTableLimit, or whose usable rows are none or
// fewer than half of its rows (random bytes, every field "1e400") throws FileError naming its
// path: the calculation then fails as for a missing table. A table with some unusable rows
// loads, and its note says how many.
PropertyTable readPropertyTable(const std::filesystem::path& programDir,
                                const std::string& fileName, const ProgressReport& progress = {});
} // namespace kelvo
