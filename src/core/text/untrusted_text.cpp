#include "core/text/untrusted_text.h"

namespace kelvo
{
namespace
{

void appendPrintable(std::string& out, unsigned char c)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    if (c < 0x20 || c == 0x7F) {
        out += "\\x";
        out += kHex[c >> 4];
        out += kHex[c & 0x0F];
    } else {
        out += static_cast<char>(c);
    }
}

bool continuationByte(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

} // namespace

std::string printableText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        appendPrintable(out, static_cast<unsigned char>(c));
    return out;
}

std::string quotedText(std::string_view text)
{
    std::string out;
    std::size_t characters = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (!continuationByte(byte) && characters++ == kQuotedCharacters) {
            out += "…";
            break;
        }
        appendPrintable(out, byte);
    }
    return out;
}

} // namespace kelvo
