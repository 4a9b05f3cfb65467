#include <filesystem>
#include <iostream>
#include <system_error>

#include "cli/command_line.h"
#include "cli/toolkit_module.h"

namespace
{

std::filesystem::path programFile()
{
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : path;
}

} // namespace

int main(int argc, char** argv)
{
#ifdef KELVO_WITH_GUI
    // The toolkit is loaded only by what draws: the desktop program, PDFs and pictures.
    kelvo::cli::ToolkitModule toolkit(programFile());
    if (kelvo::cli::wantsCommandLine(argc, argv))
        return kelvo::cli::runCommandLine(argc, argv, std::cout, std::cerr, toolkit.services());
    return toolkit.runDesktopProgram(argc, argv);
#else
    const kelvo::cli::ToolkitServices none;
    return kelvo::cli::runCommandLine(argc, argv, std::cout, std::cerr, none);
#endif
}
