#pragma once

namespace kelvo
{
struct ApplicationState;
}

namespace kelvo::gui
{

// Runs the desktop program until its start window is closed: the selection windows on a workspace
// of the data folder, the catalogue editor on `editorState`.
int runDesktopProgram(int argc, char** argv, ApplicationState& editorState);

} // namespace kelvo::gui
