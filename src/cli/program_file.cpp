#include "cli/program_file.h"

#include <system_error>

namespace kelvo::cli
{

std::filesystem::path programFile()
{
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : path;
}

} // namespace kelvo::cli
