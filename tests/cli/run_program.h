#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "support/temp_folder.h"

namespace kelvo::test
{

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built kelvo program with the given arguments; stdout and stderr are kept apart.
inline ProgramRun runKelvo(const std::vector<std::string>& arguments)
{
    TempFolder folder;
    const auto errFile = folder.path() / "stderr.txt";
    std::string command = "'" + std::string(KELVO_PROGRAM) + "'";
    for (const auto& argument : arguments) {
        std::string quoted;
        for (const char c : argument)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += " '" + quoted + "'";
    }
    command += " 2>'" + errFile.string() + "' </dev/null";
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = folder.read("stderr.txt");
    return run;
}

} // namespace kelvo::test
