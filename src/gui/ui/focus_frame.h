#pragma once

class QWidget;

namespace kelvo::gui
{

// Draws the keyboard focus of a picture that acts as a button: a frame in the highlight colour
// inside the widget's edge. Call at the end of its paintEvent while it has focus.
void paintFocusFrame(QWidget* widget);

// Whether a key press activates a focused picture button (Enter, Return or Space).
bool activatesButton(int key);

} // namespace kelvo::gui
