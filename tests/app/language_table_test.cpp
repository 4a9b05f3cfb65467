#include "core/app/language_table.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <regex>

#include <gtest/gtest.h>

#include "core/text/code_page.h"

namespace kelvo
{
namespace
{

constexpr std::array kEmptyEntries = {6,   7,   8,   14,  15,  20,  25,  29,  38,  50,
                                      64,  80,  84,  104, 115, 116, 117, 118, 132, 133,
                                      134, 138, 139, 142, 146, 147, 148, 149, 150};

bool isListedEmpty(int entry)
{
    return std::find(kEmptyEntries.begin(), kEmptyEntries.end(), entry) != kEmptyEntries.end();
}

TEST(LanguageTable, PolishAndEnglishTextsAreKeptAsDesigned)
{
    const LanguageTable table;
    EXPECT_EQ(table.text(kPolish, 1), "Program");
    EXPECT_EQ(table.text(kEnglish, 1), "Software");
    EXPECT_EQ(table.text(kPolish, 9), "Czynnik chłodniczy");
    EXPECT_EQ(table.text(kEnglish, 125), "Max.  operating current");
    EXPECT_EQ(table.text(kPolish, 140), "Poz.");
    EXPECT_EQ(table.text(kEnglish, 140), "Item");
    EXPECT_EQ(table.text(kEnglish, 141), "Model");
}

TEST(LanguageTable, StartWindowHintsInSlovak)
{
    LanguageTable table;
    table.chooseLanguage(kSlovak);
    EXPECT_EQ(table.text(144), "KONDENZAČNÉ JEDNOTKY NA OCEĽOVEJ DOSKE");
    EXPECT_EQ(table.text(145), "KONDENZAČNÉ JEDNOTKY V OCHRANNOM OBALE");
    EXPECT_EQ(table.text(143), "FUNKCIA ZATIAĽ NEDOSTUPNÁ");
}

TEST(LanguageTable, UnusedEntriesAreEmptyInEveryLanguage)
{
    const LanguageTable table;
    for (int language = 1; language <= kLanguageCount; ++language) {
        for (int entry : kEmptyEntries)
            EXPECT_TRUE(table.text(language, entry).empty()) << language << "/" << entry;
    }
}

TEST(LanguageTable, EveryUsedEntryHasATextThatFitsItsCodePage)
{
    const LanguageTable table;
    for (int language = 1; language <= kLanguageCount; ++language) {
        const CodePage codePage = languageCodePage(language);
        for (int entry = 1; entry <= kLanguageEntryCount; ++entry) {
            if (isListedEmpty(entry))
                continue;
            const std::string_view text = table.text(language, entry);
            const std::string bytes = table.textInCodePage(language, entry);
            EXPECT_FALSE(text.empty()) << language << "/" << entry;
            EXPECT_LE(bytes.size(), static_cast<std::size_t>(kLanguageTextMaxLength))
                << language << "/" << entry;
            // A character the code page lacks would come back as "?".
            EXPECT_EQ(toUtf8(bytes, codePage), text) << language << "/" << entry;
        }
    }
}

// Every name of language_entries.h stands for its own entry, and that entry has a text in all
// five languages: a name given to an empty or mistyped number shows nothing on the screen.
TEST(LanguageTable, EveryNamedEntryHasATextInEveryLanguage)
{
    std::ifstream header(KELVO_CORE_SOURCE_DIR "/app/language_entries.h");
    ASSERT_TRUE(header);
    const std::regex named(R"(^\s*(\w+) = (\d+),)");
    std::map<int, std::string> names;
    const LanguageTable table;
    for (std::string line; std::getline(header, line);) {
        std::smatch match;
        if (!std::regex_search(line, match, named) || match[1] == "None")
            continue;
        const int entry = std::stoi(match[2]);
        EXPECT_TRUE(names.emplace(entry, match[1]).second) << match[1] << " repeats " << entry;
        for (int language = 1; language <= kLanguageCount; ++language)
            EXPECT_FALSE(table.text(language, entry).empty()) << match[1] << "/" << language;
    }
    EXPECT_EQ(names.size() + kEmptyEntries.size(), static_cast<std::size_t>(kLanguageEntryCount));
    EXPECT_EQ(names.at(LanguageEntry::Item), "Item");
}

TEST(LanguageTable, EachLanguageConvertsToItsOwnCodePage)
{
    const LanguageTable table;
    EXPECT_EQ(table.textInCodePage(kPolish, 9), "Czynnik ch\xB3odniczy");          // "ł"
    EXPECT_EQ(table.textInCodePage(kLithuanian, 34), "Dviguba sl\xEBgio rel\xEB"); // "ė"
}

TEST(LanguageTable, StartsInEnglish)
{
    const LanguageTable table;
    EXPECT_EQ(table.currentLanguage(), kEnglish);
    for (int language = 1; language <= kLanguageCount; ++language)
        EXPECT_EQ(table.isSelected(language), language == kEnglish);
    const std::array<std::string_view, 5> menus = {"Software", "Exit", "Language", "Help", "Info"};
    for (int entry = 1; entry <= 5; ++entry)
        EXPECT_EQ(table.text(entry), menus[static_cast<std::size_t>(entry - 1)]);
}

TEST(LanguageTable, ChoosingALanguageSelectsOnlyThatOne)
{
    LanguageTable table;
    table.chooseLanguage(kLithuanian);
    table.chooseLanguage(kCzech);
    EXPECT_EQ(table.currentLanguage(), kCzech);
    for (int language = 1; language <= kLanguageCount; ++language)
        EXPECT_EQ(table.records()[static_cast<std::size_t>(language - 1)].selected,
                  language == kCzech);
    EXPECT_EQ(table.text(2), "Konec");

    for (int outside : {0, -1, 6, 100}) {
        table.chooseLanguage(outside);
        EXPECT_EQ(table.currentLanguage(), kCzech);
        EXPECT_TRUE(table.isSelected(kCzech));
        EXPECT_FALSE(table.isSelected(outside));
    }
}

TEST(LanguageTable, NumbersOutOfRangeGiveEmptyTexts)
{
    const LanguageTable table;
    EXPECT_TRUE(table.text(0, 1).empty());
    EXPECT_TRUE(table.text(6, 1).empty());
    EXPECT_TRUE(table.text(kEnglish, 0).empty());
    EXPECT_TRUE(table.text(kEnglish, -3).empty());
    EXPECT_TRUE(table.text(kEnglish, kLanguageEntryCount + 1).empty());
    EXPECT_TRUE(table.text(kLanguageEntryCount + 1).empty());
    EXPECT_TRUE(table.textInCodePage(7, 1).empty());
    EXPECT_TRUE(languageName(0).empty());
    EXPECT_EQ(languageName(kLithuanian), "Lietuviř");
}

} // namespace
} // namespace kelvo
