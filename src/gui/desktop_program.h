#pragma once

namespace kelvo::gui
{

// Runs the desktop program until its start window is closed, its windows on one workspace of the
// data folder.
int runDesktopProgram(int argc, char** argv);

} // namespace kelvo::gui
