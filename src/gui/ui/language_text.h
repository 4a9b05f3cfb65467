#pragma once

#include <QString>

namespace kelvo
{
struct ApplicationState;
}

namespace kelvo::gui
{

// Entry k of the language table in the current language.
QString languageText(const ApplicationState& state, int entry);

} // namespace kelvo::gui
