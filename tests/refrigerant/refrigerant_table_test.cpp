#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <utility>
#include <vector>

#include "core/io/file_io.h"
#include "core/refrigerant/correlations.h"
#include "core/refrigerant/refrigerant_registry.h"
#include "core/refrigerant/table_loader.h"
#include "support/pair_bench.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

TEST(Correlations, ReferenceValuesAndUnknownNames)
{
    const RefrigerantRegistry& known = RefrigerantRegistry::builtIn();
    const auto of = [&](const char* name) { return *known.correlationsOf(name); };
    EXPECT_NEAR(saturationPressure(of("R22"), 0), 4.963, 0.0005);
    EXPECT_DOUBLE_EQ(saturationPressure(of("R22"), 0), std::exp(1.602059));
    EXPECT_DOUBLE_EQ(liquidEnthalpy(of("R134a"), 0), 199997.67);
    EXPECT_DOUBLE_EQ(vapourEnthalpy(of("R407C"), 0), 1000 * std::exp(6.0256527));
    EXPECT_NEAR(saturationPressure(of("R404A"), -10), 4.3, 0.1); // published tables
    for (const char* name : {"Wszystkie", "", "r404a", "R404A "})
        EXPECT_EQ(known.correlationsOf(name), nullptr) << name;
}

TEST(RefrigerantTableFile, ReadsFieldsAsTheFileLayoutSays)
{
    const auto table = parseRefrigerantTable("1;2;3;4;5;6;7\r\n"            // header
                                             "-10,5;1.5;3;4;350,25;6;7\r\n" // either separator
                                             "N/A;N/A;N/A;N/A;N/A;N/A;N/A\r\n"
                                             "1;2;3\r\n"          // short line
                                             "1;x;;4;5;6;7;8;9\n" // bad, empty, surplus
                                             "1e39;-1e39;1e-50;3.4028235e38\r\n"
                                             "\r\n"); // a blank last line is a row of zeros
    ASSERT_EQ(table.rowCount(), 6);
    EXPECT_EQ(table.value(1, 1), -10.5F);
    EXPECT_EQ(table.value(2, 1), 1.5F);
    EXPECT_EQ(table.value(5, 1), 350.25F);
    for (int k = 0; k <= 7; ++k) {
        EXPECT_EQ(table.value(k, 0), 0) << "no header in row 0, column " << k;
        EXPECT_EQ(table.value(k, 2), 0) << "N/A, column " << k;
        EXPECT_EQ(table.value(k, 6), 0) << "blank line, column " << k;
    }
    EXPECT_EQ(table.value(3, 3), 3.0F);
    EXPECT_EQ(table.value(4, 3), 0);
    EXPECT_EQ(table.value(2, 4), 0);
    EXPECT_EQ(table.value(3, 4), 0);
    EXPECT_EQ(table.value(7, 4), 7.0F) << "surplus fields are ignored";
    EXPECT_EQ(table.value(1, 5), 0) << "beyond the single range";
    EXPECT_EQ(table.value(2, 5), 0);
    EXPECT_EQ(table.value(4, 5), 3.4028235e38F);
    EXPECT_EQ(parseRefrigerantTable("h\n0,1").value(1, 1), static_cast<float>(0.1));
}

TEST(RefrigerantTableFile, LoadsReportsProgressAndFailsToNoTable)
{
    test::TempFolder folder;
    std::string content = "t;p;rho;v;h;s;cp\r\n";
    for (int i = 0; i < 28; ++i)
        content += std::to_string(i) + ";1,0;0;0;" + std::to_string(300 + i) + ";0;0\r\n";
    folder.write("R22.txt", content);
    test::PairRefrigerant data;
    std::vector<std::pair<int, int>> reports;
    test::loadRefrigerantTable(data, folder.path(), "R22.txt", [&](int position, int maximum) {
        reports.emplace_back(position, maximum);
    });
    EXPECT_EQ(data.table.rowCount(), 28);
    EXPECT_EQ(data.tableFileName, "R22.txt");
    ASSERT_EQ(content.size() / 128, 4U);
    ASSERT_EQ(reports.size(), 29U);
    const std::vector<int> positions{0, 1, 2, 3, 1, 2, 3, 1};
    for (std::size_t i = 0; i < positions.size(); ++i)
        EXPECT_EQ(reports[i], std::make_pair(positions[i], 4)) << i;
    EXPECT_EQ(reports.back(), std::make_pair(0, 4));

    test::loadRefrigerantTable(data, folder.path(), "");
    EXPECT_EQ(data.table.rowCount(), 0);
    EXPECT_EQ(data.table.findVapourEnthalpy(0, 0), 0);

    test::loadRefrigerantTable(data, folder.path(), "R22.txt");
    try {
        test::loadRefrigerantTable(data, folder.path(), "R404A.txt");
        FAIL() << "a missing file must throw";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), folder.path() / "R404A.txt");
    }
    EXPECT_EQ(data.table.rowCount(), 0);
    EXPECT_EQ(data.tableFileName, "");
}

