#define ZLIB_CONST
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>
#include <zlib.h>

#include "core/catalogue/catalogue.h"
#include "core/editor/coefficient_import.h"
#include "core/io/file_io.h"
#include "core/spreadsheet/first_row_cells.h"
#include "core/spreadsheet/workbook_writer.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

const std::filesystem::path kFiles = KELVO_TEST_FILES_DIR;

TEST(FirstRowCells, ClipboardAndCsvSplitTheFirstLineOnly)
{
    EXPECT_EQ(clipboardCells("1,5\t2\t\tx\r\n3\t4\n"),
              (std::vector<std::string>{"1,5", "2", "", "x"}));
    EXPECT_TRUE(clipboardCells("").empty());
    EXPECT_EQ(csvFirstRowCells("1,5;2\n"), (std::vector<std::string>{"1,5", "2"}));
    EXPECT_EQ(csvFirstRowCells("1.5,2,\"a,\"\"b\"\"\"\r\n9"),
              (std::vector<std::string>{"1.5", "2", "a,\"b\""}));
    // A ";" inside quotes does not make it the separator; a quoted line break stays in the cell.
    EXPECT_EQ(csvFirstRowCells("\"x;y\",\"p\r\nq\",3\r\n"),
              (std::vector<std::string>{"x;y", "p\r\nq", "3"}));
    // Without a ";" a tab separates, and a "," is a decimal comma.
    EXPECT_EQ(csvFirstRowCells("\"a;b\"\t1,5\n"), (std::vector<std::string>{"a;b", "1,5"}));
    EXPECT_EQ(csvFirstRowCells("1,5\t2;3\n"), (std::vector<std::string>{"1,5\t2", "3"}));
}

TEST(FirstRowCells, CsvAndOdsFilesGiveTheSameCoefficients)
{
    const auto csv = readFirstRowCells(kFiles / "coefficients.csv");
    const auto ods = readFirstRowCells(kFiles / "coefficients.ods");
    ASSERT_EQ(csv.size(), 10u);
    EXPECT_EQ(csv, ods);
    EXPECT_EQ(csv[0], "5578,552625");
    EXPECT_EQ(csv[9], "-0,001695467225");
    // The same row as a workbook of numbers, as a spreadsheet program saves it.
    const test::TempFolder written;
    std::vector<SpreadsheetCell> row;
    for (int k = 0; k < 10; ++k)
        row.push_back({1, k + 1, csv[static_cast<std::size_t>(k)]});
    writeWorkbook(written.path() / "coefficients.xlsx", row, {});
    EXPECT_EQ(readFirstRowCells(written.path() / "coefficients.xlsx"), csv);
    EXPECT_THROW(readFirstRowCells(kFiles / "missing.xlsx"), SpreadsheetError);
    const test::TempFolder folder;
    folder.write("broken.xlsx", "not a zip");
    EXPECT_THROW(readFirstRowCells(folder.path() / "broken.xlsx"), SpreadsheetError);
    folder.write("cells.txt", "1");
    EXPECT_THROW(readFirstRowCells(folder.path() / "cells.txt"), SpreadsheetError);
}

TEST(CoefficientImport, TenCellsGoToOneSetAndFewerChangeNothing)
{
    auto catalogue = std::make_unique<Catalogue>();
    CompressorRecord compressor;
    compressor.id = "1";
    compressor.coeffSets[1].multiplier = "1000";
    compressor.coeffSets[1].tag = "Pe";
    catalogue->compressors.append(compressor);
    std::vector<std::string> cells(10, "1,5");
    cells[3] = std::string(60, '9');
    const RowEdit edit = importCoefficients(*catalogue, 1, 2, cells);
    ASSERT_TRUE(edit.done);
    const CompressorRecord& r = catalogue->compressors[1];
    EXPECT_EQ(r.coeffSets[1].c[0], "1,5");
    EXPECT_EQ(r.coeffSets[1].c[3].size(), 50u);
    EXPECT_EQ(r.coeffSets[1].multiplier, "1000");
    EXPECT_EQ(r.coeffSets[1].tag, "Pe");
    EXPECT_TRUE(r.coeffSets[0].c[0].empty());
    EXPECT_EQ(edit.step.description, "Pe C0...C9 – sprężarka 1");

    const RowEdit few = importCoefficients(*catalogue, 1, 1, {"1", "2"});
    EXPECT_FALSE(few.done);
    EXPECT_EQ(few.message.rfind(std::string(kNoSpreadsheet) + "\r", 0), 0u) << few.message;
    EXPECT_TRUE(catalogue->compressors[1].coeffSets[0].c[0].empty());
    EXPECT_EQ(importCoefficients(*catalogue, 2, 1, cells).message,
              "Akcja anulowana !\rwiersz 2 jest poza zakresem 1 .. 1");
}

// A part as a zip archive holds it, with the size and CRC its headers declare.
struct ZipPart {
    std::string name, stored;
    uLong crc, size;
};

