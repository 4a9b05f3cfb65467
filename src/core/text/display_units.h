#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvo
{

// The units figures are shown in. The calculation and the catalogue stay SI; an inch-pound
// figure is the SI figure converted and rounded for display only.
enum class UnitSystem { Si, InchPound };

// The choice's item in the selection window, the same in every language:
// "SI (°C, W)", "IP (°F, Btu/h)" (the window shows no pressures).
std::string_view unitSystemCaption(UnitSystem system);

// "si" or "ip" (any case); nothing for another name.
std::optional<UnitSystem> unitSystemNamed(std::string_view name);

// What a figure measures, which decides its inch-pound unit and rounding.
enum class Quantity {
    Temperature,           // C  -> F, one decimal
    TemperatureDifference, // K  -> F (degrees Fahrenheit of difference), one decimal
    Capacity,              // W  -> Btu/h, whole; kBtu/h with one decimal from 100 000 Btu/h
    Power,                 // kW -> kW, unchanged
    Pressure,              // bar (absolute) -> psia, one decimal
};

// Exact factors of the international definitions.
inline constexpr double kWattsPerBtuPerHour = 1055.05585262 / 3600.0;
inline constexpr double kPascalsPerPsi = 6894.757293168;

double fahrenheitOf(double celsius);
double celsiusOf(double fahrenheit);
double btuPerHourOf(double watts);
double wattsOf(double btuPerHour);
double psiOf(double bar);
double barOf(double psi);

// An SI figure as `system` shows it: its number text (with `separator`, trailing zeros of the
// decimals dropped) and its unit ("°F", "Btu/h", "kBtu/h", "kW", "psia"; the SI unit for SI).
struct DisplayFigure {
    std::string number;
    std::string unit;
};
// `thousands`: whether a large capacity may be shown in kBtu/h (not in a column of figures,
// which keeps one unit).
DisplayFigure displayFigure(double si, Quantity quantity, UnitSystem system, char separator,
                            bool thousands = true);
// An SI figure in the unit `system` shows it in (°F, Btu/h, kW, psia), not rounded: what a
// machine-readable output gives for an unrounded SI figure.
double convertedFigure(double si, Quantity quantity, UnitSystem system);

// The unit `system` shows a quantity in, as displayFigure shows most figures ("Btu/h" for
// capacities).
std::string_view unitOf(Quantity quantity, UnitSystem system);

// The SI figure a displayed number stands for: the inverse conversion of displayFigure, so a
// shown figure converts back to its SI figure within the display's rounding.
double siFigure(double shown, std::string_view unit, Quantity quantity);

// A temperature list's item: "0" in SI, "32 °F (0 °C)" in inch-pound units.
std::string temperatureChoiceText(double celsius, UnitSystem system, char separator);

// A required capacity typed in the unit the window shows, in watts; nothing when it is not a
// number. Inch-pound capacities are typed in Btu/h.
std::optional<double> typedCapacityInWatts(std::string_view typed, UnitSystem system);
// The required capacity typed as the capacity search takes it, in watts: SI text as typed, an
// inch-pound number converted; a text that is no number stays as typed, so that the search
// says what is wrong with it.
std::string typedCapacityAsWatts(std::string_view typed, UnitSystem system);

// The quantity a bracketed SI unit label stands for: "[C]", "[K]", "[W]", "[kW]", "[bar]";
// nothing for any other label ("[mm]", "[A]").
std::optional<Quantity> quantityOfLabel(std::string_view label);

// A unit label as `system` shows it: "[C]" and "[K]" read "[F]", "[W]" "[Btu/h]", "[bar]"
// "[psia]"; any other label is returned as it is. Plain ASCII, as the SI labels are.
std::string labelIn(std::string_view label, UnitSystem system);

// A figure's text as `system` shows it: its leading number converted (a column of figures keeps
// one unit, so capacities stay in Btu/h), any mark after it ("#", "*", "!") kept. A text that
// does not start with a number ("?", "") is returned as it is. `separator` is the separator the
// text was written with, and the converted number is written with it.
std::string figureTextIn(std::string_view siText, Quantity quantity, UnitSystem system,
                         char separator);

// The number a figure's text starts with, before its marks ("9895#" is 9895); nothing for a
// text that is no figure.
std::optional<double> figureNumber(std::string_view text);

// A text with figures followed by their unit labels, "Cooling capacity  : 2900 [W]", as `system`
// shows it: every label of a quantity converted and, where a number stands right before it, the
// number too ("Cooling capacity  : 9895 [Btu/h]"). Labels standing alone ("Qo [W]") are
// converted as labels.
std::string labelledTextIn(std::string_view text, UnitSystem system, char separator);

// A chart's or a caption's text drawn from figures already in `system`: the unit names
// renamed only ("°C" reads "°F", "[W]" "[Btu/h]", "[bar]" "[psia]"), the numbers kept.
std::string unitNamesIn(std::string_view text, UnitSystem system);

// A text of a chart drawn in SI whose every figure is a temperature (the envelope chart): a
// text that is a number (a tick label) converted, and so is every number followed by " °C"
// ("to = -10,0 °C" reads "to = 14 °F"); "[°C]" reads "[°F]".
std::string temperatureTextIn(std::string_view text, UnitSystem system, char separator);

} // namespace kelvo
