#include "gui/ui/language_text.h"

#include "core/app/application_state.h"
#include "gui/ui/qt_text.h"

namespace kelvo::gui
{

QString languageText(const ApplicationState& state, int entry)
{
    return fromUtf8Text(state.languages.text(entry));
}

} // namespace kelvo::gui
