#include "core/refrigerant/table_loader.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>

#include "core/io/file_io.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

// The nearest single-precision value; 0 when that would be infinite.
float toNearestFloat(double value)
{
    // Halfway between FLT_MAX and the next power of two rounds (to even) up to infinity.
    constexpr double kOverflowThreshold = FLT_MAX + 0x1p103;
    if (std::fabs(value) >= kOverflowThreshold)
        return 0.0F;
    if (std::fabs(value) > FLT_MAX)
        return value < 0 ? -FLT_MAX : FLT_MAX;
    return static_cast<float>(value);
}

float fieldValue(std::string_view field)
{
    if (field == "N/A")
        return 0.0F;
    const auto value = parseNumber(field);
    return value ? toNearestFloat(*value) : 0.0F;
}

RefrigerantTable::Row splitRow(std::string_view line)
{
    RefrigerantTable::Row row{};
    for (std::size_t k = 0; k < row.size(); ++k) {
        const auto end = line.find(';');
        row[k] = fieldValue(line.substr(0, end));
        if (end == std::string_view::npos)
            break;
        line.remove_prefix(end + 1);
    }
    return row;
}

} // namespace

RefrigerantTable parseRefrigerantTable(std::string_view content, int progressMaximum,
                                       const LoadProgress& progress)
{
    RefrigerantTable table;
    LineReader lines(content);
    std::string_view line;
    lines.next(line); // header
    int position = 0;
    while (lines.next(line)) {
        table.appendRow(splitRow(line));
        if (progress)
            progress(position, progressMaximum);
        ++position;
        if (position >= progressMaximum)
            position = 1;
    }
    return table;
}

void loadRefrigerantTable(RefrigerantData& data, const std::filesystem::path& programDir,
                          const std::string& fileName, const LoadProgress& progress)
{
    data.table = RefrigerantTable();
    data.tableFileName.clear();
    int maximum = 0;
    if (!fileName.empty()) {
        const std::string content = readWholeFile(programDir / fileName);
        maximum = static_cast<int>(std::min<std::size_t>(content.size() / 128, INT_MAX));
        data.table = parseRefrigerantTable(content, maximum, progress);
        data.tableFileName = fileName;
    }
    if (progress)
        progress(0, maximum);
}

std::string refrigerantTableFileName(std::string_view refrigerant)
{
    return std::string(refrigerant) + ".txt";
}

} // namespace kelvo
