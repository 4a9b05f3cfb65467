#pragma once

#include <string_view>

class QStatusBar;

namespace kelvo
{
class Workspace;
} // namespace kelvo

namespace kelvo::gui
{

// The notes of the last catalogue load (a file cut short) and of the property table of
// `refrigerant` (rows that cannot be used) as a lasting line of the status bar, which a passing
// message covers only for its time; no line when the loads had none.
void showLoadNotes(QStatusBar* bar, const Workspace& workspace, std::string_view refrigerant);

} // namespace kelvo::gui