TEST(RefrigerantTableFile, ATableWithoutUsableDataIsRefusedAndAPartlyUsableOneSaysSo)
{
    test::TempFolder folder;
    test::PairRefrigerant data;
    const auto refused = [&](const std::string& content, const std::string& reason) {
        folder.write("R22.txt", content);
        try {
            test::loadRefrigerantTable(data, folder.path(), "R22.txt");
            ADD_FAILURE() << "accepted " << reason;
        } catch (const FileError& error) {
            EXPECT_NE(error.reason().find(reason), std::string::npos) << error.reason();
        }
        EXPECT_EQ(data.table.rowCount(), 0);
        EXPECT_EQ(data.tableFileName, "");
    };
    std::string random = "t;p\r\n";
    for (int i = 0; i < 5000; ++i)
        random += static_cast<char>((i * 7919 + 13) % 251);
    refused(random, "holds no usable property data");
    std::string huge = "t;p;rho;v;h;s;cp\r\n";
    for (int i = 0; i < 20; ++i)
        huge += "1e400;1e400;1e400;1e400;1e400;1e400;1e400\r\n";
    refused(huge, "0 of 20 rows usable; the first that is not is line 2");
    refused("t;p;rho;v;h;s;cp\r\n", "holds no property data: no line after the header");
    refused("", "holds no property data: no line after the header");
    refused("t;p;rho;v;h;s;cp\r\n" + std::string(2 * 1024 * 1024, '1') + "\r\n",
            "line 2 is longer than 1 MB");

    std::string mostly = "t;p;rho;v;h;s;cp\r\n";
    for (int i = 0; i < 10; ++i)
        mostly += i == 3 ? "N/A;1;0;0;N/A;0;0\r\n"
                         : std::to_string(i) + ";1,0;0;0;" + std::to_string(300 + i) + ";0;0\r\n";
    folder.write("R22.txt", mostly);
    test::loadRefrigerantTable(data, folder.path(), "R22.txt");
    EXPECT_EQ(data.table.rowCount(), 10);
    EXPECT_NE(data.tableNote.find("1 of 10 rows are not usable (the first is line 5)"),
              std::string::npos)
        << data.tableNote;
}

TEST(VapourEnthalpyLookup, FirstRowAtOrAboveBothTemperatureAndPressure)
{
    const auto table = parseRefrigerantTable("t;p;;;h\n"
                                             "-10;1;0;0;101\n0;1;0;0;102\n10;1;0;0;103\n"
                                             "-10;2;0;0;201\n0;2;0;0;202\n10;2;0;0;203\n"
                                             "-5;3;0;0;301\n");
    using Lookup = double (RefrigerantTable::*)(double, double) const;
    for (const Lookup find :
         {&RefrigerantTable::findVapourEnthalpy, &RefrigerantTable::findVapourEnthalpyByScan}) {
        EXPECT_EQ((table.*find)(-20, 0.5), 101) << "row 1 already qualifies";
        EXPECT_EQ((table.*find)(0, 1), 102) << "ties qualify";
        EXPECT_EQ((table.*find)(5, 1.5), 203) << "the first pressure at or above p";
        EXPECT_EQ((table.*find)(-7, 2.5), 301);
        EXPECT_EQ((table.*find)(11, 1), 301) << "none qualifies: the last row";
    }
    EXPECT_EQ(parseRefrigerantTable("h\n10;1;0;0;101\n\n").findVapourEnthalpy(20, 1), 0);
}

// The fast lookup against the plain scan: random points, and tabulated points with their
// nearest neighbours, where an off-by-one in the index would show.
void expectLookupMatchesScan(const RefrigerantTable& table, std::mt19937& random, int samples)
{
    std::uniform_real_distribution<double> t(-60, 90);
    std::uniform_real_distribution<double> p(-0.5, 10.5);
    std::uniform_int_distribution<int> row(1, table.rowCount());
    int mismatches = 0;
    const auto check = [&](double tv, double pv) {
        if (table.findVapourEnthalpy(tv, pv) != table.findVapourEnthalpyByScan(tv, pv) &&
            ++mismatches <= 5)
            ADD_FAILURE() << "t=" << tv << " p=" << pv;
    };
    for (int i = 0; i < samples; ++i) {
        check(t(random), p(random));
        check(t(random), std::round(p(random) * 10) / 10);
        const double rt = table.value(1, row(random));
        const double rp = table.value(2, row(random));
        for (const double dt : {-1e-9, 0.0, 1e-9})
            for (const double dp : {-1e-9, 0.0, 1e-9})
                check(rt + dt, rp + dp);
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(VapourEnthalpyLookup, FastLookupEqualsTheScan)
{
    std::mt19937 random(20240611);
    // Every shipped table, those of the data folder's further refrigerants too.
    for (const RefrigerantEntry& entry : test::sampleRefrigerants().entries()) {
        SCOPED_TRACE(entry.tableFile);
        test::PairRefrigerant data;
        test::loadRefrigerantTable(data, test::sampleDataFolder(), entry.tableFile);
        expectLookupMatchesScan(data.table, random, 3000);
    }
    // Repeated and falling pressures and temperatures: any file must give the scan's answer.
    std::uniform_int_distribution<int> small(0, 6);
    for (int trial = 0; trial < 50; ++trial) {
        RefrigerantTable table;
        for (int r = 0; r <= trial * 3; ++r)
            table.appendRow({static_cast<float>(small(random) - 2),
                             static_cast<float>(small(random)) / 2, 0, 0,
                             static_cast<float>(r + 1)});
        expectLookupMatchesScan(table, random, 300);
    }
}

} // namespace
} // namespace kelvo
