#include "core/app/own_texts.h"

#include <gtest/gtest.h>

#include "core/app/language_table.h"
#include "core/text/code_page.h"

namespace kelvo
{
namespace
{

constexpr OwnText kAll[] = {OwnText::CondensingAbove70, OwnText::CompressorNotFound,
                            OwnText::CondenserNotFound, OwnText::IncompleteData,
                            OwnText::RangeColumnsCut,   OwnText::UnitCop,
                            OwnText::SafetyClass,       OwnText::FlammableRefrigerant};

bool takesArgument(OwnText text)
{
    return text == OwnText::CompressorNotFound || text == OwnText::CondenserNotFound ||
           text == OwnText::RangeColumnsCut || text == OwnText::FlammableRefrigerant;
}

TEST(OwnTexts, EveryTextIsDistinctPerLanguageAndTakesItsArgument)
{
    for (const OwnText text : kAll) {
        for (int language = 1; language <= kLanguageCount; ++language) {
            const std::string_view shown = ownText(text, language);
            EXPECT_FALSE(shown.empty());
            EXPECT_EQ(shown.find("{}") != std::string_view::npos, takesArgument(text)) << shown;
            if (language != kEnglish) {
                EXPECT_NE(shown, ownText(text, kEnglish)) << shown;
            }
        }
        EXPECT_EQ(ownText(text, 0), ownText(text, kEnglish));
        EXPECT_EQ(ownText(text, kLanguageCount + 1), ownText(text, kEnglish));
    }
    EXPECT_EQ(ownText(OwnText::CondensingAbove70, kPolish), "Temperatura skraplania > 70 C");
    EXPECT_EQ(ownText(OwnText::CondenserNotFound, kEnglish, "K-12"),
              "The unit's condenser was not found (id 'K-12')");
}

TEST(OwnTexts, InTheCatalogueCodePageOnlyLithuanianLettersLoseTheirMarks)
{
    for (const OwnText text : kAll) {
        for (const int language : {kPolish, kEnglish, kCzech, kSlovak}) {
            const std::string bytes = ownTextInCatalogueCodePage(text, language, "x");
            EXPECT_EQ(toUtf8(bytes), ownText(text, language, "x"));
        }
        const std::string lithuanian = toUtf8(ownTextInCatalogueCodePage(text, kLithuanian));
        EXPECT_EQ(lithuanian.find('?'), std::string::npos) << lithuanian;
    }
    EXPECT_EQ(toUtf8(ownTextInCatalogueCodePage(OwnText::CondensingAbove70, kLithuanian)),
              "Kondensacijos temperatura > 70 C");
    // A catalogue id is bytes of the code page already and goes in unchanged.
    EXPECT_EQ(ownTextInCatalogueCodePage(OwnText::CompressorNotFound, kPolish, "\xa3-1"),
              fromUtf8("Nie znaleziono sprężarki agregatu (id 'Ł-1')"));
}

} // namespace
} // namespace kelvo
