#include "core/selection/details_in_units.h"

#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

// The shown text's number: what a figure column's number becomes, so that every output of the
// same figure agrees.
std::optional<double> shownNumber(const std::string& shown)
{
    std::size_t end = 0;
    while (end < shown.size() && shown[end] != '#' && shown[end] != '*' && shown[end] != '!')
        ++end;
    return parseNumberWithComma(std::string_view(shown).substr(0, end));
}

void convertText(std::string& text, Quantity quantity, UnitSystem system, char separator)
{
    text = figureTextIn(text, quantity, system, separator);
}

void convertTemperature(std::optional<double>& celsius)
{
    if (celsius)
        celsius = fahrenheitOf(*celsius);
}

void convertCell(RangeCell& cell, Quantity quantity, UnitSystem system, char separator)
{
    convertText(cell.text, quantity, system, separator);
    if (cell.value)
        cell.value = shownNumber(cell.text);
    convertTemperature(cell.condensingTemperature);
}

} // namespace

RangeTables rangeTablesIn(const RangeTables& range, UnitSystem system, char separator)
{
    RangeTables shown = range;
    if (system == UnitSystem::Si)
        return shown;
    shown.cornerText = labelIn(range.cornerText, system);
    for (std::size_t k = 0; k < shown.ambients.size(); ++k) {
        convertText(shown.ambientTexts[k], Quantity::Temperature, system, separator);
        shown.ambients[k] = shownNumber(shown.ambientTexts[k]).value_or(shown.ambients[k]);
    }
    for (RangeColumn& column : shown.columns) {
        convertText(column.toText, Quantity::Temperature, system, separator);
        column.to = shownNumber(column.toText).value_or(column.to);
        for (RangeCell& cell : column.capacity)
            convertCell(cell, Quantity::Capacity, system, separator);
        for (RangeCell& cell : column.power)
            convertCell(cell, Quantity::Power, system, separator);
    }
    return shown;
}

UnitDetails unitDetailsIn(const UnitDetails& details, UnitSystem system, char separator)
{
    UnitDetails shown = details;
    if (system == UnitSystem::Si)
        return shown;
    shown.range = rangeTablesIn(details.range, system, separator);
    for (std::string& to : shown.staging.rangeTo)
        convertText(to, Quantity::Temperature, system, separator);
    for (auto& row : shown.staging.rangeQo)
        for (std::string& figure : row)
            convertText(figure, Quantity::Capacity, system, separator);
    UnitDataPanels& data = shown.data;
    for (std::string* text : {&data.evaporatingTemperature, &data.ambientTemperature,
                              &data.condensingTemperature, &data.suctionTemperature})
        convertText(*text, Quantity::Temperature, system, separator);
    convertText(data.subcooling, Quantity::TemperatureDifference, system, separator);
    convertText(data.capacity, Quantity::Capacity, system, separator);
    convertTemperature(data.condensingTemperatureC);
    convertTemperature(data.condensingTemperatureUnrounded);
    convertText(shown.fan.maxTemperature, Quantity::Temperature, system, separator);
    return shown;
}

} // namespace kelvo
