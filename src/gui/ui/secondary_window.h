#pragma once

#include <QSize>

class QHBoxLayout;
class QWidget;

namespace kelvo::gui
{

// What every secondary window offers: Escape and a "Close" button do what its close box does.
void closeWithEscape(QWidget* window);
// A row with the window's close button at its right, captioned in `language`, with a mnemonic.
QHBoxLayout* closeButtonRow(QWidget* window, int language);

// Resizes a window to `wanted`, or to the room its screen leaves when that is smaller (with
// space for the frame a window manager adds), and centres it on the screen's available area.
void fitIntoScreen(QWidget* window, QSize wanted);

// Moves `window` (sized already) beside `keepVisible`, to its right or else to its left, within
// the screen, so that what it reads from stays in sight.
void placeClearOf(QWidget* window, const QWidget* keepVisible);

// When `window` closes, the keyboard focus goes back to the widget that had it as the window
// opened (or else to `opener`), and its window is made active again: without a window manager
// nothing else would take the focus.
void returnFocusOnClose(QWidget* window, QWidget* opener);

} // namespace kelvo::gui
