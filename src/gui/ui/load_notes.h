#pragma once

class QStatusBar;

#include <string_view>

namespace kelvo
{
struct ApplicationState;
class Workspace;
} // namespace kelvo

namespace kelvo::gui
{

// The notes of the last catalogue load (a file cut short) and of the property table loaded last
// (rows that cannot be used) as a lasting line of the status bar, which a passing message
// covers only for its time; no line when the loads had none.
void showLoadNotes(QStatusBar* bar, const ApplicationState& state);
// The same for a workspace and the refrigerant whose table a window uses.
void showLoadNotes(QStatusBar* bar, const Workspace& workspace, std::string_view refrigerant);

} // namespace kelvo::gui
