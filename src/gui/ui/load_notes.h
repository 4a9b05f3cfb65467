#pragma once

class QStatusBar;

namespace kelvo
{
struct ApplicationState;
}

namespace kelvo::gui
{

// The notes of the last catalogue load (a file cut short) and of the property table loaded last
// (rows that cannot be used) as a lasting line of the status bar, which a passing message
// covers only for its time; no line when the loads had none.
void showLoadNotes(QStatusBar* bar, const ApplicationState& state);

} // namespace kelvo::gui
