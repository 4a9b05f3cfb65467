#pragma once

#include <string>

namespace kelvo
{
class SelectionSession;
struct AdditionalAccessoryChoices;
} // namespace kelvo

namespace kelvo::gui
{

// The session's chosen unit's datasheet written as a PDF file without a window, for the command
// line: starts the toolkit offscreen when no application runs. Returns the reason of a failure, or
// an empty text.
std::string writeDatasheetPdfWithoutWindow(SelectionSession& session,
                                           const AdditionalAccessoryChoices& choices, int language,
                                           const std::string& path);

} // namespace kelvo::gui
