#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/selection/datasheet_parameters.h"
#include "core/selection/unit_details.h"
#include "core/selection/unit_point.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "selection/selection_fixture.h"

namespace kelvo
{
namespace
{

class DatasheetParametersTest : public test::SelectionTest
{
  protected:
    // Chooses the row of `unitIndex`, as a click on the list does.
    const UnitDetails& choose(int unitIndex)
    {
        if (const int row = selection().candidates.rowOfUnit(unitIndex))
            return session->chooseRow(row, sink);
        throw std::runtime_error("unit not listed");
    }
    static Candidate& chosenRow(SelectionState& selection)
    {
        return selection.candidates.rows.at(static_cast<std::size_t>(*selection.selectedRow - 1));
    }
    ReportParameters parameters(int language = kEnglish)
    {
        inputs.language = language;
        return session->datasheetParameters(inputs, sink);
    }
    // The parameters of a copy of the selection that `change` made, as no screen shows it.
    template <class Change> ReportParameters parametersOf(Change change)
    {
        SelectionState changed = selection();
        change(changed);
        PerformanceResult latest;
        TextsRead read;
        return unitDatasheetParameters({*workspace, session->refrigerant(), latest, read}, changed,
                                       languages, inputs, sink);
    }
    // The text of a parameter; "<unset>" when it is not set.
    std::string text(const ReportParameters& list, const std::string& name)
    {
        const std::string* value = findParameter(list, name);
        return value ? *value : "<unset>";
    }
    static std::vector<std::string> names(const ReportParameters& list)
    {
        std::vector<std::string> result;
        for (const auto& p : list)
            result.push_back(p.name);
        return result;
    }
    static int rangeParameterCount(const ReportParameters& list)
    {
        return static_cast<int>(std::count_if(list.begin(), list.end(), [](const auto& p) {
            const char c = p.name[0];
            return p.name.size() >= 2 && (c == 't' || c == 'Q' || c == 'P') &&
                   std::isdigit(static_cast<unsigned char>(p.name[1]));
        }));
    }
    // A BASE unit of the given version, listed under the BASE family with every filter on.
    int addBaseUnit(const char* version)
    {
        openSession(UnitFamily::Base);
        return addUnit([version](auto& r) {
            r.housing = "BASE";
            r.version = version;
            r.name = std::string("AGP-TEST-") + version;
        });
    }

