#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "core/editor/consistency_checks.h"

namespace kelvo
{
namespace
{

std::vector<std::string> texts(const std::vector<CheckLine>& lines)
{
    std::vector<std::string> out;
    for (const CheckLine& line : lines)
        out.push_back(line.text);
    return out;
}

// One compressor, one condenser and units built on them, all consistent.
class Checks : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        CompressorRecord compressor;
        compressor.id = "1";
        compressor.model = "ZB21";
        compressor.refrigerant = "R404A";
        compressor.manufacturer = "Copeland";
        c.compressors.append(compressor);
        CondenserRecord condenser;
        condenser.id = "1";
        condenser.model = "SKR";
        condenser.refrigerant = "R404A";
        c.condensers.append(condenser);
        c.units.append(consistentUnit());
        c.units.append(consistentUnit());
    }

    static CondensingUnitRecord consistentUnit()
    {
        CondensingUnitRecord unit;
        unit.name = "AGO-1";
        unit.housing = "BASE";
        unit.refrigerant = "R404A";
        unit.compressorId = "1";
        unit.compressorModel = "ZB21";
        unit.condenserId = "1";
        unit.condenserModel = "SKR";
        unit.toMin = "-10.5";
        unit.toMax = "5";
        return unit;
    }

    std::unique_ptr<Catalogue> owned = std::make_unique<Catalogue>();
    Catalogue& c = *owned;
};

TEST_F(Checks, AConsistentCatalogueListsNothing)
{
    EXPECT_TRUE(checkUnits(c, RefrigerantRegistry::builtIn()).empty());
    EXPECT_TRUE(checkCompressors(c, RefrigerantRegistry::builtIn()).empty());
    EXPECT_TRUE(checkCondensers(c, RefrigerantRegistry::builtIn()).empty());
}

TEST_F(Checks, UnitBlocksAreNumberedAcrossTheCheckAndNameTheUnitRow)
{
    c.units.at(2).housing = "Box";
    EXPECT_EQ(texts(checkUnits(c, RefrigerantRegistry::builtIn())),
              (std::vector<std::string>{"", "Błąd nr: 1", "Agregaty - nr wiersza: 2",
                                        "Nieznana postać agregatu !",
                                        "Dopuszczalne postacie agregatu: BASE, BOX"}));
    c.units.at(2).toMin = "minus";
    const auto lines = checkUnits(c, RefrigerantRegistry::builtIn());
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[5].text, "");
    EXPECT_EQ(lines[6].text, "Błąd nr: 2");
    EXPECT_EQ(lines[7].text, "Agregaty - nr wiersza: 2");
    EXPECT_EQ(lines[8].text, "T min !!!");
    EXPECT_EQ(lines[8].table, EditorGrid::Units);
    EXPECT_EQ(lines[8].index, 2);
}

TEST_F(Checks, ABrokenLinkComparesTheEmptyRecordAtRowZero)
{
    c.units.at(1).compressorId = "0";
    const auto lines = checkUnits(c, RefrigerantRegistry::builtIn());
    EXPECT_EQ(texts(lines),
              (std::vector<std::string>{
                  "", "Błąd nr: 1", "Agregaty - nr wiersza: 1", "Spreżarki - nr wiersza: 0",
                  "Różne nazwy sprężarek !", "", "Błąd nr: 2", "Agregaty - nr wiersza: 1",
                  "Spreżarki - nr wiersza: 0", "Różne czynniki chłodnicze !"}));
    EXPECT_EQ(lines[3].table, EditorGrid::Compressors);
    // A condenser model longer than the unit's copy never matches it.
    c.units.at(1) = consistentUnit();
    c.condensers.at(1).model = std::string(25, 'k');
    c.units.at(1).condenserModel = c.condensers[1].model;
    EXPECT_EQ(checkUnits(c, RefrigerantRegistry::builtIn())[4].text, "Różne nazwy skraplaczy !");
}

TEST_F(Checks, CompressorsListTheProducerBeforeTheRefrigerant)
{
    c.compressors.at(1).manufacturer = "copeland";
    c.compressors.at(1).refrigerant = "R410A";
    c.condensers.at(1).refrigerant = "";
    EXPECT_EQ(texts(checkCompressors(c, RefrigerantRegistry::builtIn())),
              (std::vector<std::string>{
                  "Nr wiersza: 1 - nieznany producent sprężarki, dopuszczalni producenci: "
                  "Copeland, Frascold, Maneurop",
                  "Nr wiersza: 1 - nieznany czynnik chłodniczy, dopuszczalne czynniki "
                  "chłodnicze: R404A, R407C, R22, R134a"}));
    EXPECT_EQ(texts(checkCondensers(c, RefrigerantRegistry::builtIn())),
              (std::vector<std::string>{"Nr wiersza: 1 - nieznany czynnik chłodniczy, "
                                        "dopuszczalne czynniki chłodnicze: R404A, R407C, R22, "
                                        "R134a"}));
}

} // namespace
} // namespace kelvo
