#include "core/text/untrusted_text.h"

namespace kelvo
{
namespace
{

bool controlByte(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

void appendEscaped(std::string& out, unsigned char c)
{
    constexpr char kHex[] = "0123456789ABCDEF";
    out += "\\x";
    out += kHex[c >> 4];
    out += kHex[c & 0x0F];
}

// The length of the well-formed UTF-8 sequence at the start of `text` (no overlong form, no
// surrogate, nothing above U+10FFFF), or 0 when its first byte begins none.
std::size_t sequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    return length;
}

// Walks the text one shown character at a time: a well-formed UTF-8 character as it is, a
// control byte or a byte of no such character as "\xNN". `lineBreaks` replaces CR and LF.
// Stops after `limit` characters with "…" when more follow.
std::string printable(std::string_view text, std::size_t limit, const char* lineBreaks)
{
    std::string out;
    out.reserve(text.size() < limit ? text.size() : limit);
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size();) {
        if (characters++ == limit) {
            out += "…";
            break;
        }
        const auto c = static_cast<unsigned char>(text[at]);
        if (lineBreaks && (c == '\r' || c == '\n')) {
            out += lineBreaks;
            ++at;
            continue;
        }
        const std::size_t length = sequenceLength(text.substr(at));
        if (length == 0 || (length == 1 && controlByte(c))) {
            appendEscaped(out, c);
            ++at;
            continue;
        }
        out.append(text.substr(at, length));
        at += length;
    }
    return out;
}

constexpr std::size_t kWhole = std::string_view::npos;

} // namespace

std::string printableText(std::string_view text)
{
    return printable(text, kWhole, nullptr);
}

std::string printableLine(std::string_view text)
{
    return printable(text, kWhole, " ");
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
    return printable(text, kQuotedCharacters, nullptr);
}

} // namespace kelvo
