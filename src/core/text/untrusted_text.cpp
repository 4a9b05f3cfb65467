#include "core/text/untrusted_text.h"

namespace kelvo
{
namespace
{

bool controlByte(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

void appendPrintable(std::string& out, unsigned char c)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    if (controlByte(c)) {
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

// How many continuation bytes a UTF-8 lead byte announces.
int continuationsAnnounced(unsigned char c)
{
    if ((c & 0xE0) == 0xC0)
        return 1;
    if ((c & 0xF0) == 0xE0)
        return 2;
    if ((c & 0xF8) == 0xF0)
        return 3;
    return 0;
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

std::string printableLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        if (c == '\r' || c == '\n')
            out += ' ';
        else
            appendPrintable(out, static_cast<unsigned char>(c));
    return out;
}

bool holdsControlByte(std::string_view text)
{
    for (const char c : text)
        if (controlByte(static_cast<unsigned char>(c)))
            return true;
    return false;
}

std::string quotedText(std::string_view text)
{
    std::string out;
    std::size_t characters = 0;
    int continuationsDue = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // A continuation byte belongs to the character its lead byte began; a stray one (a
        // text in another code page, or random bytes) is a character of its own.
        if (continuationByte(byte) && continuationsDue > 0) {
            --continuationsDue;
        } else {
            if (characters++ == kQuotedCharacters) {
                out += "…";
                break;
            }
            continuationsDue = continuationsAnnounced(byte);
        }
        appendPrintable(out, byte);
    }
    return out;
}

} // namespace kelvo
