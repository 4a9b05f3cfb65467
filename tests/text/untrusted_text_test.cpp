#include "core/text/untrusted_text.h"

#include <gtest/gtest.h>
#include <string>

namespace kelvo
{
namespace
{

TEST(UntrustedText, ControlBytesAreEscapedAndLongTextsCut)
{
    EXPECT_EQ(printableText("a\x1b[2Jb\x7f\t"), "a\\x1B[2Jb\\x7F\\x09");
    EXPECT_EQ(printableText("żółw 1,5"), "żółw 1,5");
    EXPECT_EQ(quotedText(std::string(60, 'x')), std::string(60, 'x'));
    EXPECT_EQ(quotedText(std::string(61, 'x')), std::string(60, 'x') + "…");
    // Characters, not bytes, are counted, and a letter is never split.
    std::string letters;
    for (int i = 0; i < 61; ++i)
        letters += "ż";
    EXPECT_EQ(quotedText(letters), letters.substr(0, 120) + "…");
    EXPECT_EQ(quotedText(""), "");
    // Bytes that are no UTF-8 character (another code page, random bytes) are shown as \xNN and
    // count one each, so a megabyte of them is cut like any text.
    std::string escaped;
    for (int i = 0; i < 60; ++i)
        escaped += "\\xBA";
    EXPECT_EQ(quotedText(std::string(1'000'000, '\xBA')), escaped + "…");
}

TEST(UntrustedText, EveryByteThatIsNoCharacterIsShownByItsCode)
{
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {std::string("R44\0"
                     "8A",
                     6),
         "R44\\x008A"}, // a NUL no longer ends the text
        {"-9.47e-12\r", "-9.47e-12\\x0D"},
        {"Sprężarka \xB9\x9C", "Sprężarka \\xB9\\x9C"}, // Windows-1250 bytes
        {"\xC0\xAF", "\\xC0\\xAF"},                     // an overlong "/"
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},            // a surrogate
        {"\xE2\x82", "\\xE2\\x82"},                     // a character cut short
        {"°C €", "°C €"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(quotedText(c.text), c.shown) << c.shown;
        EXPECT_EQ(printableText(c.text), c.shown) << c.shown;
    }
    EXPECT_EQ(printableLine("a\r\nb\x01"), "a  b\\x01");
}

} // namespace
} // namespace kelvo
