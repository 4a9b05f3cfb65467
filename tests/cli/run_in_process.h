#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/toolkit_services.h"
#include "core/refrigerant/refrigerant_registry.h"

namespace kelvo::test
{

struct CommandRun {
    int status = 0;
    std::string out;
    std::string err;
};

// The command line run in this process ("kelvo" and the arguments), with the refrigerants given
// or, without them, those of the data folder as the program reads them.
inline CommandRun runInProcess(std::vector<std::string> arguments,
                               const RefrigerantRegistry* refrigerants = nullptr)
{
    arguments.insert(arguments.begin(), "kelvo");
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    std::ostringstream out;
    std::ostringstream err;
    const cli::ToolkitServices toolkit;
    const int argc = static_cast<int>(argv.size());
    const int status =
        refrigerants ? cli::runCommandLine(argc, argv.data(), out, err, toolkit, *refrigerants)
                     : cli::runCommandLine(argc, argv.data(), out, err, toolkit);
    return {status, out.str(), err.str()};
}

} // namespace kelvo::test
