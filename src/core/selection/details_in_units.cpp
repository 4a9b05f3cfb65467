#include "core/selection/details_in_units.h"

#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

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
        cell.value = figureNumber(cell.text);
    convertTemperature(cell.condensingTemperature);
}

void convertColumn(RangeColumn& column, UnitSystem system, char separator)
{
    convertText(column.toText, Quantity::Temperature, system, separator);
    column.to = shownTemperature(column.to, system);
    for (RangeCell& cell : column.capacity)
        convertCell(cell, Quantity::Capacity, system, separator);
    for (RangeCell& cell : column.power)
        convertCell(cell, Quantity::Power, system, separator);
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
        shown.ambients[k] = shownTemperature(shown.ambients[k], system);
    }
    for (RangeColumn& column : shown.columns)
        convertColumn(column, system, separator);
    return shown;
}

double shownTemperature(double celsius, UnitSystem system)
{
    return system == UnitSystem::Si
               ? celsius
               : *parseNumber(
                     displayFigure(celsius, Quantity::Temperature, system, '.', false).number);
}

PerformanceCurves performanceCurvesIn(const RangeTables& range, double to, double ambient,
                                      UnitSystem system, char separator)
{
    return performanceCurves(rangeTablesIn(range, system, separator), shownTemperature(to, system),
                             shownTemperature(ambient, system));
}

std::vector<ChartPrimitive> drawPerformanceCurvesIn(const PerformanceCurves& curves, int width,
                                                    int height, char separator, int language,
                                                    UnitSystem system)
{
    std::vector<ChartPrimitive> primitives =
        drawPerformanceCurves(curves, width, height, separator, language);
    for (ChartPrimitive& primitive : primitives)
        if (primitive.kind == ChartPrimitive::Kind::Text)
            primitive.text = unitNamesIn(primitive.text, system);
    return primitives;
}

void temperatureChartIn(std::vector<ChartPrimitive>& primitives, UnitSystem system, char separator)
{
    for (ChartPrimitive& primitive : primitives)
        if (primitive.kind == ChartPrimitive::Kind::Text)
            primitive.text = temperatureTextIn(primitive.text, system, separator);
}

UnitDetails unitDetailsIn(const UnitDetails& details, UnitSystem system, char separator)
{
    UnitDetails shown = details;
    if (system == UnitSystem::Si)
        return shown;
    shown.range = rangeTablesIn(details.range, system, separator);
    if (shown.extraAmbientPoint)
        convertColumn(*shown.extraAmbientPoint, system, separator);
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
