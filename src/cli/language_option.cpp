#include "cli/language_option.h"

#include <array>
#include <cctype>
#include <string>

#include "core/app/language_table.h"

namespace kelvo::cli
{
namespace
{

// Index k holds the code of language k + 1, as the "Język" menu numbers them.
constexpr std::array<std::string_view, kLanguageCount> kLanguageCodes{"pl", "en", "cs", "sk", "lt"};

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

} // namespace

std::optional<int> languageNumber(std::string_view text)
{
    const std::string lower = lowerCase(text);
    for (int k = 1; k <= kLanguageCount; ++k)
        if (lower == std::to_string(k) || lower == kLanguageCodes[static_cast<std::size_t>(k - 1)])
            return k;
    return std::nullopt;
}

void addLanguageOption(CLI::App* command, int& language)
{
    // The validator turns a code into its number before the option stores it.
    const CLI::Validator known(
        [](std::string& value) -> std::string {
            const auto number = languageNumber(value);
            if (!number)
                return "unknown language '" + value +
                       "' (known: 1 pl Polish, 2 en English, 3 cs Czech, 4 sk Slovak, "
                       "5 lt Lithuanian)";
            value = std::to_string(*number);
            return {};
        },
        "LANGUAGE");
    command
        ->add_option("--language,--lang", language,
                     "Language of the headers and of the program's reasons: 1 or pl Polish, "
                     "2 or en English, 3 or cs Czech, 4 or sk Slovak, 5 or lt Lithuanian "
                     "(default en)")
        ->transform(known);
}

} // namespace kelvo::cli
