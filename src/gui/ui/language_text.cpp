#include "gui/ui/language_text.h"

#include "core/app/language_table.h"
#include "gui/ui/qt_text.h"

namespace kelvo::gui
{

QString languageText(const LanguageTable& languages, int entry)
{
    return fromUtf8Text(languages.text(entry));
}

} // namespace kelvo::gui
