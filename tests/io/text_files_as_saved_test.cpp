// Every text file the program reads gives the same data whether an editor saved it with LF,
// with CR LF or with a UTF-8 byte order mark in front.
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/catalogue/catalogue_files.h"
#include "core/refrigerant/table_loader.h"
#include "core/spreadsheet/first_row_cells.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

std::string withLf(std::string text)
{
    for (auto at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

TEST(TextFilesAsSaved, CrLfAndAByteOrderMarkReadAsPlainLines)
{
    // The sample files as the program ships them, with CR LF.
    const auto sample = [](const char* name) {
        std::ifstream in(test::sampleDataFolder() / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const auto definitions = [](const std::string& t) {
        const RefrigerantLoad load = refrigerantsFromText(t, test::sampleDataFolder());
        return std::to_string(load.registry.entries().size()) + " refused " +
               std::to_string(load.refusals.size());
    };
    const auto table = [](const std::string& t) {
        const RefrigerantTable parsed = parseRefrigerantTable(t);
        std::string read = std::to_string(propertyTableUsability(t).usable);
        for (int row = 1; row <= parsed.rowCount(); ++row)
            read += " " + std::to_string(parsed.value(RefrigerantTable::enthalpyColumn, row));
        return read;
    };
    const auto units = [](const std::string& t) {
        Catalogue catalogue;
        readCatalogueFileContent(catalogue, CatalogueFileKind::Units, t, "units");
        return serialiseCatalogueFile(catalogue, CatalogueFileKind::Units) +
               std::to_string(catalogue.loadNotes.size());
    };
    const auto csv = [](const std::string& t) {
        std::string read;
        for (const std::string& cell : csvFirstRowCells(t))
            read += "[" + cell + "]";
        return read;
    };
    const struct {
        std::string text;
        std::function<std::string(const std::string&)> read;
    } cases[] = {
        {sample(kRefrigerantFile), definitions}, // "12 refused 0"
        {sample("R448A.txt").substr(0, 4000), table},
        {sample(kUnitFile), units},
        {"\"a;b\";1,5;x\r\n2;3\r\n", csv},
    };
    for (const auto& c : cases) {
        const std::string plain = c.read(withLf(c.text));
        EXPECT_EQ(c.read(c.text), plain);
        EXPECT_EQ(c.read("\xEF\xBB\xBF" + c.text), plain) << c.text.substr(0, 40);
    }
}

} // namespace
} // namespace kelvo
