#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace kelvo::cli
{

// The manual page (roff) of the program: every command with its description and options, read
// from the same definitions that print --help, so the two never disagree.
std::string manPage(const CLI::App& app, const std::string& version);

} // namespace kelvo::cli
