// Every text file the program reads gives the same data whether an editor saved it with LF,
// with CR LF or with a UTF-8 byte order mark in front.
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue.h"
#include "core/catalogue/catalogue_files.h"
#include "core/refrigerant/refrigerant_file.h"
#include "core/refrigerant/table_loader.h"
#include "core/spreadsheet/first_row_cells.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

std::string withLineEnds(std::string_view text, std::string_view end)
{
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const auto lf = text.find('\n', at);
        const auto stop = lf == std::string_view::npos ? text.size() : lf;
        const bool cr = stop > at && text[stop - 1] == '\r';
        out.append(text.substr(at, stop - at - (cr ? 1 : 0)));
        if (lf != std::string_view::npos)
            out.append(end);
        at = stop + 1;
    }
    return out;
}

std::string definitionsRead(std::string_view text)
{
    const RefrigerantLoad load = refrigerantsFromText(text, test::sampleDataFolder());
    std::string read;
    for (const RefrigerantEntry& entry : load.registry.entries())
        read += entry.name + "@" + std::to_string(entry.definitionLine) + " ";
    for (const std::string& refusal : load.refusals)
        read += "refused: " + refusal;
    return read;
}

std::string propertyTableRead(std::string_view text)
{
    const RefrigerantTable table = parseRefrigerantTable(text);
    const PropertyTableUsability usability = propertyTableUsability(text);
    std::string read = std::to_string(usability.usable) + " of " + std::to_string(usability.rows);
    for (int row = 1; row <= table.rowCount(); ++row)
        for (int column = 1; column < RefrigerantTable::columnCount; ++column)
            read += " " + std::to_string(table.value(column, row));
    return read;
}

std::string catalogueFileRead(CatalogueFileKind kind, std::string_view text)
{
    Catalogue catalogue;
    readCatalogueFileContent(catalogue, kind, text, "file");
    std::string read = serialiseCatalogueFile(catalogue, kind);
    for (const std::string& note : catalogue.loadNotes)
        read += "note: " + note;
    return read;
}

std::string csvRead(std::string_view text)
{
    std::string read;
    for (const std::string& cell : csvFirstRowCells(text))
        read += "[" + cell + "]";
    return read;
}

TEST(TextFilesAsSaved, CrLfAndAByteOrderMarkReadAsPlainLines)
{
    const auto file = [](const char* name) {
        std::ifstream in(test::sampleDataFolder() / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    using Reader = std::function<std::string(std::string_view)>;
    const struct {
        const char* reader;
        std::string text;
        Reader read;
    } cases[] = {
        {"refrigerant definitions", file(kRefrigerantFile), definitionsRead},
        {"property table", file("R448A.txt").substr(0, 4000), propertyTableRead},
        {"units", file(kUnitFile),
         [](std::string_view t) { return catalogueFileRead(CatalogueFileKind::Units, t); }},
        {"compressors", file(kCompressorFile),
         [](std::string_view t) { return catalogueFileRead(CatalogueFileKind::Compressors, t); }},
        {"csv", "\"a;b\";1,5;x\n2;3\n", csvRead},
    };
    for (const auto& c : cases) {
        const std::string plain = c.read(withLineEnds(c.text, "\n"));
        EXPECT_EQ(plain.find("refused"), std::string::npos) << c.reader << ": " << plain;
        EXPECT_EQ(c.read(withLineEnds(c.text, "\r\n")), plain) << c.reader;
        EXPECT_EQ(c.read("\xEF\xBB\xBF" + withLineEnds(c.text, "\r\n")), plain) << c.reader;
    }
}

} // namespace
} // namespace kelvo
