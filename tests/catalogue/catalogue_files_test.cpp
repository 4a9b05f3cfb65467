#include "core/catalogue/catalogue_files.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>

#include "core/catalogue/record_layouts.h"
#include "core/io/file_io.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

using test::TempFolder;

std::string header(int count, const char* first = "?")
{
    return std::string(first) + "\r\n" + std::to_string(count) + "\r\n?\r\n?\r\n?\r\n?\r\n";
}

std::string lines(int n, const std::string& text = "x")
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += text + "\r\n";
    return out;
}

// A frame record: 14 field lines and 7 skipped ones.
std::string frameLines(const std::string& id, const std::string& name)
{
    return id + "\r\n" + lines(8, "100") + "RAMA\r\n" + name + "\r\nBASE\r\n0\r\n12\r\n" +
           lines(7, "label");
}

void writeEmptyCatalogue(const TempFolder& folder)
{
    folder.write(kCompressorFile, header(0));
    folder.write(kCondenserFile, header(0, "2"));
    folder.write(kUnitFile, header(0));
    folder.write(kFrameFile, header(0));
}

TEST(CatalogueFiles, ReadsFieldsFlagsAndSkippedLinesByLayout)
{
    TempFolder folder;
    writeEmptyCatalogue(folder);
    // Unit: fields by position, a flag line "TRUE", one "true", one "TRUE " and a cut field.
    std::string unit = lines(2, "label") +
                       "AGR-1\r\nBASE\r\nSB\r\nMIDTEMP\r\n-25\r\n12,5\r\n?\r\n" +
                       "R404A-and-much-more-than-twenty\r\n" + lines(75 - 10, "x");
    folder.write(kUnitFile, header(1) + unit);
    auto catalogue = std::make_unique<Catalogue>();
    loadCatalogue(*catalogue, folder.path());
    const auto& u = catalogue->units[1];
    EXPECT_EQ(catalogue->units.count(), 1);
    EXPECT_EQ(u.name, "AGR-1");
    EXPECT_EQ(u.toMax, "12,5");
    EXPECT_EQ(u.refrigerant, "R404A-and-much-more-"); // cut to 20 bytes
    EXPECT_EQ(u.mass, "");                            // file cut short: empty fields
    EXPECT_FALSE(u.superheatMode);
}

TEST(CatalogueFiles, BooleanLinesAreTrueOnlyForExactTRUE)
{
    TempFolder folder;
    writeEmptyCatalogue(folder);
    std::string unit = lines(38, "x");
    unit += "TRUE\r\ntrue\r\nTRUE \r\nFALSE\r\n\r\nTRUE\r\nTRUE\n"; // LF-only line too
    unit += lines(84 - 45, "x");
    folder.write(kUnitFile, header(1) + unit);
    auto catalogue = std::make_unique<Catalogue>();
    loadCatalogue(*catalogue, folder.path());
    const auto& flags = catalogue->units[1].baseAccessories;
    EXPECT_EQ((std::array<bool, 7>{true, false, false, false, false, true, true}), flags);
}

TEST(CatalogueFiles, SaveThenLoadGivesBackTheRecordsAndNormalisesSkippedLines)
{
    TempFolder folder;
    writeEmptyCatalogue(folder);
    folder.write(kFrameFile, header(2, "anything") + frameLines("1", "Rama A") +
                                 frameLines("2", "Rama \xA3\xF3\x64\xBC") + "trailing\r\n");
    auto catalogue = std::make_unique<Catalogue>();
    loadCatalogue(*catalogue, folder.path());
    ASSERT_EQ(catalogue->frames.count(), 2);
    EXPECT_EQ(catalogue->frames[2].name, "Rama \xA3\xF3\x64\xBC"); // Windows-1250 bytes kept

    catalogue->compressors.setCount(1);
    auto& compressor = catalogue->compressors.at(1);
    compressor.id = "7";
    compressor.coeffSets[1].c[9] = "1,5e-3";
    compressor.envelopes[1].tk[9] = "55";
    compressor.superheatMode = true;
    compressor.subcooling = "2";
    catalogue->condensers.setCount(1);
    catalogue->condensers.at(1).note = "note";
    catalogue->condensers.at(1).height = "500";
    saveCatalogue(*catalogue, folder.path());

    const std::string frames = folder.read(kFrameFile);
    EXPECT_EQ(frames.substr(0, 18), "?\r\n2\r\n?\r\n?\r\n?\r\n?\r\n");
    EXPECT_EQ(frames.find("label"), std::string::npos);
    EXPECT_EQ(frames.find("trailing"), std::string::npos);
    EXPECT_EQ(folder.read(kCondenserFile).substr(0, 3), "2\r\n");
    EXPECT_EQ(std::count(frames.begin(), frames.end(), '\n'), 6 + 2 * kFrameLines);
    const std::string compressors = folder.read(kCompressorFile);
    EXPECT_EQ(std::count(compressors.begin(), compressors.end(), '\n'), 6 + kCompressorLines);

    auto reloaded = std::make_unique<Catalogue>();
    loadCatalogue(*reloaded, folder.path());
    EXPECT_EQ(reloaded->frames[2].name, catalogue->frames[2].name);
    EXPECT_EQ(reloaded->compressors[1].coeffSets[1].c[9], "1,5e-3");
    EXPECT_EQ(reloaded->compressors[1].envelopes[1].tk[9], "55");
    EXPECT_TRUE(reloaded->compressors[1].superheatMode);
    EXPECT_EQ(reloaded->compressors[1].subcooling, "2");
    EXPECT_EQ(reloaded->condensers[1].height, "500");
    EXPECT_EQ(reloaded->condensers[1].note, "note");
}

