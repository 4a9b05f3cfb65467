#pragma once

#include <filesystem>

namespace kelvo::cli
{

// The running program's own file, through /proc: where it finds the data folder and the
// desktop module beside it. Empty when the system does not say.
std::filesystem::path programFile();

} // namespace kelvo::cli
