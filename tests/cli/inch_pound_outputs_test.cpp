#include <gtest/gtest.h>

#include <array>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "cli/run_in_process.h"
#include "core/io/file_io.h"
#include "core/text/display_units.h"
#include "core/text/numeric_text.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

using Arguments = std::vector<std::string>;
using Json = nlohmann::ordered_json;

std::string run(Arguments arguments)
{
    arguments.insert(arguments.end(), {"--data", KELVO_SOURCE_DATA_DIR});
    const auto result = test::runInProcess(std::move(arguments));
    EXPECT_EQ(result.status, 0) << result.err;
    return result.out;
}

// Whether an inch-pound figure shows the SI figure: the same number (a figure whose unit
// stays, a count, a name's digits), or one quantity's figure converted back within half a step
// of its last shown digit. Capacities may be Btu/h of watts or of kilowatts, or kBtu/h.
bool showsTheSiFigure(double si, double ip)
{
    if (si == ip)
        return true;
    const auto near = [](double a, double b, double tolerance) {
        return std::abs(a - b) <= tolerance + 1e-9 * std::abs(b);
    };
    return near(celsiusOf(ip), si, 0.05 * 5 / 9) || near(ip * 5 / 9, si, 0.05 * 5 / 9) ||
           near(wattsOf(ip), si, wattsOf(0.5)) || near(wattsOf(ip) / 1000, si, wattsOf(0.5)) ||
           near(wattsOf(ip * 1000), si, wattsOf(50)) || near(barOf(ip), si, barOf(0.05));
}

std::vector<double> numbersIn(const std::string& text)
{
    static const std::regex number(R"(-?\d+(?:[.,]\d+)?)");
    std::vector<double> numbers;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it)
        numbers.push_back(*parseNumber(it->str()));
    return numbers;
}

void expectTextShowsTheSiText(const std::string& si, const std::string& ip, const std::string& at)
{
    // No SI unit is left beside a figure, as a label or in a column of units: a figure that
    // kept it was not converted.
    static const std::regex siUnit(R"(\[(C|°C|W|K|bar)\]|\d {2,}(C|K|bar)\n)");
    EXPECT_FALSE(std::regex_search(ip, siUnit)) << at << "\n" << ip;
    const auto siNumbers = numbersIn(si);
    const auto ipNumbers = numbersIn(ip);
    ASSERT_EQ(siNumbers.size(), ipNumbers.size()) << at << "\n" << si << "\n" << ip;
    for (std::size_t i = 0; i < siNumbers.size(); ++i)
        EXPECT_TRUE(showsTheSiFigure(siNumbers[i], ipNumbers[i]))
            << at << ": " << siNumbers[i] << " shown as " << ipNumbers[i];
}

// The two documents side by side, entry by entry (an inch-pound key may name its unit): every
// number and every figure inside a text shows its SI counterpart. The charts' pixels and the
// list of units are no figures.
// The keys whose figures are temperatures, capacities or pressures, and must change.
bool isConvertedKey(const std::string& key)
{
    static const std::regex converted(
        R"(to|tk|tkF|ambient|capacity\w*|condensing(Temperature|Pressure|DeltaT)|)"
        R"(evaporatingPressure|refrigeratingCapacity|condenserCapacity\w*|Qo[\d.]+)");
    return std::regex_match(key, converted);
}

void expectJsonShowsTheSiJson(const Json& si, Json ip, const std::string& at,
                              const std::string& key = {})
{
    ASSERT_EQ(si.type(), ip.type()) << at;
    if (si.is_object()) {
        ip.erase("figureUnits");
        ASSERT_EQ(si.size(), ip.size()) << at;
        auto s = si.begin();
        for (auto i = ip.begin(); i != ip.end(); ++i, ++s)
            if (s.key() != "chart")
                expectJsonShowsTheSiJson(*s, *i, at + "." + s.key(), s.key());
    } else if (si.is_array()) {
        ASSERT_EQ(si.size(), ip.size()) << at;
        for (std::size_t k = 0; k < si.size(); ++k)
            expectJsonShowsTheSiJson(si[k], ip[k], at + "[" + std::to_string(k) + "]", key);
    } else if (si.is_number()) {
        EXPECT_TRUE(showsTheSiFigure(si.get<double>(), ip.get<double>()))
            << at << ": " << si << " shown as " << ip;
        // -40 is the one temperature both scales share.
        if (isConvertedKey(key) && si.get<double>() != -40) {
            EXPECT_NE(si, ip) << at << " is not converted";
        }
    } else if (si.is_string()) {
        expectTextShowsTheSiText(si.get<std::string>(), ip.get<std::string>(), at);
    } else {
        EXPECT_EQ(si, ip) << at;
    }
}

// The command's output (or the CSV it writes) in SI and in inch-pound units.
std::array<std::string, 2> inBothUnits(const Arguments& command, const std::string& csv = {})
{
    std::array<std::string, 2> outputs;
    for (const bool ip : {false, true}) {
        Arguments arguments = command;
        if (ip)
            arguments.insert(arguments.end(), {"--units", "ip"});
        if (!csv.empty())
            arguments.insert(arguments.end(), {"--csv", csv});
        outputs[ip] = run(arguments);
        if (!csv.empty())
            outputs[ip] = readWholeFile(csv);
    }
    return outputs;
}

// Every command that shows figures, as text, as JSON and as CSV: with --units ip each output is
// its SI output converted.
TEST(InchPoundOutputs, EveryFigureOfEveryCommandConvertsBackToItsSiFigure)
{
    const test::TempFolder folder;
    const std::string csv = (folder.path() / "out.csv").string();
    const std::vector<Arguments> commands{
        {"select", "--family", "BOX", "--to", "-10"},
        {"select", "--family", "BASE", "--to", "-25", "--ambient", "38"},
        {"details", "--family", "BOX", "--to", "-10", "--row", "3", "--extra-ambient", "43"},
        {"details", "--family", "BASE", "--to", "5", "--row", "2"},
        {"compare", "--family", "BOX", "--to", "-10", "--row", "1,2,3", "--extra-ambient", "43"},
        {"curves", "--family", "BOX", "--to", "-10", "--row", "3", "--extra-ambient", "43"},
        {"datasheet", "--family", "BASE", "--to", "-10", "--row", "2", "--extra-ambient", "45"},
        {"pair", "--refrigerant", "R404A", "--compressor",  "1",  "--condenser",
         "1",    "--to",          "-10",   "--ambient",     "32", "--superheat",
         "10",   "--subcooling",  "2",     "--compressors", "1",  "--condensers",
         "1",    "--heat-factor", "1,1"},
    };
    for (Arguments command : commands) {
        const std::string name = command[0];
        if (name == "select" || name == "details" || name == "compare") {
            const auto [si, ip] = inBothUnits(command, csv);
            expectTextShowsTheSiText(si, ip, name + " --csv");
        }
        if (name != "curves" && name != "datasheet") { // a picture, a PDF
            const auto [si, ip] = inBothUnits(command);
            expectTextShowsTheSiText(si, ip, name);
        }
        command.push_back(name == "datasheet" ? "--params" : "--json");
        const auto [si, ip] = inBothUnits(command);
        expectJsonShowsTheSiJson(Json::parse(si), Json::parse(ip), name + " --json");
    }
}

} // namespace
} // namespace kelvo
