// The core must build without the GUI toolkit: no source under src/core includes a Qt header.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace
{

bool includesQt(const std::string& line)
{
    const auto hash = line.find_first_not_of(" \t");
    if (hash == std::string::npos || line[hash] != '#')
        return false;
    const auto include = line.find("include", hash);
    if (include == std::string::npos)
        return false;
    const auto open = line.find_first_of("<\"", include);
    return open != std::string::npos && open + 1 < line.size() && line[open + 1] == 'Q';
}

TEST(CoreIndependence, NoCoreSourceIncludesAQtHeader)
{
    EXPECT_TRUE(includesQt("#include <QString>"));
    EXPECT_TRUE(includesQt("  #  include \"QtCore/qglobal.h\""));
    EXPECT_FALSE(includesQt("#include <string>"));
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(KELVO_CORE_SOURCE_DIR)) {
        if (!entry.is_regular_file())
            continue;
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line))
            EXPECT_FALSE(includesQt(line)) << entry.path() << ": " << line;
    }
    EXPECT_GT(files, 10);
}

} // namespace
