#pragma once

class QStatusBar;

namespace kelvo
{
struct Catalogue;
}

namespace kelvo::gui
{

// The notes of the last catalogue load (a file cut short) as a lasting line of the status bar,
// which a passing message covers only for its time; no line when the load had none.
void showLoadNotes(QStatusBar* bar, const Catalogue& catalogue);

} // namespace kelvo::gui
