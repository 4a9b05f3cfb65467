#include "core/refrigerant/refrigerant_file.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "core/io/file_io.h"
#include "core/refrigerant/table_loader.h"
#include "core/text/numeric_text.h"
#include "core/text/untrusted_text.h"

namespace kelvo
{
namespace
{

// name; GWP; safety class; table file; a0 .. a5; b0 .. b5; c0 .. c5
constexpr std::size_t kFieldCount = 22;
constexpr std::size_t kMaxNameLength = 10;
// What the calculation reads as "no refrigerant chosen" (kAllRefrigerants of the catalogue).
constexpr std::string_view kReservedName = "Wszystkie";
// The span the correlations must be plausible over, C.
constexpr int kLowestTemperature = -50;
constexpr int kHighestTemperature = 70;

// What is wrong with a line; the loader adds the file and the line.
class Refusal : public std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> splitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const auto end = line.find(';');
        fields.push_back(trimmed(line.substr(0, end)));
        if (end == std::string_view::npos)
            return fields;
        line.remove_prefix(end + 1);
    }
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// Printable ASCII without blanks: the name goes into records, file names and options.
bool plainName(std::string_view name)
{
    return std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c < 127; });
}

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return lower;
}

// The names taken so far, as the definitions compare them (ignoring case), with the line of the
// definition that took each (0 for one built in).
using TakenNames = std::map<std::string, int, std::less<>>;

std::string checkedName(std::string_view name, const TakenNames& taken)
{
    if (name.empty())
        throw Refusal("the name is empty");
    if (name.size() > kMaxNameLength)
        throw Refusal("the name '" + quotedText(name) + "' is longer than " +
                      std::to_string(kMaxNameLength) + " characters");
    if (!plainName(name))
        throw Refusal("the name '" + quotedText(name) +
                      "' holds characters other than ASCII letters, digits and signs");
    if (sameIgnoringCase(name, kReservedName))
        throw Refusal("the name '" + quotedText(name) + "' stands for all refrigerants");
    if (const auto found = taken.find(lowerCase(name)); found != taken.end())
        throw Refusal(found->second == 0
                          ? "'" + quotedText(name) + "' is built in"
                          : "'" + quotedText(name) + "' is defined already on line " +
                                std::to_string(found->second));
    return std::string(name);
}

double checkedNumber(std::string_view field, const std::string& what)
{
    if (field.empty())
        throw Refusal(what + " is empty");
    const auto value = parseNumber(field);
    if (!value)
        throw Refusal(what + " '" + quotedText(field) + "' is not a number");
    return *value;
}

std::string checkedSafetyClass(std::string_view field)
{
    if (std::find(std::begin(kSafetyClasses), std::end(kSafetyClasses), field) ==
        std::end(kSafetyClasses))
        throw Refusal("the safety class '" + quotedText(field) +
                      "' is not one of A1, A2L, A2, A3, B1, B2L, B2, B3");
    return std::string(field);
}

std::string checkedTableFile(std::string_view field)
{
    if (field.empty())
        throw Refusal("the table file is empty");
    // A file of the data folder itself, so a definition cannot point anywhere else.
    if (field.find_first_of("/\\") != std::string_view::npos || field == "." || field == "..")
        throw Refusal("the table file '" + quotedText(field) +
                      "' is not a file name of the data folder");
    return std::string(field);
}

void checkTable(const RefrigerantEntry& entry, PropertyTableFiles& tables)
{
    try {
        tables.table(entry.tableFile, &entry.correlations);
    } catch (const FileError& error) {
        throw Refusal("its table file cannot be used: " + std::string(error.what()));
    }
}

std::string degrees(int t)
{
    return std::to_string(t) + " C";
}

// The correlations must describe a saturated refrigerant where units work.
void checkPlausible(const RefrigerantCorrelations& k)
{
    double previousPressure = 0;
    for (int t = kLowestTemperature; t <= kHighestTemperature; ++t) {
        const double pressure = saturationPressure(k, t);
        const double liquid = liquidEnthalpy(k, t);
        const double vapour = vapourEnthalpy(k, t);
        if (!std::isfinite(pressure) || !std::isfinite(liquid) || !std::isfinite(vapour))
            throw Refusal("the correlations give no finite value at " + degrees(t));
        if (t > kLowestTemperature && !(pressure > previousPressure))
            throw Refusal("the saturation pressure does not rise with temperature from " +
                          degrees(t - 1) + " to " + degrees(t));
        if (!(vapour > liquid))
            throw Refusal("the vapour enthalpy is not above the liquid enthalpy at " + degrees(t));
        previousPressure = pressure;
    }
}

