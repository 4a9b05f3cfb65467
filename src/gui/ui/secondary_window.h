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

// Resizes a window to `wanted`, or to the room its screen leaves when that is smaller, and
// centres it on that room, leaving space for the frame the window manager adds.
void fitIntoScreen(QWidget* window, QSize wanted);

} // namespace kelvo::gui
