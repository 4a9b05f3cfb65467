#include <iostream>

#include "cli/command_line.h"
#include "cli/program_file.h"
#include "cli/toolkit_module.h"

int main(int argc, char** argv)
{
#ifdef KELVO_WITH_GUI
    // The toolkit is loaded only by what draws: the desktop program, PDFs and pictures.
    kelvo::cli::ToolkitModule toolkit(kelvo::cli::programFile());
    if (kelvo::cli::wantsCommandLine(argc, argv))
        return kelvo::cli::runCommandLine(argc, argv, std::cout, std::cerr, toolkit.services());
    return toolkit.runDesktopProgram(argc, argv);
#else
    const kelvo::cli::ToolkitServices none;
    return kelvo::cli::runCommandLine(argc, argv, std::cout, std::cerr, none);
#endif
}
