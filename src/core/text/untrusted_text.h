#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvo
{

// Text from a file or an option that a message quotes can be anything: megabytes of it, or
// terminal control sequences. These make it safe to show.

inline constexpr std::size_t kQuotedCharacters = 60;

// Control bytes (below 0x20, and 0x7F) and bytes that begin no well-formed UTF-8 character as
// "\xNN"; every UTF-8 character as it is.
std::string printableText(std::string_view text);

// The text for a one-line display: line breaks become blanks, other control bytes "\xNN".
std::string printableLine(std::string_view text);

// Whether the text holds a control byte (a line break among them).
bool holdsControlByte(std::string_view text);

// printableText of at most kQuotedCharacters characters (a UTF-8 sequence counts once, and is
// never split), with "…" when the text was longer.
std::string quotedText(std::string_view text);

} // namespace kelvo
