#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "core/catalogue/catalogue_files.h"
#include "core/editor/data_checks.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

// A compressor whose ten-coefficient polynomials are the constants qo and pe (in W).
CompressorRecord constantCompressor(const std::string& id, const std::string& qo,
                                    const std::string& pe)
{
    CompressorRecord r;
    r.id = id;
    for (int k = 0; k < 10; ++k) {
        r.coeffSets[0].c[static_cast<std::size_t>(k)] = k == 0 ? qo : "0";
        r.coeffSets[1].c[static_cast<std::size_t>(k)] = k == 0 ? pe : "0";
    }
    const char* to[] = {"-20", "-20", "5", "5"};
    const char* tk[] = {"25", "50", "50", "25"};
    for (std::size_t p = 0; p < 4; ++p) {
        r.envelopes[0].to[p] = to[p];
        r.envelopes[0].tk[p] = tk[p];
    }
    return r;
}

std::string joined(const std::vector<CheckLine>& lines)
{
    std::string all;
    for (const CheckLine& line : lines)
        all += line.text + "\n";
    return all;
}

TEST(DataChecks, EachFindingIsOneLineNamingTableRowAndValue)
{
    auto c = std::make_unique<Catalogue>();
    c->compressors.append(constantCompressor("1", "5000", "2000")); // sound
    c->compressors.append(constantCompressor("1", "5000", "5000")); // same id, Pe == Qo
    c->compressors.append(constantCompressor("3", "-10", "2000"));  // negative capacity
    c->compressors.append(constantCompressor("4", "5000", "100"));  // COP 50
    c->compressors.at(1).coeffSets[1].multiplier = "x";
    CondenserRecord condenser;
    condenser.id = "1";
    condenser.dt1 = "10";
    condenser.qk1 = "-1";
    condenser.dt2 = "20";
    condenser.qk2 = "-2";
    c->condensers.append(condenser);
    CondensingUnitRecord unit;
    unit.compressorId = "1";
    unit.condenserId = "9";
    unit.frameId = "0"; // not linked: no finding
    unit.toMin = "-30";
    unit.toMax = "0";
    c->units.append(unit);

    const auto lines = checkData(*c);
    const std::string all = joined(lines);
    EXPECT_NE(all.find("Sprężarki: wiersz 2 ma ten sam identyfikator \"1\" co wiersz 1"),
              std::string::npos)
        << all;
    EXPECT_NE(all.find("Agregaty: wiersz 1 – skraplacz o identyfikatorze \"9\" nie istnieje"),
              std::string::npos)
        << all;
    EXPECT_EQ(all.find("rama o identyfikatorze"), std::string::npos) << all;
    EXPECT_NE(all.find("Agregaty: wiersz 1 – zakres to -30 .. 0 wychodzi poza kopertę 1 "
                       "sprężarki z wiersza 1 (-20 .. 5)"),
              std::string::npos)
        << all;
    EXPECT_NE(all.find("Sprężarki: wiersz 1 – mnożnik Pe \"x\" nie jest liczbą"), std::string::npos)
        << all;
    EXPECT_NE(all.find("Sprężarki: wiersz 2 – współczynniki Pe są takie same"), std::string::npos)
        << all;
    EXPECT_NE(all.find("Sprężarki: wiersz 3 – Qo = -0,01 kW, Pe = 2 kW w punkcie 1 koperty 1 "
                       "(to -20, tk 25)"),
              std::string::npos)
        << all;
    EXPECT_NE(all.find("Sprężarki: wiersz 4 – COP = 50 w punkcie 1"), std::string::npos) << all;
    EXPECT_NE(all.find("Skraplacze: wiersz 1 – dwa punkty dają Qk15 = -1,5 kW"), std::string::npos)
        << all;
    // Compressor 1 itself is sound apart from its multiplier.
    EXPECT_EQ(all.find("Sprężarki: wiersz 1 – Qo"), std::string::npos) << all;
    EXPECT_EQ(all.find("Sprężarki: wiersz 1 – COP"), std::string::npos) << all;
    for (const CheckLine& line : lines)
        EXPECT_GT(line.index, 0) << line.text;
}

TEST(DataChecks, TheShippedCatalogueIsCheckedWithoutChangingIt)
{
    auto c = std::make_unique<Catalogue>();
    loadCatalogue(*c, test::sampleDataFolder());
    const std::size_t before = catalogueFingerprint(*c);
    checkData(*c);
    EXPECT_EQ(catalogueFingerprint(*c), before);
}

TEST(DataChecks, EveryFieldReadAsANumberIsNamedWhenItWouldNotConvert)
{
    auto sample = std::make_unique<Catalogue>();
    loadCatalogue(*sample, test::sampleDataFolder());
    const auto before = checkData(*sample);
    EXPECT_EQ(joined(before).find("pole „"), std::string::npos) << "the sample is clean";
    const std::string compressor = "Sprężarki: wiersz 1 (KS-041M) – pole „";
    const std::string needed = "” jest puste, a obliczenia potrzebują liczby";
    struct Case {
        std::function<void(Catalogue&)> spoil;
        std::string expected; // the one new line naming a field; empty for none
    };
    const Case cases[] = {
        {[](Catalogue& c) { c.compressors.at(1).coeffSets[0].c[7] = "1,2,3"; },
         compressor + "Współczynniki - Qo: C7”: \"1,2,3\" nie jest liczbą"},
        {[](Catalogue& c) { c.compressors.at(1).envelopes[1].tk[9] = "x"; },
         compressor + "Koperta pracy 2: tk 10”: \"x\" nie jest liczbą"},
        {[](Catalogue& c) { c.compressors.at(1).suctionTemperature = ""; },
         compressor + "Na ssaniu sprężarki: Temperatura na ssaniu sprężarki" + needed},
        {[](Catalogue& c) { c.compressors.at(1).superheat = ""; }, ""}, // not the one in use
        {[](Catalogue& c) { c.condensers.at(3).mass = "abc"; },
         "Skraplacze: wiersz 3 (SKR-041-R404A) – pole „Masa”: \"abc\" nie jest liczbą"},
        {[](Catalogue& c) { c.condensers.at(3).fanPower = ""; }, ""},
        {[](Catalogue& c) { c.units.at(1).condenserCount = ""; },
         "Agregaty: wiersz 1 (AGP-KS041M-SB) – pole „Skraplacz: Ilość" + needed},
        {[](Catalogue& c) { c.units.at(1).dimensions.c = "12 mm"; },
         "Agregaty: wiersz 1 (AGP-KS041M-SB) – pole „Wymiary: C”: \"12 mm\" nie jest liczbą"},
        {[](Catalogue& c) { c.frames.at(2).id = "B2"; },
         "Ramy: wiersz 2 (Rama BASE 2) – pole „identyfikator”: \"B2\" nie jest liczbą całkowitą"},
        {[](Catalogue& c) { c.frames.at(2).mass = "1.5"; }, ""},
    };
    for (const Case& test : cases) {
        auto spoiled = std::make_unique<Catalogue>(*sample);
        test.spoil(*spoiled);
        std::string added;
        for (const CheckLine& line : checkData(*spoiled))
            if (line.text.find("pole „") != std::string::npos &&
                std::none_of(before.begin(), before.end(),
                             [&](const CheckLine& old) { return old.text == line.text; }))
                added += line.text;
        EXPECT_EQ(added, test.expected);
    }
}

} // namespace
} // namespace kelvo