TEST(CatalogueFiles, BadCountsAreRefusedAndLeaveTheTableAsItWas)
{
    TempFolder folder;
    writeEmptyCatalogue(folder);
    folder.write(kFrameFile, header(1) + frameLines("1", "kept"));
    auto catalogue = std::make_unique<Catalogue>();
    loadCatalogue(*catalogue, folder.path());
    ASSERT_EQ(catalogue->frames.count(), 1);

    const auto expectRefused = [&](const std::string& content, const std::string& reason) {
        folder.write(kFrameFile, content);
        try {
            loadFrames(*catalogue, folder.path());
            ADD_FAILURE() << "accepted " << content.substr(0, 20);
        } catch (const CatalogueFileError& error) {
            EXPECT_EQ(error.fileName(), kFrameFile);
            EXPECT_EQ(error.reason(), reason);
        }
        EXPECT_EQ(catalogue->frames.count(), 1);
        EXPECT_EQ(catalogue->frames[1].name, "kept");
    };
    expectRefused("?\r\n1x\r\n", "''1x'' is not a valid integer value");
    expectRefused(header(101), "the file announces 101 records; the table holds 0 to 100");
    expectRefused(header(-1), "the file announces -1 records; the table holds 0 to 100");
    // A count line of megabytes, or of terminal control bytes, is quoted cut and escaped.
    expectRefused("?\r\n" + std::string(100'000, '7') + "x\r\n",
                  "''" + std::string(60, '7') + "…'' is not a valid integer value");
    expectRefused("?\r\n" + std::string(10'000'000, '7') + "x\r\n", "line 2 is longer than 1 MB");
    expectRefused("?\r\n\x1b[2J\x07\r\n", "''\\x1B[2J\\x07'' is not a valid integer value");

    folder.write(kFrameFile, header(100) + frameLines("1", "first")); // 100 fits, cut short
    loadFrames(*catalogue, folder.path());
    EXPECT_EQ(catalogue->frames.count(), 100);
    EXPECT_EQ(catalogue->frames[100].id, "");
}

TEST(CatalogueFiles, AFileCutShortLoadsAndLeavesOneNoteNamingItsPathAndCounts)
{
    TempFolder folder;
    writeEmptyCatalogue(folder);
    const std::string twoFrames = frameLines("1", "one") + frameLines("2", "two");
    // The third record stops within its dimensions.
    folder.write(kFrameFile, header(3) + twoFrames + frameLines("3", "three").substr(0, 40));
    auto catalogue = std::make_unique<Catalogue>();
    loadCatalogue(*catalogue, folder.path());
    EXPECT_EQ(catalogue->frames.count(), 3);
    EXPECT_EQ(catalogue->frames[2].name, "two");
    EXPECT_EQ(catalogue->frames[3].id, "3");
    const std::string note = std::filesystem::absolute(folder.path() / kFrameFile).string() +
                             ": announces 3 records, holds 2 complete";
    EXPECT_EQ(catalogue->loadNotes, std::vector<std::string>{note});

    // Once per load, whether the whole catalogue or only that file is loaded again.
    loadCatalogue(*catalogue, folder.path());
    loadFrames(*catalogue, folder.path());
    EXPECT_EQ(catalogue->loadNotes, std::vector<std::string>{note});

    // A count beyond every line, and a last record without its final line break, are told
    // apart from a complete file.
    folder.write(kUnitFile, header(2));
    std::string three = twoFrames + frameLines("3", "three");
    three.resize(three.size() - 2);
    folder.write(kFrameFile, header(3) + three);
    loadCatalogue(*catalogue, folder.path());
    ASSERT_EQ(catalogue->loadNotes.size(), 1U);
    EXPECT_NE(catalogue->loadNotes[0].find("Agregaty.txt: announces 2 records, holds 0 complete"),
              std::string::npos)
        << catalogue->loadNotes[0];

    writeEmptyCatalogue(folder);
    loadCatalogue(*catalogue, folder.path());
    EXPECT_TRUE(catalogue->loadNotes.empty());
}

TEST(CatalogueFiles, AFailingFileStopsTheLoadAndNamesTheFile)
{
    TempFolder folder;
    writeEmptyCatalogue(folder);
    folder.write(kCompressorFile, header(1) + lines(117, "c"));
    std::filesystem::remove(folder.path() / kUnitFile);
    folder.write(kFrameFile, header(1) + frameLines("1", "not read"));
    auto catalogue = std::make_unique<Catalogue>();
    try {
        loadCatalogue(*catalogue, folder.path());
        FAIL() << "missing file accepted";
    } catch (const CatalogueFileError& error) {
        EXPECT_EQ(error.fileName(), kUnitFile);
        EXPECT_EQ(error.path(), std::filesystem::absolute(folder.path() / kUnitFile));
        EXPECT_EQ(error.reason(), "File not found");
        EXPECT_EQ(std::string(error.what()), error.path().string() + ": File not found");
    }
    EXPECT_EQ(catalogue->compressors.count(), 1); // read before the failure
    EXPECT_EQ(catalogue->frames.count(), 0);      // not read after it
}

TEST(CatalogueFiles, OnlyRegularFilesOfSaneSizeAreRead)
{
    const test::TempFolder folder;
    const auto refused = [&](const std::string& reason) {
        auto catalogue = std::make_unique<Catalogue>();
        try {
            loadFrames(*catalogue, folder.path());
            ADD_FAILURE() << "accepted: " << reason;
        } catch (const CatalogueFileError& error) {
            EXPECT_EQ(error.reason(), reason);
            EXPECT_EQ(error.path(), folder.path() / kFrameFile);
        }
    };
    const auto frames = folder.path() / kFrameFile;
    // A named pipe without a writer would block open() for ever.
    ASSERT_EQ(mkfifo(frames.c_str(), 0600), 0);
    refused("is a named pipe");
    std::filesystem::remove(frames);
    // A device that never ends would make memory grow until the process dies.
    std::filesystem::create_symlink("/dev/zero", frames);
    refused("is a device");
    std::filesystem::remove(frames);
    std::filesystem::create_directory(frames);
    refused("is a folder");
    std::filesystem::remove(frames);
    {
        std::ofstream big(frames, std::ios::binary);
        big.seekp(static_cast<std::streamoff>(kCatalogueFileLimit));
        big.put('\n');
    }
    refused("is larger than 64 MB");
}

TEST(CatalogueFiles, AFailedSaveChangesNoFileAndNamesTheOneInTheWay)
{
    TempFolder folder;
    writeEmptyCatalogue(folder);
    folder.write(kFrameFile, header(1) + frameLines("1", "old"));
    auto catalogue = std::make_unique<Catalogue>();
    loadCatalogue(*catalogue, folder.path());
    const std::string oldUnits = folder.read(kUnitFile);
    const std::string oldFrames = folder.read(kFrameFile);

    catalogue->units.setCount(1);
    catalogue->units.at(1).name = "NEW";
    catalogue->frames.at(1).name = "new";
    // The units' previous version cannot be kept: a folder stands where it goes.
    std::filesystem::create_directory(folder.path() / (std::string(kUnitFile) + ".bak"));
    try {
        saveCatalogue(*catalogue, folder.path());
        FAIL() << "save reported success";
    } catch (const CatalogueFileError& error) {
        EXPECT_EQ(error.fileName(), kUnitFile);
        EXPECT_EQ(error.reason(), "cannot keep the previous version as Agregaty.txt.bak: "
                                  "Agregaty.txt.bak is a folder");
    }
    EXPECT_EQ(folder.read(kUnitFile), oldUnits);
    EXPECT_EQ(folder.read(kFrameFile), oldFrames); // saved together with the units, or not at all

    std::filesystem::remove(folder.path() / (std::string(kUnitFile) + ".bak"));
    saveCatalogue(*catalogue, folder.path());
    auto reloaded = std::make_unique<Catalogue>();
    loadCatalogue(*reloaded, folder.path());
    EXPECT_EQ(reloaded->units[1].name, "NEW");
    EXPECT_EQ(reloaded->frames[1].name, "new");
    EXPECT_EQ(folder.read(std::string(kFrameFile) + ".bak"), oldFrames);
}

} // namespace
} // namespace kelvo