RefrigerantEntry parseDefinition(std::string_view line, const TakenNames& taken,
                                 PropertyTableFiles* tables)
{
    const std::vector<std::string_view> fields = splitFields(line);
    if (fields.size() != kFieldCount)
        throw Refusal("it has " + std::to_string(fields.size()) + " fields instead of " +
                      std::to_string(kFieldCount) +
                      " (name;GWP;safety class;table file;a0..a5;b0..b5;c0..c5)");
    RefrigerantEntry entry;
    entry.name = checkedName(fields[0], taken);
    entry.gwp = checkedNumber(fields[1], "the GWP");
    if (!(entry.gwp >= 0))
        throw Refusal("the GWP '" + quotedText(fields[1]) + "' is negative");
    entry.safetyClass = checkedSafetyClass(fields[2]);
    CorrelationCoefficients* sets[] = {&entry.correlations.pressure, &entry.correlations.liquid,
                                       &entry.correlations.vapour};
    const char letters[] = {'a', 'b', 'c'};
    for (std::size_t set = 0; set < 3; ++set)
        for (std::size_t i = 0; i < 6; ++i)
            (*sets[set])[i] =
                checkedNumber(fields[4 + set * 6 + i],
                              std::string("coefficient ") + letters[set] + std::to_string(i));
    checkPlausible(entry.correlations);
    entry.tableFile = checkedTableFile(fields[3]);
    // Last, as it reads the table.
    if (tables)
        checkTable(entry, *tables);
    return entry;
}

bool skipped(std::string_view line)
{
    line = trimmed(line);
    return line.empty() || line.front() == '#';
}

} // namespace

std::string refrigerantOrigin(const RefrigerantEntry& entry)
{
    return entry.definitionLine == 0
               ? "built in"
               : std::string(kRefrigerantFile) + " line " + std::to_string(entry.definitionLine);
}

RefrigerantLoad refrigerantsFromText(std::string_view content,
                                     const std::filesystem::path& dataFolder,
                                     PropertyTableFiles* tables)
{
    std::vector<RefrigerantEntry> entries = RefrigerantRegistry::builtIn().entries();
    TakenNames taken;
    for (const RefrigerantEntry& entry : entries)
        taken.emplace(lowerCase(entry.name), 0);
    std::vector<std::string> refusals;
    const std::string file = (dataFolder / kRefrigerantFile).string();
    LineReader lines(content);
    std::string_view line;
    int number = 0;
    try {
        while (lines.next(line)) {
            ++number;
            if (skipped(line))
                continue;
            try {
                RefrigerantEntry entry = parseDefinition(line, taken, tables);
                entry.definitionLine = number;
                taken.emplace(lowerCase(entry.name), number);
                entry.selectionPosition = static_cast<int>(entries.size()) + 1;
                entry.editorPosition = entry.selectionPosition;
                entries.push_back(std::move(entry));
            } catch (const Refusal& refusal) {
                refusals.push_back(file + ", line " + std::to_string(number) +
                                   ": refrigerant not loaded: " + refusal.what());
            }
        }
    } catch (const LineTooLong& error) {
        refusals.push_back(file + ": " + error.what() + "; the lines from there on are not read");
    }
    return {RefrigerantRegistry(std::move(entries)), std::move(refusals)};
}

RefrigerantLoad loadRefrigerants(const std::filesystem::path& dataFolder,
                                 PropertyTableFiles* tables)
{
    const std::filesystem::path path = dataFolder / kRefrigerantFile;
    std::error_code ec;
    // Without the file the program knows the four built in.
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec)))
        return {RefrigerantRegistry::builtIn(), {}};
    std::string content;
    try {
        content = readWholeFile(path, kCatalogueFileLimit);
    } catch (const FileError& error) {
        return {RefrigerantRegistry::builtIn(),
                {std::string(error.what()) + "; only the built-in refrigerants are known"}};
    }
    return refrigerantsFromText(content, dataFolder, tables);
}

} // namespace kelvo
