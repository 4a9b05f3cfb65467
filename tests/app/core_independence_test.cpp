// The core must build without the GUI toolkit: no source under src/core includes a Qt header.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <string>

TEST(CoreIndependence, NoCoreSourceIncludesAQtHeader)
{
    const std::regex qtInclude(R"(#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]+/))");
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(KELVO_CORE_SOURCE_DIR)) {
        if (!entry.is_regular_file())
            continue;
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line))
            EXPECT_FALSE(std::regex_search(line, qtInclude)) << entry.path() << ": " << line;
    }
    EXPECT_GT(files, 10);
}
