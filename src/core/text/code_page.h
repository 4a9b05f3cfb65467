#pragma once

#include <string>
#include <string_view>

namespace kelvo
{

// The 8-bit code pages of the catalogue (Windows-1250) and of Lithuanian texts
// (Windows-1257). The five bytes a code page leaves undefined map to the C1 control with the
// same number, so every byte survives a round trip through Unicode.
enum class CodePage { Windows1250, Windows1252, Windows1257 };

std::string toUtf8(std::string_view bytes, CodePage codePage = CodePage::Windows1250);
// A character the code page cannot hold becomes "?"; malformed UTF-8 likewise.
std::string fromUtf8(std::string_view utf8, CodePage codePage = CodePage::Windows1250);

} // namespace kelvo
