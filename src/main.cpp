#include <iostream>
#include <memory>

#include "cli/command_line.h"
#include "core/app/application_state.h"

#ifdef KELVO_WITH_GUI
#include "gui/desktop_program.h"
#include "gui/reports/command_datasheet.h"
#endif

namespace
{

// Commands that need Qt live in the desktop program's library.
kelvo::cli::CommandRegistrar toolkitCommands()
{
#ifdef KELVO_WITH_GUI
    return kelvo::gui::addDatasheetCommand;
#else
    return {};
#endif
}

} // namespace

int main(int argc, char** argv)
{
    if (kelvo::cli::wantsCommandLine(argc, argv))
        return kelvo::cli::runCommandLine(argc, argv, std::cout, std::cerr, toolkitCommands());
#ifdef KELVO_WITH_GUI
    // The desktop program's whole state, owned here for the run.
    auto state = std::make_unique<kelvo::ApplicationState>();
    return kelvo::gui::runDesktopProgram(argc, argv, *state);
#else
    return kelvo::cli::runCommandLine(argc, argv, std::cout, std::cerr, toolkitCommands());
#endif
}