    DatasheetInputs inputs{kEnglish, "09.12.2026", {}};
    CollectingMessageSink sink;
};

TEST_F(DatasheetParametersTest, EveryParameterComesInTheReportsOrder)
{
    const int u = addUnit();
    const UnitDetails& d = choose(u);
    const ReportParameters list = parameters();
    std::vector<std::string> expected{"DaneTechniczneAgregatu",
                                      "ModelAgregatu",
                                      "CzynnikChlodniczy",
                                      "PostacAgregatu",
                                      "WydajnoscAgregatu",
                                      "TemperaturaParowania",
                                      "TemperaturaSkraplania",
                                      "TemperaturaPowietrza",
                                      "TempNaSsaniu",
                                      "Dochlodzenie",
                                      "PoborMocyAgregatu",
                                      "TMIN",
                                      "TMAX",
                                      "MASA",
                                      "Glosnosc",
                                      "DaneTechniczneSprezarki",
                                      "SprTyp",
                                      "SprIlosc",
                                      "SprWydSk",
                                      "SprProducent",
                                      "SprIloscOleju",
                                      "SprTypOleju",
                                      "SprZasilanie",
                                      "SprMaxPradPracy",
                                      "SprRozruch",
                                      "SprZab",
                                      "PoborMocySprezarka",
                                      "COP",
                                      "DaneTechniczneSkraplacza",
                                      "SkrTyp",
                                      "SkrIlosc",
                                      "DaneTechniczneWentylatora",
                                      "WenTyp",
                                      "WenIlosc",
                                      "WenD",
                                      "WenP",
                                      "WenAMax",
                                      "WenKon",
                                      "WenObr",
                                      "WenTemp",
                                      "WenZasilanie",
                                      "pMyReportImage",
                                      "data",
                                      "A",
                                      "B",
                                      "C",
                                      "D",
                                      "E",
                                      "F",
                                      "G",
                                      "H",
                                      "AkcesoriaPodstawowe"};
    for (int i = 1; i <= 12; ++i)
        expected.push_back("AP" + std::to_string(i));
    expected.push_back("AkcesoriaDodatkowe");
    for (int i = 1; i <= 11; ++i)
        expected.push_back("AD" + std::to_string(i));
    expected.push_back("LegendaZnakow");
    for (int c = 1; c <= d.staging.rangeColumnCount; ++c)
        for (const char* prefix : {"t", "Q1", "Q2", "Q3", "P1", "P2", "P3"})
            expected.push_back(prefix + std::to_string(c));
    expected.push_back("COPAgregatu");
    expected.push_back("GWPCzynnika");
    expected.push_back("KlasaBezpieczenstwa");
    EXPECT_EQ(names(list), expected);

    const auto& unit = catalogue().units[u];
    const Candidate& row = *selection().candidates.row(*selection().selectedRow);
    EXPECT_EQ(text(list, "DaneTechniczneAgregatu"), "Condensing unit data");
    EXPECT_EQ(text(list, "ModelAgregatu"), "Model  : " + toUtf8(unit.name.view()));
    EXPECT_EQ(text(list, "WydajnoscAgregatu"), "Cooling capacity  : " + row.capacityText + " [W]");
    EXPECT_EQ(text(list, "TemperaturaParowania"), "Evaporation temperature  : 0 [C]");
    EXPECT_EQ(text(list, "TemperaturaPowietrza"), "Ambient temperature  : 32 [C]");
    EXPECT_EQ(text(list, "PoborMocySprezarka"), "Power input  : " + row.powerText + " [kW]");
    // The unit's COP is the window's, beside the compressor's own "COP".
    EXPECT_EQ(text(list, "COPAgregatu"), "Unit COP  : " + d.data.cop);
    EXPECT_EQ(text(parameters(kPolish), "COPAgregatu"), "COP agregatu  : " + d.data.cop);
    EXPECT_EQ(text(list, "pMyReportImage"), d.drawing.string());
    EXPECT_EQ(text(list, "data"), "09.12.2026");
    EXPECT_EQ(text(list, "A"), "A= " + d.dimensions.a + "mm");
    EXPECT_EQ(text(list, "H"), "H= " + d.dimensions.h + "mm");
    EXPECT_EQ(text(list, "t1"), d.staging.rangeTo[0]);
    EXPECT_EQ(text(list, "Q21"), d.staging.rangeQo[1][0]);
    EXPECT_EQ(text(list, "P32"), d.staging.rangePe[2][1]);
}

TEST_F(DatasheetParametersTest, CopAndTotalPowerAreRoundedToHundredths)
{
    addCondenser("801", [](auto& k) {
        k.fanPower = "0,25";
        k.fanCount = "2";
    });
    choose(addUnit([](auto& r) { r.condenserId = "801"; }));
    const auto figures = [](SelectionState& s) {
        chosenRow(s).capacityText = "12300";
        chosenRow(s).powerText = "4,2";
    };
    ReportParameters list = parametersOf(figures);
    // 12,3 / 4,2 = 2,928...: the compressor's power alone, unlike the window's panel.
    EXPECT_EQ(text(list, "COP"), "Efficiency coefficient ( COP)  : 2,93");
    EXPECT_EQ(text(list, "PoborMocyAgregatu"), "Total power input  : 4,7 [kW]");

    workspace->setDisplaySeparator('.');
    list = parametersOf(figures);
    EXPECT_EQ(text(list, "COP"), "Efficiency coefficient ( COP)  : 2.93");
}

TEST_F(DatasheetParametersTest, FiguresThatCannotBeComputedAreLeftUnsetAndTheRestStays)
{
    const int u = addUnit();
    choose(u);
    ReportParameters list = parametersOf([](SelectionState& s) { chosenRow(s).powerText = "0"; });
    EXPECT_EQ(text(list, "COP"), "<unset>") << "no division by zero";
    EXPECT_NE(text(list, "PoborMocyAgregatu"), "<unset>");

    editUnit(u, [](CondensingUnitRecord& r) { r.subcooling = "abc"; });
    list = parametersOf([](SelectionState& s) { chosenRow(s).powerText = ""; });
    EXPECT_EQ(text(list, "COP"), "<unset>");
    EXPECT_EQ(text(list, "PoborMocyAgregatu"), "<unset>");
    EXPECT_EQ(text(list, "TemperaturaSkraplania"), "<unset>");
    EXPECT_EQ(text(list, "Dochlodzenie"), "Subcooling  : abc [K]");
    EXPECT_NE(text(list, "WenTyp"), "<unset>");
}

TEST_F(DatasheetParametersTest, CondensingTemperatureIsEvaluatedForTheChosenUnitAtPrintTime)
{
    const int chosen = addUnit();
    const int other = addUnit([](auto& r) { r.compressorCount = "2"; });
    const UnitDetails details = choose(chosen);
    ASSERT_FALSE(details.data.condensingTemperature.empty());
    // Another unit evaluated since: the datasheet must not take its result.
    const int chosenRowNumber = *selection().selectedRow;
    const UnitDetails otherDetails = session->computeDetails(chosenRowNumber == 1 ? 2 : 1, sink);
    ASSERT_EQ(otherDetails.unitIndex, other);
    ASSERT_NE(otherDetails.data.condensingTemperature, details.data.condensingTemperature);

    EXPECT_EQ(text(parameters(), "TemperaturaSkraplania"),
              "Condensing temperature  : " + details.data.condensingTemperature + " [C]");
}

TEST_F(DatasheetParametersTest, DetailsOfAnotherUnitAreNotMixedIntoTheDatasheet)
{
    const int chosen = addUnit();
    const int other = addUnit([](auto& r) { r.toMin = "-45"; });
    const UnitDetails wide = choose(other);
    const UnitDetails expected = choose(chosen);
    // The details kept are stale: those of the other unit.
    const ReportParameters list = parametersOf([&](SelectionState& s) { s.details = wide; });
    EXPECT_EQ(rangeParameterCount(list), 7 * expected.staging.rangeColumnCount);
    EXPECT_EQ(text(list, "ModelAgregatu"),
              "Model  : " + toUtf8(catalogue().units[chosen].name.view()));
}

TEST_F(DatasheetParametersTest, ModelSuffixOfTheBaseFamily)
{
    const int kb = addBaseUnit("KB");
    const int sb = addUnit([](auto& r) {
        r.housing = "BASE";
        r.version = "SB";
        r.name = "AGP-TEST-SB";
    });
    choose(kb);
    // The suffix follows the version boxes as they are ticked when the datasheet is made.
    const auto model = [&](bool kbTicked, bool sbTicked) {
        return text(parametersOf([&](SelectionState& s) {
                        s.version("KB") = kbTicked;
                        s.version("SB") = sbTicked;
                    }),
                    "ModelAgregatu");
    };
    EXPECT_EQ(text(parameters(), "ModelAgregatu"), "Model  : AGP-TEST-KB KB") << "both ticked";
    EXPECT_EQ(model(true, false), "Model  : AGP-TEST-KB KB") << "KB only";
    EXPECT_EQ(model(false, true), "Model  : AGP-TEST-KB SB") << "SB only";
    EXPECT_EQ(model(false, false), "<unset>") << "neither";
    EXPECT_NE(text(parametersOf([](SelectionState& s) { s.versions = {}; }), "CzynnikChlodniczy"),
              "<unset>");

    // With both versions admitted an SB unit is not printed as KB.
    choose(sb);
    EXPECT_EQ(text(parameters(), "ModelAgregatu"), "Model  : AGP-TEST-SB SB");

    // A BOX unit never gets a suffix, whatever the version boxes say.
    openSession(UnitFamily::Box);
    const int box = addUnit([](auto& r) { r.name = "AGO-TEST"; });
    choose(box);
    EXPECT_EQ(text(parameters(), "ModelAgregatu"), "Model  : AGO-TEST");
}

TEST_F(DatasheetParametersTest, AccessoryLinesOfTheBoxFamily)
{
    const int u = addUnit([](auto& r) {
        r.boxAccessories = {};
        r.boxAccessories[0] = true;
        r.boxAccessories[11] = true;
    });
    choose(u);
    inputs.accessories.ticked[0] = true;
    inputs.accessories.ticked[3] = true;
    inputs.accessories.quantities[0] = "2";
    inputs.accessories.quantities[1] = "5"; // line 5 is not ticked: its quantity is not printed
    inputs.accessories.ticked[10] = true;

    ReportParameters list = parameters();
    EXPECT_EQ(text(list, "AkcesoriaPodstawowe"), "Standard accessories - BOX");
    EXPECT_EQ(text(list, "AP1"), "Crancase heater: +");
    EXPECT_EQ(text(list, "AP2"), "Shut-off valves on the compressor: -");
    EXPECT_EQ(text(list, "AP12"), "Shut-off valve on liquid line: +");
    EXPECT_EQ(text(list, "AkcesoriaDodatkowe"), "Optional accessories - BOX");
    EXPECT_EQ(text(list, "AD1"), "Oil separator: +");
    EXPECT_EQ(text(list, "AD4"), "Condenser fan control: + 2pcs");
    EXPECT_EQ(text(list, "AD5"), "High pressure switch: -");
    EXPECT_EQ(text(list, "AD11"), "Complete electric box: +");

    list = parameters(kPolish);
    EXPECT_EQ(text(list, "AD4"), "Regulacja obrotów wentylatora: + 2szt.");
    EXPECT_EQ(text(list, "AP1"), "Grzałka karteru: +");
}

TEST_F(DatasheetParametersTest, AccessoryLinesOfTheBaseFamily)
{
    const int u = addBaseUnit("KB");
    editUnit(u, [](CondensingUnitRecord& r) {
        r.baseAccessories = {true, false, false, false, false, false, true};
    });
    choose(u);
    inputs.accessories.ticked[5] = true;
    inputs.accessories.quantities[2] = "3";
    inputs.accessories.ticked[8] = true; // no such BASE line: ignored
    const ReportParameters list = parameters(kPolish);
    const auto all = names(list);
    EXPECT_EQ(
        std::count_if(all.begin(), all.end(), [](const auto& n) { return n.rfind("AP", 0) == 0; }),
        7);
    EXPECT_EQ(
        std::count_if(all.begin(), all.end(), [](const auto& n) { return n.rfind("AD", 0) == 0; }),
        7);
    EXPECT_EQ(text(list, "AkcesoriaPodstawowe"), "Akcesoria podstawowe - BASE");
    EXPECT_EQ(text(list, "AP1"), "Grzałka karteru: +");
    EXPECT_EQ(text(list, "AP4"), "Presostat podwójny: -");
    EXPECT_EQ(text(list, "AP7"), "Zbiornik cieczy czynnika: +");
    EXPECT_EQ(text(list, "AkcesoriaDodatkowe"), "Akcesoria dodatkowe - BASE");
    EXPECT_EQ(text(list, "AD6"), "Presostat niskiego ciśnienia: + 3szt.");
    EXPECT_EQ(text(list, "AD7"), "2 zawory bezp. z zaw. 3-drożnym: -");
}

TEST_F(DatasheetParametersTest, RangeColumnsArePassedUpToEleven)
{
    const int u = addUnit([](auto& r) { r.toMin = "-45"; });
    const UnitDetails& d = choose(u);
    ASSERT_EQ(d.staging.rangeColumnCount, 13);
    ReportParameters list = parameters();
    EXPECT_EQ(rangeParameterCount(list), 77);
    // The last range figure, before the unit's COP that follows every specified parameter and
    // the refrigerant's GWP and safety class.
    EXPECT_EQ(list.end()[-4].name, "P311");
    EXPECT_EQ(text(list, "t11"), "-35");
    EXPECT_EQ(text(list, "Q111"), d.staging.rangeQo[0][10]);
    EXPECT_EQ(text(list, "t12"), "<unset>");

    list = parametersOf([](SelectionState& s) { s.details->staging.rangeColumnCount = 7; });
    EXPECT_EQ(rangeParameterCount(list), 49);
    EXPECT_EQ(list.end()[-4].name, "P37");
    EXPECT_EQ(text(list, "t8"), "<unset>");
}

TEST_F(DatasheetParametersTest, CaptionsFollowTheLanguageAndUnitSuffixesDoNot)
{
    const int u = addUnit([](auto& r) {
        r.noiseLevel = "46";
        r.mass = "101";
    });
    choose(u);
    const ReportParameters english = parameters(kEnglish);
    EXPECT_EQ(text(english, "Glosnosc"), "Noise level  : 46 [dB(A) 10m]");
    EXPECT_EQ(text(english, "MASA"), "Net weight  : 101 [kg]");
    EXPECT_EQ(text(english, "PostacAgregatu"), "Structure of the condensing unit  : BOX");
    EXPECT_EQ(text(english, "SprProducent").rfind("Compressor brand  : ", 0), 0U);
    EXPECT_EQ(text(english, "DaneTechniczneWentylatora"), "Fan data");
    EXPECT_EQ(text(english, "SkrIlosc").rfind("Number of condenser coils  : ", 0), 0U);
    const std::string power = text(english, "PoborMocyAgregatu");
    EXPECT_EQ(power.rfind("Total power input  : ", 0), 0U);
    EXPECT_EQ(power.substr(power.size() - 5), " [kW]");

    const ReportParameters polish = parameters(kPolish);
    EXPECT_EQ(text(polish, "Glosnosc"), "Głośność  : 46 [dB(A) 10m]");
    EXPECT_EQ(text(polish, "DaneTechniczneAgregatu"), "Dane Agregatu");
    EXPECT_EQ(text(polish, "TempNaSsaniu").rfind("Temperatura na ssaniu  : ", 0), 0U);
}

TEST_F(DatasheetParametersTest, NoChosenUnitIsAnError)
{
    addUnit();
    EXPECT_THROW(parameters(), DatasheetError);
}

TEST(ControlCaptions, WindowControlsMapToTheirLanguageEntries)
{
    EXPECT_EQ(controlCaptionEntry("GroupBox7"), 9);
    EXPECT_EQ(controlCaptionEntry("Label13"), 88);
    EXPECT_EQ(controlCaptionEntry("Label35"), 98);
    EXPECT_EQ(controlCaptionEntry("CheckBox29"), 69);
    EXPECT_EQ(controlCaptionEntry("Label8"), 74);
    EXPECT_EQ(controlCaptionEntry("CheckBox37"), 79);
    EXPECT_EQ(controlCaptionEntry("Label44"), 127);
    EXPECT_EQ(controlCaptionEntry("Label52"), 113);
    EXPECT_EQ(controlCaptionEntry("Panel3"), 0);
}

} // namespace
} // namespace kelvo
