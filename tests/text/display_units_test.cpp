#include <gtest/gtest.h>

#include <cmath>

#include "core/app/temperature_lists.h"
#include "core/text/display_units.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

TEST(DisplayUnits, InchPoundFiguresAreTheSiFiguresConvertedAndRounded)
{
    struct Case {
        double si;
        Quantity quantity;
        const char* number;
        const char* unit;
    };
    const Case cases[] = {
        {0, Quantity::Temperature, "32", "°F"},
        {-45, Quantity::Temperature, "-49", "°F"},
        {12.5, Quantity::Temperature, "54,5", "°F"},
        {-17.78, Quantity::Temperature, "0", "°F"}, // -0,004 is shown as 0, not -0
        {10, Quantity::TemperatureDifference, "18", "°F"},
        {10000, Quantity::Capacity, "34121", "Btu/h"},
        {29300, Quantity::Capacity, "99976", "Btu/h"},
        {29307, Quantity::Capacity, "100", "kBtu/h"}, // 99 999,7 Btu/h
        {40000, Quantity::Capacity, "136,5", "kBtu/h"},
        {1.12, Quantity::Power, "1,12", "kW"},
        {10, Quantity::Pressure, "145", "psia"},
        {1.013, Quantity::Pressure, "14,7", "psia"},
    };
    for (const Case& c : cases) {
        const DisplayFigure f = displayFigure(c.si, c.quantity, UnitSystem::InchPound, ',');
        EXPECT_EQ(f.number, c.number) << c.si;
        EXPECT_EQ(f.unit, c.unit) << c.si;
    }
    EXPECT_EQ(displayFigure(3200, Quantity::Capacity, UnitSystem::Si, ',').number, "3200");
    EXPECT_EQ(unitSystemNamed("IP"), UnitSystem::InchPound);
    EXPECT_EQ(unitSystemNamed("si"), UnitSystem::Si);
    EXPECT_FALSE(unitSystemNamed("imperial"));
    EXPECT_EQ(temperatureChoiceText(0, UnitSystem::InchPound, ','), "32 °F (0 °C)");
    EXPECT_EQ(temperatureChoiceText(-2.5, UnitSystem::Si, ','), "-2,5");
    EXPECT_NEAR(*typedCapacityInWatts("34121", UnitSystem::InchPound), 10000, wattsOf(0.5));
    EXPECT_FALSE(typedCapacityInWatts("abc", UnitSystem::InchPound));
}

// Every item of both temperature lists, and capacities over the catalogue's range, converts
// back to its SI figure within half a step of the display's rounding.
TEST(DisplayUnits, EveryShownFigureConvertsBackWithinItsRounding)
{
    std::vector<double> temperatures = evaporatingTemperatureChoices();
    for (double t : ambientTemperatureChoices())
        temperatures.push_back(t);
    for (double celsius : temperatures) {
        const DisplayFigure f =
            displayFigure(celsius, Quantity::Temperature, UnitSystem::InchPound, ',');
        const double back = siFigure(*parseNumber(f.number), f.unit, Quantity::Temperature);
        EXPECT_NEAR(back, celsius, 0.05 * 5.0 / 9.0 + 1e-9) << f.number;
    }
    for (double watts = 1; watts < 2e6; watts *= 1.37) {
        const DisplayFigure f =
            displayFigure(watts, Quantity::Capacity, UnitSystem::InchPound, ',');
        const double step = f.unit == "kBtu/h" ? 100.0 : 1.0; // Btu/h of the last digit
        const double back = siFigure(*parseNumber(f.number), f.unit, Quantity::Capacity);
        EXPECT_NEAR(back, watts, wattsOf(step / 2) + 1e-6) << f.number << " " << f.unit;
    }
    for (double bar = 0.1; bar < 60; bar *= 1.5) {
        const DisplayFigure f = displayFigure(bar, Quantity::Pressure, UnitSystem::InchPound, ',');
        EXPECT_NEAR(siFigure(*parseNumber(f.number), f.unit, Quantity::Pressure), bar,
                    barOf(0.05) + 1e-9);
    }
}

// Texts with figures: the numbers of a quantity are converted with their labels, marks stay,
// and everything else is left as it is.
TEST(DisplayUnits, TextsConvertTheirFiguresAndLabelsOnly)
{
    const UnitSystem ip = UnitSystem::InchPound;
    const auto capacity = [ip](std::string_view t) {
        return figureTextIn(t, Quantity::Capacity, ip, ',');
    };
    const auto labelled = [ip](std::string_view t) { return labelledTextIn(t, ip, ','); };
    const auto chart = [ip](std::string_view t) { return temperatureTextIn(t, ip, ','); };
    EXPECT_EQ(capacity("2900#"), "9895#");
    EXPECT_EQ(figureTextIn("?", Quantity::Temperature, ip, ','), "?");
    EXPECT_EQ(figureTextIn("0,80", Quantity::Power, ip, ','), "0,80");
    EXPECT_EQ(labelled("Cooling capacity  : 2900* [W]"), "Cooling capacity  : 9895* [Btu/h]");
    EXPECT_EQ(labelled("ta = {ta4} [C]   Subcooling  : 2 [K]   Max. current  : 6,4 [A]"),
              "ta = {ta4} [F]   Subcooling  : 3,6 [F]   Max. current  : 6,4 [A]");
    EXPECT_EQ(labelled("to: -10 [C]   Pe [kW]  1,2 [kW]   p 10 [bar]"),
              "to: 14 [F]   Pe [kW]  1,2 [kW]   p 145 [psia]");
    EXPECT_EQ(chart("-12,5"), "9,5");
    EXPECT_EQ(chart("to = -10,0 °C  tk = 45,3 °C  to [°C]"), "to = 14 °F  tk = 113,5 °F  to [°F]");
    EXPECT_EQ(unitNamesIn("Ambient 89,6 °C  Qo [W]", ip), "Ambient 89,6 °F  Qo [Btu/h]");
    EXPECT_EQ(labelledTextIn("2900 [W]", UnitSystem::Si, ','), "2900 [W]");
    EXPECT_EQ(typedCapacityAsWatts("34121", ip), formatNumber(wattsOf(34121), '.'));
    EXPECT_EQ(typedCapacityAsWatts("abc", ip), "abc");
}

} // namespace
} // namespace kelvo
