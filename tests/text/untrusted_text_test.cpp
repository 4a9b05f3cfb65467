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
    // Bytes that are no UTF-8 sequence (another code page, random bytes) count one each, so
    // a megabyte of them is cut like any text.
    const std::string stray(1'000'000, '\xBA');
    EXPECT_EQ(quotedText(stray), stray.substr(0, 60) + "…");
}

} // namespace
} // namespace kelvo
