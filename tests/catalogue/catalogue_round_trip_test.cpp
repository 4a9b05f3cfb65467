#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <vector>

#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/record_layouts.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

// Fills every field with random bytes of a random length up to the field's width, from an
// alphabet with Polish letters in Windows-1250 and the characters a catalogue file uses
// around numbers; CR and LF end lines and cannot be stored.
class RandomFiller
{
  public:
    explicit RandomFiller(std::mt19937& random) : random_(random) {}
    template <std::size_t N> void field(FixedText<N>& text)
    {
        static const std::string alphabet =
            "abcXYZ0123456789 .,;-+?\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3"
            "\x8C\x8F\xAF";
        std::uniform_int_distribution<std::size_t> length(0, N);
        std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
        std::string value(length(random_), ' ');
        for (char& c : value)
            c = alphabet[pick(random_)];
        text = value;
    }
    void flag(bool& value) { value = random_() % 2 == 0; }
    void skip(int) {}

  private:
    std::mt19937& random_;
};

// Collects every field and flag of a record as text, in file order.
class Collector
{
  public:
    template <std::size_t N> void field(FixedText<N>& text) { values.push_back(text.str()); }
    void flag(bool& value) { values.push_back(value ? "1" : "0"); }
    void skip(int) {}
    std::vector<std::string> values;
};

template <class Table> void fill(Table& table, int count, std::mt19937& random)
{
    RandomFiller filler(random);
    table.setCount(count);
    for (int i = 1; i <= count; ++i)
        visitLines(table.at(i), filler);
}

template <class Table> std::vector<std::string> contents(const Table& table)
{
    Collector collector;
    for (int i = 1; i <= table.count(); ++i) {
        auto record = table[i];
        visitLines(record, collector);
    }
    return collector.values;
}

void expectSameRecords(const Catalogue& a, const Catalogue& b)
{
    EXPECT_EQ(contents(a.compressors), contents(b.compressors));
    EXPECT_EQ(contents(a.condensers), contents(b.condensers));
    EXPECT_EQ(contents(a.units), contents(b.units));
    EXPECT_EQ(contents(a.frames), contents(b.frames));
}

TEST(CatalogueRoundTrip, RandomTextsOfEveryWidthSurviveSaveAndLoad)
{
    std::mt19937 random(20261208);
    auto catalogue = std::make_unique<Catalogue>();
    fill(catalogue->compressors, 40, random);
    fill(catalogue->condensers, 60, random);
    fill(catalogue->units, 800, random); // a full table
    fill(catalogue->frames, 100, random);

    test::TempFolder folder;
    saveCatalogue(*catalogue, folder.path());
    auto reloaded = std::make_unique<Catalogue>();
    loadCatalogue(*reloaded, folder.path());
    expectSameRecords(*catalogue, *reloaded);

    test::TempFolder second;
    saveCatalogue(*reloaded, second.path());
    for (const char* file : {kCompressorFile, kCondenserFile, kUnitFile, kFrameFile})
        EXPECT_EQ(folder.read(file), second.read(file)) << file;
}

TEST(CatalogueRoundTrip, TheSampleCatalogueSurvivesSaveAndLoad)
{
    auto catalogue = std::make_unique<Catalogue>();
    loadCatalogue(*catalogue, test::sampleDataFolder());
    test::TempFolder folder;
    saveCatalogue(*catalogue, folder.path());
    auto reloaded = std::make_unique<Catalogue>();
    loadCatalogue(*reloaded, folder.path());
    expectSameRecords(*catalogue, *reloaded);
}

TEST(CatalogueRoundTrip, ACountAboveTheCapacityIsRefusedForEveryTable)
{
    test::TempFolder folder;
    const auto header = [](int count) {
        return "?\r\n" + std::to_string(count) + "\r\n?\r\n?\r\n?\r\n?\r\n";
    };
    folder.write(kCompressorFile, header(801));
    auto catalogue = std::make_unique<Catalogue>();
    try {
        loadCompressors(*catalogue, folder.path());
        FAIL() << "801 compressors accepted";
    } catch (const CatalogueFileError& error) {
        EXPECT_EQ(error.fileName(), kCompressorFile);
        EXPECT_NE(error.reason().find("801"), std::string::npos);
        EXPECT_NE(error.reason().find("800"), std::string::npos);
    }
    EXPECT_EQ(catalogue->compressors.count(), 0);
    folder.write(kUnitFile, header(800));
    EXPECT_NO_THROW(loadUnits(*catalogue, folder.path()));
    EXPECT_EQ(catalogue->units.count(), 800);
}

} // namespace
} // namespace kelvo
