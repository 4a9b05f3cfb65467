#pragma once

#include <iosfwd>

namespace CLI
{
class App;
}

namespace kelvo::cli
{

struct ToolkitServices;

// True when the arguments ask for the command line rather than the desktop program.
bool wantsCommandLine(int argc, char** argv);

// Runs the command-line front end. Exit status 0 on success, 2 on bad input or failure.
int runCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err,
                   const ToolkitServices& toolkit);

} // namespace kelvo::cli