// head + body x times + tail, deflated. After a full flush the compressed body stands alone, so
// repeating it makes a part of a gigabyte for the cost of one megabyte.
ZipPart deflated(std::string name, std::string_view head, std::string_view body = {}, int times = 0,
                 std::string_view tail = {})
{
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    ZipPart part{std::move(name), "", 0, 0};
    const auto add = [&](std::string_view in, int flush, int copies) {
        std::string out(in.size() + 1024, '\0');
        z.next_in = reinterpret_cast<const Bytef*>(in.data());
        z.avail_in = static_cast<uInt>(in.size());
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = static_cast<uInt>(out.size());
        deflate(&z, flush);
        out.resize(out.size() - z.avail_out);
        const uLong crc =
            crc32(0, reinterpret_cast<const Bytef*>(in.data()), static_cast<uInt>(in.size()));
        for (int k = 0; k < copies; ++k) {
            part.stored += out;
            part.crc = crc32_combine(part.crc, crc, static_cast<z_off_t>(in.size()));
            part.size += in.size();
        }
    };
    add(head, Z_FULL_FLUSH, 1);
    add(body, Z_FULL_FLUSH, times);
    add(tail, Z_FINISH, 1);
    deflateEnd(&z);
    return part;
}

std::string zipOf(const std::vector<ZipPart>& parts)
{
    std::string zip, directory;
    const auto put = [](std::string& out, std::size_t value, int bytes) {
        for (int k = 0; k < bytes; ++k)
            out += static_cast<char>(value >> (8 * k) & 0xFF);
    };
    for (const ZipPart& part : parts) {
        const std::size_t offset = zip.size();
        put(zip, 0x04034b50, 4);
        put(directory, 0x14'02014b50, 6); // and "version made by"
        for (std::string* out : {&zip, &directory}) {
            put(*out, 0x08'0000'0014, 6); // version needed, no flags, deflated
            put(*out, 0, 4);              // time and date
            put(*out, part.crc, 4);
            put(*out, part.stored.size(), 4);
            put(*out, part.size, 4);
            put(*out, part.name.size(), 4); // name and extra field lengths
        }
        put(directory, 0, 6);            // comment length, disk, internal attributes
        put(directory, offset << 32, 8); // external attributes, local header
        directory += part.name;
        zip += part.name + part.stored;
    }
    const std::size_t start = zip.size();
    zip += directory;
    put(zip, 0x06054b50, 8);
    put(zip, parts.size() * 0x10001, 4);
    put(zip, directory.size(), 4);
    put(zip, start, 6);
    return zip;
}

constexpr std::string_view kSheetHead =
    R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)";

// Row 1 with C1 as given and numbers in the other nine cells.
std::string xlsxRow(std::string_view c1)
{
    std::string row = R"(<row r="1">)";
    for (const char column : std::string_view("ABCDEFGHIJ"))
        row += column == 'C' ? std::string(c1)
                             : std::string(R"(<c r=")") + column + R"(1"><v>1.5</v></c>)";
    return row + R"(</row><row r="2"><c r="A2"><v>7</v></c></row></sheetData></worksheet>)";
}

std::string xlsx(const ZipPart& sheet)
{
    const auto rels = [](std::string name, const std::string& list) {
        return deflated(
            std::move(name),
            R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)" +
                list + "</Relationships>");
    };
    const std::string type =
        R"(<Relationship Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/)";
    return zipOf(
        {rels("_rels/.rels", type + R"(officeDocument" Id="rId1" Target="xl/workbook.xml"/>)"),
         deflated(
             "xl/workbook.xml",
             R"(<workbook xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="A" sheetId="1" r:id="rId1"/></sheets></workbook>)"),
         rels("xl/_rels/workbook.xml.rels",
              type + R"(worksheet" Id="rId1" Target="worksheets/sheet1.xml"/>)" + type +
                  R"(sharedStrings" Id="rId2" Target="/xl/sharedStrings.xml"/>)"),
         deflated("xl/sharedStrings.xml",
                  "<sst><si><t>12abc</t></si><si><r><t>1</t></r><r><t>\n2</t></r></si></sst>"),
         sheet});
}

std::string xlsx(std::string_view c1)
{
    return xlsx(deflated("xl/worksheets/sheet1.xml", std::string(kSheetHead) + xlsxRow(c1)));
}

std::string ods(std::string_view c1)
{
    const std::string number = R"(office:value-type="float" office:value="1.5"/>)";
    return zipOf({deflated(
        "content.xml",
        R"(<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet><table:table><table:table-column/><table:table-row><table:table-cell table:number-columns-repeated="2" )" +
            number + std::string(c1) + R"(<table:table-cell table:number-columns-repeated="9" )" +
            number +
            "</table:table-row></table:table></office:spreadsheet></office:body></"
            "office:document-content>")});
}

