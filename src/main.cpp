#include <iostream>

#include "command_line.h"

#ifdef KELVO_WITH_GUI
#include "desktop_program.h"
#endif

int main(int argc, char** argv)
{
    if (kelvo::cli::wantsCommandLine(argc, argv))
        return kelvo::cli::runCommandLine(argc, argv, std::cout, std::cerr);
#ifdef KELVO_WITH_GUI
    return kelvo::gui::runDesktopProgram(argc, argv);
#else
    return kelvo::cli::runCommandLine(argc, argv, std::cout, std::cerr);
#endif
}
