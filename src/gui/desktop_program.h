#pragma once

namespace kelvo
{
struct ApplicationState;
}

namespace kelvo::gui
{

// Runs the desktop program on the given state until its start window is closed.
int runDesktopProgram(int argc, char** argv, ApplicationState& state);

} // namespace kelvo::gui
