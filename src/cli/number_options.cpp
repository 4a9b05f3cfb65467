#include "cli/number_options.h"

#include <functional>
#include <optional>

#include "cli/command_error.h"
#include "core/selection/unit_details.h"
#include "core/text/numeric_text.h"
#include "core/text/untrusted_text.h"

namespace kelvo::cli
{
namespace
{

// A check that passes an empty value and otherwise says what is wrong, or nothing.
CLI::Validator textCheck(std::function<std::string(const std::string&)> fault)
{
    return CLI::Validator(
        [fault = std::move(fault)](std::string& value) {
            return value.empty() ? std::string() : fault(value);
        },
        "");
}

std::string quoted(const std::string& text)
{
    return "'" + quotedText(text) + "'";
}

} // namespace

CLI::Validator numberText()
{
    return textCheck([](const std::string& text) {
        return parseNumber(text) ? std::string() : "not a number: " + quoted(text);
    });
}

CLI::Validator temperatureText()
{
    return textCheck([](const std::string& text) -> std::string {
        const auto value = parseNumber(text);
        if (!value)
            return "not a number: " + quoted(text);
        if (*value < kAbsoluteZero)
            return quoted(text) + " is below absolute zero, -273.15 C";
        return {};
    });
}

std::string extraAmbientRangeFault(const std::string& text)
{
    return quoted(text) + " is outside " + formatNumber(kExtraAmbientMin, '.') + " .. " +
           formatNumber(kExtraAmbientMax, '.') + " C";
}

CLI::Validator extraAmbientText()
{
    return textCheck([](const std::string& text) -> std::string {
        const auto value = parseNumber(text);
        if (!value)
            return "not a number: " + quoted(text);
        return isExtraAmbient(*value) ? std::string() : extraAmbientRangeFault(text);
    });
}

CLI::Validator countText()
{
    return textCheck([](const std::string& text) -> std::string {
        const auto value = parseInteger(text);
        if (!value || *value < 1)
            return "not a whole number from 1: " + quoted(text);
        return {};
    });
}

CLI::Validator heatFactorText()
{
    return textCheck([](const std::string& text) -> std::string {
        const auto value = parseNumber(text);
        if (!value || *value <= 0)
            return "not a number above 0: " + quoted(text);
        return {};
    });
}

CLI::Validator wholeNumberText()
{
    return textCheck([](const std::string& text) {
        return parseInteger(text) ? std::string() : "not a whole number: " + quoted(text);
    });
}

void addWorkingPointOptions(CLI::App* command, const WorkingPointTexts& texts)
{
    command->add_option("--to", texts.to, "Evaporating temperature, C")
        ->required()
        ->check(temperatureText());
    command->add_option("--ambient", texts.ambient, "Air temperature, C")
        ->required()
        ->check(temperatureText());
    command->add_option("--superheat", texts.superheat, "Suction superheat, K")
        ->required()
        ->check(numberText());
    command->add_option("--subcooling", texts.subcooling, "Liquid subcooling, K")
        ->required()
        ->check(numberText());
}

double numberOption(const std::string& name, const std::string& text)
{
    const auto value = parseNumber(text);
    if (!value)
        throw CommandError(name + ": not a number: " + quoted(text));
    return *value;
}

} // namespace kelvo::cli
