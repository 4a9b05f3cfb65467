#include "core/text/code_page.h"

#include <gtest/gtest.h>

namespace kelvo
{
namespace
{

TEST(CodePage, PolishLettersRoundTrip)
{
    const std::string utf8 = "Sprężarka Łódź źdźbło";
    const std::string bytes = fromUtf8(utf8);
    EXPECT_EQ(bytes.size(), utf8.size() - 8); // one byte each for the eight non-ASCII letters
    EXPECT_EQ(static_cast<unsigned char>(bytes[3]), 0xEA); // "ę"
    EXPECT_EQ(toUtf8(bytes), utf8);
}

TEST(CodePage, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    for (auto cp : {CodePage::Windows1250, CodePage::Windows1252, CodePage::Windows1257})
        EXPECT_EQ(fromUtf8(toUtf8(all, cp), cp), all);
}

TEST(CodePage, UnknownCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(fromUtf8("a\xE2\x98\x83"
                       "b"),
              "a?b"); // snowman
    EXPECT_EQ(fromUtf8("a\xC3"
                       "b"),
              "a?b"); // cut sequence
    EXPECT_EQ(toUtf8("\xE0", CodePage::Windows1257), "ą");
}

} // namespace
} // namespace kelvo
