#include "core/refrigerant/table_loader.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <climits>
#include <cmath>
#include <optional>

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

// The first fields of a line, ";"-separated; missing ones are empty, surplus ones ignored.
using LineFields = std::array<std::string_view, RefrigerantTable::fieldCount>;
LineFields splitFields(std::string_view line)
{
    LineFields fields{};
    for (std::size_t k = 0; k < fields.size(); ++k) {
        const auto end = line.find(';');
        fields[k] = line.substr(0, end);
        if (end == std::string_view::npos)
            break;
        line.remove_prefix(end + 1);
    }
    return fields;
}

RefrigerantTable::Row splitRow(std::string_view line)
{
    const LineFields fields = splitFields(line);
    RefrigerantTable::Row row{};
    for (std::size_t k = 0; k < row.size(); ++k)
        row[k] = fieldValue(fields[k]);
    return row;
}

// A field the lookup relies on: a number within the single range ("N/A" is none), as the
// table holds it.
std::optional<double> usableField(std::string_view field)
{
    const auto value = parseNumber(field);
    if (!value || !(std::fabs(*value) <= FLT_MAX))
        return std::nullopt;
    return toNearestFloat(*value);
}

// Hands each line after the header, a row of the table, to eachRow.
template <class EachRow> void forEachRow(std::string_view content, const EachRow& eachRow)
{
    LineReader lines(content);
    std::string_view line;
    lines.next(line); // header
    while (lines.next(line))
        eachRow(line);
}

} // namespace

PropertyTableUsability propertyTableUsability(std::string_view content)
{
    PropertyTableUsability usability;
    TableShapeBuilder shape;
    int number = 1;
    forEachRow(content, [&](std::string_view line) {
        ++number;
        ++usability.rows;
        // t, p and h (columns 1, 2 and 5).
        const LineFields fields = splitFields(line);
        const auto t = usableField(fields[0]);
        const auto p = usableField(fields[1]);
        const auto h = usableField(fields[4]);
        if (t && p && h) {
            ++usability.usable;
            shape.addRow(number, *t, *p, *h);
        } else if (usability.firstUnusableLine == 0) {
            usability.firstUnusableLine = number;
        }
    });
    usability.shape = shape.shape();
    return usability;
}

RefrigerantTable parseRefrigerantTable(std::string_view content, int progressMaximum,
                                       const ProgressReport& progress)
{
    RefrigerantTable table;
    int position = 0;
    forEachRow(content, [&](std::string_view line) {
        table.appendRow(splitRow(line));
        if (progress)
            progress(position, progressMaximum);
        ++position;
        if (position >= progressMaximum)
            position = 1;
    });
    return table;
}

namespace
{

// Refuses, naming the file, a table that would give figures computed from nothing.
PropertyTableUsability judgePropertyTable(const std::filesystem::path& path,
                                          std::string_view content)
{
    PropertyTableUsability usability;
    try {
        usability = propertyTableUsability(content);
    } catch (const LineTooLong& error) {
        throw FileError(path, error.what());
    }
    if (usability.rows == 0)
        throw FileError(path, "holds no property data: no line after the header");
    if (usability.usable == 0 || usability.usable * 2 < usability.rows)
        throw FileError(path, "holds no usable property data (" + std::to_string(usability.usable) +
                                  " of " + std::to_string(usability.rows) +
                                  " rows usable; the first that is not is line " +
                                  std::to_string(usability.firstUnusableLine) + ")");
    return usability;
}

} // namespace

PropertyTable readPropertyTable(const std::filesystem::path& programDir,
                                const std::string& fileName, const ProgressReport& progress)
{
    PropertyTable data;
    int maximum = 0;
    if (!fileName.empty()) {
        const auto path = programDir / fileName;
        const std::string content = readWholeFile(path, kPropertyTableLimit);
        PropertyTableUsability usability = judgePropertyTable(path, content);
        if (usability.usable < usability.rows)
            data.note = path.string() + ": " + std::to_string(usability.rows - usability.usable) +
                        " of " + std::to_string(usability.rows) +
                        " rows are not usable (the first is line " +
                        std::to_string(usability.firstUnusableLine) + ")";
        maximum = static_cast<int>(std::min<std::size_t>(content.size() / 128, INT_MAX));
        data.table = parseRefrigerantTable(content, maximum, progress);
        data.fileName = fileName;
        data.shape = std::move(usability.shape);
    }
    if (progress)
        progress(0, maximum);
    return data;
}

} // namespace kelvo
