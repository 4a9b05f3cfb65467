#include "core/text/display_units.h"

#include <cctype>
#include <cmath>
#include <span>

#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

constexpr double kPascalsPerBar = 100000.0;
// From here on a capacity is shown in thousands of Btu/h.
constexpr double kLargeCapacity = 100000.0;

// Rounded half to even at `decimals`, with no trailing zeros after the separator.
std::string rounded(double value, int decimals, char separator)
{
    const double scale = std::pow(10.0, decimals);
    double r = roundHalfEven(value * scale) / scale;
    if (r == 0)
        r = 0; // no "-0"
    return formatNumber(r, separator);
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

std::string_view unitSystemCaption(UnitSystem system)
{
    return system == UnitSystem::Si ? "SI (°C, W)" : "IP (°F, Btu/h)";
}

std::optional<UnitSystem> unitSystemNamed(std::string_view name)
{
    if (sameName(name, "si"))
        return UnitSystem::Si;
    if (sameName(name, "ip"))
        return UnitSystem::InchPound;
    return std::nullopt;
}

double fahrenheitOf(double celsius)
{
    return celsius * 9.0 / 5.0 + 32.0;
}

double celsiusOf(double fahrenheit)
{
    return (fahrenheit - 32.0) * 5.0 / 9.0;
}

double btuPerHourOf(double watts)
{
    return watts / kWattsPerBtuPerHour;
}

double wattsOf(double btuPerHour)
{
    return btuPerHour * kWattsPerBtuPerHour;
}

double psiOf(double bar)
{
    return bar * kPascalsPerBar / kPascalsPerPsi;
}

double barOf(double psi)
{
    return psi * kPascalsPerPsi / kPascalsPerBar;
}

std::string_view unitOf(Quantity quantity, UnitSystem system)
{
    static constexpr std::string_view kSiUnits[] = {"°C", "K", "W", "kW", "bar"};
    static constexpr std::string_view kInchPoundUnits[] = {"°F", "°F", "Btu/h", "kW", "psia"};
    const auto index = static_cast<std::size_t>(quantity);
    return system == UnitSystem::Si ? kSiUnits[index] : kInchPoundUnits[index];
}

double convertedFigure(double si, Quantity quantity, UnitSystem system)
{
    if (system == UnitSystem::Si)
        return si;
    switch (quantity) {
    case Quantity::Temperature:
        return fahrenheitOf(si);
    case Quantity::TemperatureDifference:
        return si * 9.0 / 5.0;
    case Quantity::Capacity:
        return btuPerHourOf(si);
    case Quantity::Power:
        return si;
    case Quantity::Pressure:
        return psiOf(si);
    }
    return si;
}

DisplayFigure displayFigure(double si, Quantity quantity, UnitSystem system, char separator,
                            bool thousands)
{
    if (system == UnitSystem::Si)
        return {formatNumber(si, separator), std::string(unitOf(quantity, system))};
    switch (quantity) {
    case Quantity::Temperature:
        return {rounded(fahrenheitOf(si), 1, separator), "°F"};
    case Quantity::TemperatureDifference:
        return {rounded(si * 9.0 / 5.0, 1, separator), "°F"};
    case Quantity::Capacity: {
        const double btuh = btuPerHourOf(si);
        if (thousands && std::fabs(roundHalfEven(btuh)) >= kLargeCapacity)
            return {rounded(btuh / 1000.0, 1, separator), "kBtu/h"};
        return {rounded(btuh, 0, separator), "Btu/h"};
    }
    case Quantity::Power:
        return {formatNumber(si, separator), "kW"};
    case Quantity::Pressure:
        return {rounded(psiOf(si), 1, separator), "psia"};
    }
    return {};
}

double siFigure(double shown, std::string_view unit, Quantity quantity)
{
    switch (quantity) {
    case Quantity::Temperature:
        return unit == "°F" ? celsiusOf(shown) : shown;
    case Quantity::TemperatureDifference:
        return unit == "°F" ? shown * 5.0 / 9.0 : shown;
    case Quantity::Capacity:
        return unit == "kBtu/h"  ? wattsOf(shown * 1000.0)
               : unit == "Btu/h" ? wattsOf(shown)
                                 : shown;
    case Quantity::Power:
        return shown;
    case Quantity::Pressure:
        return unit == "psia" ? barOf(shown) : shown;
    }
    return shown;
}

std::string temperatureChoiceText(double celsius, UnitSystem system, char separator)
{
    std::string si = formatNumber(celsius, separator);
    if (system == UnitSystem::Si)
        return si;
    const DisplayFigure f = displayFigure(celsius, Quantity::Temperature, system, separator);
    return f.number + " " + f.unit + " (" + si + " °C)";
}

namespace
{

struct LabelQuantity {
    std::string_view label;
    Quantity quantity;
    std::string_view inchPoundLabel;
};
constexpr LabelQuantity kLabelQuantities[] = {
    {"[C]", Quantity::Temperature, "[F]"},   {"[K]", Quantity::TemperatureDifference, "[F]"},
    {"[W]", Quantity::Capacity, "[Btu/h]"},  {"[kW]", Quantity::Power, "[kW]"},
    {"[bar]", Quantity::Pressure, "[psia]"},
};

const LabelQuantity* labelQuantity(std::string_view label)
{
    for (const LabelQuantity& entry : kLabelQuantities)
        if (entry.label == label)
            return &entry;
    return nullptr;
}

bool isNumberCharacter(char c)
{
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == ',' || c == '.';
}

bool isMark(char c)
{
    return c == '#' || c == '*' || c == '!';
}

} // namespace

std::optional<Quantity> quantityOfLabel(std::string_view label)
{
    const LabelQuantity* entry = labelQuantity(label);
    return entry ? std::optional(entry->quantity) : std::nullopt;
}

std::string labelIn(std::string_view label, UnitSystem system)
{
    const LabelQuantity* entry = labelQuantity(label);
    if (!entry || system == UnitSystem::Si)
        return std::string(label);
    return std::string(entry->inchPoundLabel);
}

std::string figureTextIn(std::string_view siText, Quantity quantity, UnitSystem system,
                         char separator)
{
    // Power keeps its unit, and its text as it stands.
    if (system == UnitSystem::Si || quantity == Quantity::Power)
        return std::string(siText);
    std::size_t end = 0;
    while (end < siText.size() && isNumberCharacter(siText[end]))
        ++end;
    // A figure ends in a digit; a lone sign or separator is no figure.
    while (end > 0 && !(siText[end - 1] >= '0' && siText[end - 1] <= '9'))
        --end;
    const std::optional<double> si = parseNumberWithComma(siText.substr(0, end));
    if (end == 0 || !si)
        return std::string(siText);
    return displayFigure(*si, quantity, system, separator, false).number +
           std::string(siText.substr(end));
}

std::optional<double> figureNumber(std::string_view text)
{
    std::size_t end = 0;
    while (end < text.size() && !isMark(text[end]))
        ++end;
    return parseNumberWithComma(text.substr(0, end));
}

namespace
{

// Every unit of `units` in the text renamed as `system` names it, and the figure right before
// it (with its marks, separated from it by blanks) converted.
std::string convertFiguresBefore(std::string_view text, std::span<const LabelQuantity> units,
                                 UnitSystem system, char separator)
{
    if (system == UnitSystem::Si)
        return std::string(text);
    std::string out;
    std::size_t done = 0;
    for (;;) {
        std::size_t at = std::string_view::npos;
        const LabelQuantity* unit = nullptr;
        for (const LabelQuantity& candidate : units)
            if (const std::size_t found = text.find(candidate.label, done); found < at) {
                at = found;
                unit = &candidate;
            }
        if (!unit)
            break;
        std::size_t numberEnd = at;
        while (numberEnd > done && text[numberEnd - 1] == ' ')
            --numberEnd;
        std::size_t numberStart = numberEnd;
        while (numberStart > done && isMark(text[numberStart - 1]))
            --numberStart;
        while (numberStart > done && isNumberCharacter(text[numberStart - 1]))
            --numberStart;
        out.append(text.substr(done, numberStart - done));
        out += figureTextIn(text.substr(numberStart, numberEnd - numberStart), unit->quantity,
                            system, separator);
        out.append(text.substr(numberEnd, at - numberEnd));
        out += unit->inchPoundLabel;
        done = at + unit->label.size();
    }
    out.append(text.substr(done));
    return out;
}

} // namespace

std::string labelledTextIn(std::string_view text, UnitSystem system, char separator)
{
    return convertFiguresBefore(text, kLabelQuantities, system, separator);
}

namespace
{

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

std::string unitNamesIn(std::string_view text, UnitSystem system)
{
    std::string out(text);
    if (system == UnitSystem::Si)
        return out;
    replaceAll(out, "°C", "°F");
    replaceAll(out, "[W]", "[Btu/h]");
    replaceAll(out, "[bar]", "[psia]");
    return out;
}

std::string temperatureTextIn(std::string_view text, UnitSystem system, char separator)
{
    if (system != UnitSystem::Si && parseNumberWithComma(text))
        return figureTextIn(text, Quantity::Temperature, system, separator);
    static constexpr LabelQuantity kCelsius[] = {{"°C", Quantity::Temperature, "°F"}};
    return convertFiguresBefore(text, kCelsius, system, separator);
}

std::optional<double> typedCapacityInWatts(std::string_view typed, UnitSystem system)
{
    const std::optional<double> number = parseNumber(typed);
    if (!number)
        return std::nullopt;
    return system == UnitSystem::InchPound ? wattsOf(*number) : *number;
}

std::string typedCapacityAsWatts(std::string_view typed, UnitSystem system)
{
    if (system == UnitSystem::Si)
        return std::string(typed);
    const std::optional<double> watts = typedCapacityInWatts(typed, system);
    return watts ? formatNumber(*watts, '.') : std::string(typed);
}

} // namespace kelvo
