#pragma once

#include <string>

namespace kelvo
{
struct ApplicationState;
struct AdditionalAccessoryChoices;
} // namespace kelvo

namespace kelvo::gui
{

// The chosen unit's datasheet written as a PDF file without a window, for the command line:
// starts the toolkit offscreen when no application runs. Returns the reason of a failure, or
// an empty text.
std::string writeDatasheetPdfWithoutWindow(ApplicationState& state,
                                           const AdditionalAccessoryChoices& choices, int language,
                                           const std::string& path);

} // namespace kelvo::gui
