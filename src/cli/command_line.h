#pragma once

#include <iosfwd>

#include "core/refrigerant/refrigerant_registry.h"

namespace CLI
{
class App;
}

namespace kelvo::cli
{

struct ToolkitServices;

// True when the arguments ask for the command line rather than the desktop program.
bool wantsCommandLine(int argc, char** argv);

// Runs the command-line front end with the refrigerants of the data folder the arguments name
// or the program finds (the built-in four when there is none), read when a command runs: help
// reads no data. Each line of the definition file is judged as text, a property table when a
// command uses it. Exit status 0 when the result
// asked for was produced, 1 when it failed or was refused, 2 for a bad command line.
int runCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err,
                   const ToolkitServices& toolkit);
// The same with the refrigerants of `refrigerants`.
int runCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err,
                   const ToolkitServices& toolkit, const RefrigerantRegistry& refrigerants);

} // namespace kelvo::cli
