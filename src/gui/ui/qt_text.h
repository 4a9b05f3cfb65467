#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kelvo::gui
{

// The core keeps catalogue texts as Windows-1250 bytes and everything else as UTF-8; the
// windows speak QString. These are the only crossings.
QString fromCatalogueText(std::string_view bytes);
// Catalogue texts (Windows-1250) as the lines of one hint, the empty ones left out.
QString reasonLines(std::string_view first, std::string_view second);
std::string toCatalogueText(const QString& text);
QString fromUtf8Text(std::string_view utf8);

} // namespace kelvo::gui
