#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace kelvo::cli
{

// Checks made while the command line is read, so that a value that is no number of the kind
// asked for is a bad command line (status 2) naming its option, in every command alike. An
// empty value passes them: the command line refuses it as empty. Numbers are typed as the
// user types them in the program: "12,5" or "12.5".

// Any number.
CLI::Validator numberText();
// A temperature in C: a number not below absolute zero.
CLI::Validator temperatureText();
// The range tables' extra ambient in C: kExtraAmbientMin .. kExtraAmbientMax.
CLI::Validator extraAmbientText();
// What is wrong with an extra ambient out of that range, for the option's message.
std::string extraAmbientRangeFault(const std::string& text);
// A number of compressors or condensers: a whole number from 1.
CLI::Validator countText();
// The factor x in Qk=(Qo+Pe) x: a number above 0.
CLI::Validator heatFactorText();
// An index (Poz.) or a row: a whole number. Whether the table holds it is for the command to
// say (a refusal, status 1).
CLI::Validator wholeNumberText();

inline constexpr double kAbsoluteZero = -273.15;

// The working point of one evaluation, each option required and checked as above: --to and
// --ambient (temperatures), --superheat and --subcooling (numbers).
struct WorkingPointTexts {
    std::string& to;
    std::string& ambient;
    std::string& superheat;
    std::string& subcooling;
};
void addWorkingPointOptions(CLI::App* command, const WorkingPointTexts& texts);

// The value of a number option the checks above have passed; throws CommandError naming the
// option for one they have not seen.
double numberOption(const std::string& name, const std::string& text);

} // namespace kelvo::cli
