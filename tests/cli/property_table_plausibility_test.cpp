// A property table of another refrigerant, another reference state or no refrigerant at all
// would give figures in silence; it is refused, naming the file and the first row that fails.
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "cli/run_in_process.h"
#include "core/io/file_io.h"
#include "core/refrigerant/property_table_files.h"
#include "core/text/numeric_text.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

// The table's text with each data row's vapour enthalpy (column 5) replaced by change(h, line).
std::string withEnthalpies(const std::string& text,
                           const std::function<std::string(double, int)>& change)
{
    std::string out;
    LineReader lines(text);
    std::string_view line;
    for (int number = 1; lines.next(line); ++number) {
        std::string row(line);
        if (number > 1) {
            std::size_t start = 0;
            for (int field = 0; field < 4; ++field)
                start = row.find(';', start) + 1;
            const std::size_t end = row.find(';', start);
            row.replace(start, end - start,
                        change(*parseNumber(row.substr(start, end - start)), number));
        }
        out += row + "\r\n";
    }
    return out;
}

TEST(TablePlausibility, EveryShippedTableFitsItsRefrigerantWithAWideMargin)
{
    PropertyTableFiles tables(test::sampleDataFolder());
    for (const RefrigerantEntry& entry : test::sampleRefrigerants().entries()) {
        const PropertyTable& table = tables.table(entry.tableFile, &entry.correlations);
        EXPECT_GT(table.shape.saturated.size(), 40u) << entry.name;
        EXPECT_LT(largestSaturatedDeviation(table.shape, entry.correlations),
                  kSaturatedEnthalpyTolerance / 5)
            << entry.name;
    }
}

TEST(TablePlausibility, ANonsenseTableIsRefusedAtItsFirstFailingRow)
{
    const struct {
        const char* refrigerant;
        std::function<std::string(double, int)> change;
        std::string reason;
    } cases[] = {
        {"R448A", [](double h, int) { return formatNumber(-h, '.'); },
         "does not rise with temperature at one pressure (line 3)"},
        {"R404A", [](double, int) { return std::string("1e30"); },
         "does not rise with temperature at one pressure (line 4)"},
        {"R404A", [](double h, int line) { return formatNumber(line == 100 ? h - 5 : h, '.'); },
         "does not rise with temperature at one pressure (line 100)"},
        // Another reference state: the same curve 20 % higher.
        {"R404A", [](double h, int) { return formatNumber(h * 1.2, '.'); },
         "differs from the refrigerant's correlation by more than 10 % (line 2)"},
    };
    for (const auto& c : cases) {
        const auto data = test::copyOfSampleData();
        const std::string file = std::string(c.refrigerant) + ".txt";
        data->write(file, withEnthalpies(data->read(file), c.change));
        const std::string folder = data->path().string();

        const test::CommandRun select =
            test::runInProcess({"select", "--family", "BOX", "--refrigerant", c.refrigerant, "--to",
                                "-10", "--ambient", "32", "--data", folder});
        EXPECT_EQ(select.status, 1) << select.out;
        EXPECT_NE(select.err.find((data->path() / file).string() + ": the "), std::string::npos)
            << select.err;
        EXPECT_NE(select.err.find(c.reason), std::string::npos) << select.err;

        const test::CommandRun check = test::runInProcess({"check", "--data", folder});
        EXPECT_EQ(check.status, 1);
        EXPECT_NE(check.err.find(file + ": the "), std::string::npos) << check.err;
    }
}

TEST(TablePlausibility, EachFileIsReadOnceAndJudgedPerRefrigerant)
{
    const auto data = test::copyOfSampleData();
    const RefrigerantRegistry& known = test::sampleRefrigerants();
    PropertyTableFiles tables(data->path());
    int rowsTold = 0;
    const ProgressReport count = [&](int position, int) { rowsTold += position > 0 ? 1 : 0; };
    const PropertyTable& first = tables.table("R404A.txt", known.correlationsOf("R404A"), count);
    EXPECT_GT(rowsTold, 7000);
    std::filesystem::remove(data->path() / "R404A.txt");
    rowsTold = 0;
    EXPECT_EQ(&tables.table("R404A.txt", known.correlationsOf("R404A"), count), &first);
    EXPECT_EQ(rowsTold, 0);
    // Propane's vapour enthalpy lies half as high again as R404A's.
    EXPECT_THROW(tables.table("R404A.txt", known.correlationsOf("R290")), FileError);
}

} // namespace
} // namespace kelvo
