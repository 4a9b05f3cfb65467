#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string_view>

namespace kelvo::cli
{

// The language number 1 .. kLanguageCount of "1" .. "5" or of a code pl, en, cs, sk, lt
// (any case); nothing for another text.
std::optional<int> languageNumber(std::string_view text);

// "--language" (also "--lang") taking a number or a code; stores the number.
void addLanguageOption(CLI::App* command, int& language);

} // namespace kelvo::cli
