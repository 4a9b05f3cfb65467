#pragma once

#include <QString>

namespace kelvo
{
class LanguageTable;
}

namespace kelvo::gui
{

// Entry k of the language table in its current language.
QString languageText(const LanguageTable& languages, int entry);

} // namespace kelvo::gui
