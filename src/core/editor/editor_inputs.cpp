#include "core/editor/editor_inputs.h"

#include <array>

#include "core/app/temperature_lists.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

std::vector<double> wholeNumbers(int first, int last)
{
    std::vector<double> values;
    const int step = first <= last ? 1 : -1;
    for (int v = first;; v += step) {
        values.push_back(v);
        if (v == last)
            break;
    }
    return values;
}

} // namespace

std::string InputList::defaultText() const
{
    if (defaultIndex < 0 || defaultIndex >= static_cast<int>(items.size()))
        return {};
    return items[static_cast<std::size_t>(defaultIndex)];
}

InputList pairEvaporatingList(char separator)
{
    InputList list{choiceTexts(evaporatingTemperatureChoices(), separator),
                   kDefaultEvaporatingChoice};
    // The first item is written with a comma whatever the display separator is.
    list.items.front() = "12,5";
    return list;
}

InputList ambientList(char separator)
{
    return {choiceTexts(ambientTemperatureChoices(), separator), kDefaultAmbientChoice};
}

InputList superheatList()
{
    return {choiceTexts(wholeNumbers(0, 50), ','), 10};
}

InputList subcoolingList()
{
    return {choiceTexts(wholeNumbers(0, 50), ','), 0};
}

InputList countList()
{
    return {choiceTexts(wholeNumbers(1, 10), ','), 0};
}

InputList unitEvaporatingList(const CondensingUnitRecord& unit, char separator)
{
    const auto minimum = parseNumber(unit.toMin.view());
    const auto maximum = parseNumber(unit.toMax.view());
    InputList list;
    if (!minimum || !maximum) {
        list.items.emplace_back("0");
        return list;
    }
    const double lowest = roundHalfEven(*minimum);
    double value = *maximum;
    while (value >= lowest && static_cast<int>(list.items.size()) < kMaxEvaporatingItems) {
        list.items.push_back(formatNumber(value, separator));
        value -= 0.5;
    }
    return list;
}

EditorInputs initialEditorInputs(char separator)
{
    EditorInputs inputs;
    setEvaporatingList(inputs, pairEvaporatingList(separator));
    inputs.ambient = ambientList(separator).defaultText();
    inputs.superheat = superheatList().defaultText();
    inputs.subcooling = subcoolingList().defaultText();
    inputs.compressorCount = countList().defaultText();
    inputs.condenserCount = countList().defaultText();
    inputs.countsEnabled = true;
    inputs.heatFactor = formatNumber(kDefaultCondenserHeatFactor, separator);
    return inputs;
}

void setEvaporatingList(EditorInputs& inputs, const InputList& list)
{
    inputs.evaporatingItems = list.items;
    inputs.to = list.defaultText();
}

double condenserHeatFactorFromText(std::string_view text)
{
    std::string fixed(text);
    dotToComma(fixed);
    return parseNumber(fixed).value_or(1.0);
}

std::optional<double> heatFactorFromText(std::string_view text)
{
    std::string fixed(text);
    dotToComma(fixed);
    const auto factor = parseNumber(fixed);
    if (!factor || !(*factor > 0))
        return std::nullopt;
    return factor;
}

namespace
{

// By EditorInputBox.
constexpr std::array<std::string EditorInputs::*, 6> kBoxTexts = {&EditorInputs::to,
                                                                  &EditorInputs::ambient,
                                                                  &EditorInputs::compressorCount,
                                                                  &EditorInputs::condenserCount,
                                                                  &EditorInputs::superheat,
                                                                  &EditorInputs::subcooling};

} // namespace

std::string& inputText(EditorInputs& inputs, EditorInputBox box)
{
    return inputs.*kBoxTexts.at(static_cast<std::size_t>(box));
}

const std::string& inputText(const EditorInputs& inputs, EditorInputBox box)
{
    return inputs.*kBoxTexts.at(static_cast<std::size_t>(box));
}

} // namespace kelvo
