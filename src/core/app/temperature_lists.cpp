#include "core/app/temperature_lists.h"

#include "core/text/numeric_text.h"

namespace kelvo
{

std::vector<double> evaporatingTemperatureChoices()
{
    std::vector<double> choices{12.5};
    for (int t = 12; t >= -45; --t)
        choices.push_back(t);
    return choices;
}

std::vector<double> ambientTemperatureChoices()
{
    std::vector<double> choices;
    for (int t = 50; t >= 0; --t)
        choices.push_back(t);
    return choices;
}

std::vector<std::string> choiceTexts(const std::vector<double>& choices, char separator,
                                     UnitSystem system)
{
    std::vector<std::string> texts;
    texts.reserve(choices.size());
    for (const double value : choices)
        texts.push_back(temperatureChoiceText(value, system, separator));
    return texts;
}

} // namespace kelvo
