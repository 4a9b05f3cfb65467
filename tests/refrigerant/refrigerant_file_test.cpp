// Refrigerants beyond the four built in come from one line each of the data folder's definition
// file; a line that cannot be trusted is refused on its own, with its line number and reason.
#include <gtest/gtest.h>
#include <string>
#include <tuple>

#include "core/refrigerant/refrigerant_file.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

// R404A's correlations, which are known to be plausible, with field `index` (0 = a0, 17 = c5)
// replaced by `text`.
std::string coefficients(int index = -1, const std::string& text = {})
{
    const char* const r404a[] = {
        "1.7966042", "0.0317167", "-0.000127474", "6.17e-07",  "-1.88e-09", "5.92e-12",
        "199.99502", "1.5186086", "0.001673045",  "-7.1e-06",  "1.01e-07",  "7.9e-09",
        "5.91507",   "0.0014735", "-6.94e-06",    "-1.26e-09", "-2.35e-10", "-2.44e-11"};
    std::string fields;
    for (int i = 0; i < 18; ++i)
        fields += (i ? ";" : "") + (i == index ? text : std::string(r404a[i]));
    return fields;
}

std::string definition(const std::string& head, const std::string& tail = coefficients())
{
    return head + ";" + tail + "\r\n";
}

TEST(RefrigerantFile, RefusesEachBadLineAloneAndLoadsTheRest)
{
    test::TempFolder data;
    data.write("Good.txt", "t;p;d;v;h;s;cp\r\n-10;1;0;0;350,5;0;0\r\n");
    data.write("Empty.txt", "t;p;d;v;h;s;cp\r\n");
    const std::string kPlain = "R997;3;A1;Good.txt";
    const struct {
        std::string line;
        std::string reason; // the first two are accepted
    } lines[] = {
        {definition("R999X;148,5;A2L;Good.txt", coefficients(0, " 1,7966042")), ""},
        {definition("R998Y;3;B1;Good.txt"), ""},
        {definition(";3;A1;Good.txt"), "the name is empty"},
        {definition("R12345678901;3;A1;Good.txt"), "longer than 10 characters"},
        {definition("R 1;3;A1;Good.txt"), "characters other than"},
        {definition("r999x;3;A1;Good.txt"), "defined already on line 3"},
        {definition("R404A;3;A1;Good.txt"), "'R404A' is built in"},
        {definition("WSZYSTKIE;3;A1;Good.txt"), "stands for all refrigerants"},
        {definition("R997;x;A1;Good.txt"), "the GWP 'x' is not a number"},
        {definition("R997;-1;A1;Good.txt"), "negative"},
        {definition("R997;3;A4;Good.txt"), "safety class 'A4' is not one of"},
        {definition("R997;3;A1;Missing.txt"), "Missing.txt"},
        {definition("R997;3;A1;Empty.txt"), "no line after the header"},
        {definition("R997;3;A1;../Good.txt"), "not a file name of the data folder"},
        {definition(kPlain, "1;2;3"), "it has 7 fields instead of 22"},
        {definition(kPlain, coefficients() + ";1"), "23 fields"},
        {definition(kPlain, coefficients(1, "-0.03")), "does not rise with temperature from -50 C"},
        {definition(kPlain, coefficients(12, "1")), "not above the liquid enthalpy at -50 C"},
        {definition(kPlain, coefficients(5, "-1e300")), "no finite value at -50 C"},
        {definition(kPlain, coefficients(5, "")), "coefficient a5 is empty"},
        {definition(kPlain, coefficients(17, "1.2.3")), "c5 '1.2.3' is not a number"},
    };
    std::string file = "# comment;with;fields\r\n\r\n";
    for (const auto& line : lines)
        file += line.line;
    PropertyTableFiles tables(data.path());
    const RefrigerantLoad load = refrigerantsFromText(file, data.path(), &tables);
    // Judged as text only, a line whose table cannot be used still loads.
    EXPECT_FALSE(load.registry.knows("R997"));
    EXPECT_TRUE(refrigerantsFromText(file, data.path()).registry.knows("R997"));

    std::string names;
    for (const RefrigerantEntry& entry : load.registry.entries())
        names += entry.name + " " + refrigerantOrigin(entry) + ", ";
    EXPECT_EQ(names, "R404A built in, R407C built in, R22 built in, R134a built in, "
                     "R999X Czynniki.txt line 3, R998Y Czynniki.txt line 4, ");
    const RefrigerantEntry& madeUp = *load.registry.find("R999X");
    EXPECT_EQ(std::tie(madeUp.gwp, madeUp.safetyClass, madeUp.correlations.pressure[0],
                       madeUp.selectionPosition),
              std::make_tuple(148.5, "A2L", 1.7966042, 5));

    // The refused lines in order, each naming the file, its line and its reason.
    auto refusal = load.refusals.begin();
    for (std::size_t i = 2; i < std::size(lines); ++i, ++refusal) {
        ASSERT_NE(refusal, load.refusals.end());
        EXPECT_EQ(refusal->find((data.path() / "Czynniki.txt").string() + ", line " +
                                std::to_string(i + 3) + ": refrigerant not loaded: "),
                  0u)
            << *refusal;
        EXPECT_NE(refusal->find(lines[i].reason), std::string::npos) << *refusal;
    }
    EXPECT_EQ(refusal, load.refusals.end());
    // Without the file, the four built in; a file that is no file is said.
    EXPECT_EQ(loadRefrigerants(data.path()).registry.entries().size(), 4u);
    std::filesystem::create_directory(data.path() / "Czynniki.txt");
    EXPECT_EQ(loadRefrigerants(data.path()).refusals.size(), 1u);
}

} // namespace
} // namespace kelvo
