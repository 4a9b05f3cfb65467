#include <gtest/gtest.h>
#include <memory>

#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/lookups.h"
#include "core/text/code_page.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

TEST(SampleCatalogue, LoadsWithItsCountsAndLinks)
{
    auto catalogue = std::make_unique<Catalogue>();
    loadCatalogue(*catalogue, test::sampleDataFolder());
    const auto& c = *catalogue;
    EXPECT_EQ(c.compressors.count(), 80);
    EXPECT_EQ(c.condensers.count(), 168);
    EXPECT_EQ(c.units.count(), 255);
    EXPECT_EQ(c.frames.count(), 12);

    const auto& unit = c.units[1];
    EXPECT_EQ(unit.name, "AGP-KS041M-SB");
    EXPECT_EQ(unit.housing, "BASE");
    EXPECT_EQ(unit.version, "SB");
    EXPECT_EQ(unit.toMin, "-25");
    EXPECT_EQ(unit.toMax, "12,5");
    EXPECT_EQ(unit.refrigerant, "R404A");
    EXPECT_EQ(unit.receiverVolume, "1,8");
    EXPECT_EQ(unit.compressorModel, "KS-041M");
    for (int u = 1; u <= c.units.count(); ++u) {
        const int compressor = findCompressorOfUnit(c, u);
        ASSERT_GT(compressor, 0) << "unit " << u;
        ASSERT_GT(findCondenserOfUnit(c, u), 0) << "unit " << u;
        ASSERT_GT(findFrameOfUnit(c, u), 0) << "unit " << u;
        EXPECT_EQ(c.compressors[compressor].refrigerant.view(), c.units[u].refrigerant.view());
    }
}

TEST(SampleCatalogue, SavingAnUnchangedCatalogueKeepsItsRecords)
{
    test::TempFolder folder;
    auto catalogue = std::make_unique<Catalogue>();
    loadCatalogue(*catalogue, test::sampleDataFolder());
    saveCatalogue(*catalogue, folder.path());
    auto reloaded = std::make_unique<Catalogue>();
    loadCatalogue(*reloaded, folder.path());
    // Saved again unchanged, no file is rewritten.
    EXPECT_TRUE(saveCatalogue(*reloaded, folder.path()).written.empty());
    EXPECT_EQ(reloaded->compressors[48].coeffSets[0].c[9].view(),
              catalogue->compressors[48].coeffSets[0].c[9].view());
}

} // namespace
} // namespace kelvo
