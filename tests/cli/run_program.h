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

inline std::string shellQuoted(const std::string& text)
{
    std::string quoted;
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return "'" + quoted + "'";
}

// Runs the built kelvo program (or `program`) with the given arguments, in `workingFolder` when
// one is given; stdout and stderr are kept apart.
inline ProgramRun runKelvo(const std::vector<std::string>& arguments,
                           const std::string& program = KELVO_PROGRAM,
                           const std::string& workingFolder = {})
{
    TempFolder folder;
    const auto errFile = folder.path() / "stderr.txt";
    std::string command = workingFolder.empty() ? "" : "cd " + shellQuoted(workingFolder) + " && ";
    command += shellQuoted(program);
    for (const auto& argument : arguments)
        command += " " + shellQuoted(argument);
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

// The same on the shipped sample data.
inline ProgramRun runOnSampleData(std::vector<std::string> arguments)
{
    arguments.insert(arguments.end(), {"--data", KELVO_SOURCE_DATA_DIR});
    return runKelvo(arguments);
}

} // namespace kelvo::test
