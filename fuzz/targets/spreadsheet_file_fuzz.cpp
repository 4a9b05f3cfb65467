// A spreadsheet file as the coefficient import reads it: the first byte chooses .xlsx or .ods,
// the rest is the file.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "core/spreadsheet/first_row_cells.h"
#include "targets/fuzz_input.h"

namespace
{

// One folder of this process for the file under test.
const std::filesystem::path& workFolder()
{
    static const std::filesystem::path folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kelvo-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            kelvo::fuzz::fail("no temporary folder");
        return std::filesystem::path(pattern);
    }();
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto file = workFolder() / (data[0] % 2 == 0 ? "cells.xlsx" : "cells.ods");
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    try {
        if (kelvo::readFirstRowCells(file).size() > 10)
            kelvo::fuzz::fail("more than the ten cells asked for");
    } catch (const kelvo::SpreadsheetError& error) {
        // The message is one line of ours under the file's name.
        if (std::string(error.what()).find('\n') != std::string::npos)
            kelvo::fuzz::fail("a message of more than one line");
    }
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    return 0;
}
