// Numeric text as fields hold it: a number is finite or refused, an integer fits 32 bits, and
// the refusal's message quotes the text safely and briefly.

#include <cmath>
#include <string>

#include "core/text/numeric_text.h"
#include "targets/fuzz_input.h"

namespace
{

void checkQuoted(const std::string& message)
{
    for (const unsigned char c : message)
        if (c < 0x20 || c == 0x7F)
            kelvo::fuzz::fail("a message holds a control byte");
    // 60 characters of at most 4 bytes each, escaped bytes 4 each, and the message's words.
    if (message.size() > 60 * 4 + 100)
        kelvo::fuzz::fail("a message quotes too much");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = kelvo::fuzz::asText(data, size);
    if (const auto number = kelvo::parseNumber(text)) {
        if (!std::isfinite(*number))
            kelvo::fuzz::fail("a number converted to a value that is not finite");
        if (!kelvo::parseNumber(kelvo::formatNumber(*number, ',')))
            kelvo::fuzz::fail("a written number does not read back");
    } else {
        checkQuoted(kelvo::invalidNumberMessage(text));
    }
    if (!kelvo::parseInteger(text))
        checkQuoted(kelvo::invalidIntegerMessage(text));
    std::string copy(text);
    kelvo::dotToComma(copy);
    if (copy.size() != text.size())
        kelvo::fuzz::fail("the decimal rewrite changed the length");
    return 0;
}