// Whatever the source and whatever stands in C1, the coefficients are taken only when all ten
// are numbers; otherwise the one line after kNoSpreadsheet names the cell or says why the file
// cannot be read, and no library prints a word.
TEST(CoefficientImport, TenNumbersOrNothingFromEveryKindOfFile)
{
    const auto peakMemoryKb = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    };
    const long memoryBefore = peakMemoryKb();
    // A sheet part of a gigabyte, declared as it is, and declared as 4 kB.
    ZipPart giant = deflated("xl/worksheets/sheet1.xml", kSheetHead, std::string(kMegabyte, ' '),
                             1024, xlsxRow(R"(<c r="C1"><v>3</v></c>)"));
    const std::string truthful = xlsx(giant);
    giant.size = 4096;
    const std::string unreadable = " nie jest arkuszem, który program umie odczytać: ";
    struct Case {
        const char* file;
        std::string content;
        bool taken;
        std::string expected; // the coefficient taken, or words of the refusal
    };
    const Case cases[] = {
        {"exact.xlsx", xlsx(R"(<c r="C1"><v>0.30000000000000004</v></c>)"), true,
         "0,30000000000000004"},
        {"inline.xlsx", xlsx(R"(<c r="C1" t="inlineStr"><is><t>12,5</t></is></c>)"), true, "12,5"},
        {"beyond.xlsx", xlsx(R"(<c r="C1"><v>1e400</v></c>)"), false,
         "komórka C1 (C2) nie jest liczbą: 1e400"},
        {"letters.xlsx", xlsx(R"(<c r="C1"><v>12abc</v></c>)"), false,
         "komórka C1 (C2) nie jest liczbą: 12abc"},
        {"truth.xlsx", xlsx(R"(<c r="C1" t="b"><v>1</v></c>)"), false,
         "komórka C1 (C2) nie jest liczbą: PRAWDA"},
        {"lines.xlsx", xlsx(R"(<c r="C1" t="s"><v>1</v></c>)"), false,
         "komórka C1 (C2) ma więcej niż jeden wiersz"},
        {"error.xlsx", xlsx(R"(<c r="C1" t="e"><f>1/0</f><v>#DIV/0!</v></c>)"), false,
         "komórka C1 (C2) nie jest liczbą: #DIV/0!"},
        {"missing.xlsx", xlsx(""), false, "komórka C1 jest pusta (C2)"},
        {"index.xlsx", xlsx(R"(<c r="C1" t="s"><v>9</v></c>)"), false,
         "index.xlsx" + unreadable + "komórka C1 wskazuje tekst, którego nie ma"},
        {"malformed.xlsx", xlsx(R"(<c r="C1"><v>1</c>)"), false,
         "malformed.xlsx" + unreadable + "część xl/worksheets/sheet1.xml nie jest poprawnym XML"},
        {"giant.xlsx", truthful, false,
         "giant.xlsx" + unreadable +
             "część xl/worksheets/sheet1.xml ma po rozpakowaniu ponad 64 MB"},
        {"lying.xlsx", xlsx(giant), false,
         "lying.xlsx" + unreadable + "część xl/worksheets/sheet1.xml jest uszkodzona"},
        {"text.ods",
         ods(R"(<table:table-cell office:value-type="string"><office:annotation><text:p>7</text:p></office:annotation><text:p>-2,<text:span>5</text:span></text:p></table:table-cell>)"),
         true, "-2,5"},
        {"valueless.ods",
         ods(R"(<table:table-cell office:value-type="float"><text:p>7</text:p></table:table-cell>)"),
         false, "komórka C1 jest pusta (C2)"},
        {"letters.ods",
         ods(R"(<table:table-cell office:value-type="float" office:value="12abc"/>)"), false,
         "komórka C1 (C2) nie jest liczbą: 12abc"},
        {"paragraphs.ods",
         ods(R"(<table:table-cell office:value-type="string"><text:p>1</text:p><text:p>2</text:p></table:table-cell>)"),
         false, "komórka C1 (C2) ma więcej niż jeden wiersz"},
        {"tabs.csv", "1\t2\t-2,5\t4\t5\t6\t7\t8\t9\t10\r\n", true, "-2,5"},
        {"quoted.csv", "1;2;\"3\n4\";4;5;6;7;8;9;10\n", false,
         "komórka C1 (C2) ma więcej niż jeden wiersz"},
    };
    const test::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        auto catalogue = std::make_unique<Catalogue>();
        CompressorRecord compressor;
        compressor.coeffSets[0].c[2] = "old";
        catalogue->compressors.append(compressor);
        folder.write(c.file, c.content);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const RowEdit edit = importCoefficientsFromFile(*catalogue, 1, 1, folder.path() / c.file);
        EXPECT_EQ(testing::internal::GetCapturedStdout() + testing::internal::GetCapturedStderr(),
                  "");
        EXPECT_EQ(edit.done, c.taken) << edit.message;
        EXPECT_EQ(catalogue->compressors[1].coeffSets[0].c[2].view(), c.taken ? c.expected : "old");
        if (!c.taken) {
            EXPECT_EQ(edit.message.find(std::string(kNoSpreadsheet) + "\r"), 0u) << edit.message;
            EXPECT_NE(edit.message.find(c.expected), std::string::npos) << edit.message;
            EXPECT_EQ(edit.message.find('\n'), std::string::npos) << edit.message;
            EXPECT_EQ(edit.message.find('\r'), edit.message.rfind('\r')) << edit.message;
        }
    }
    EXPECT_LT(peakMemoryKb() - memoryBefore, 256 * 1024) << "kB more at the peak";
}

} // namespace
} // namespace kelvo
