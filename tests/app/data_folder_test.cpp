#include "core/app/data_folder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

// $KELVO_DATA set for the test's lifetime, or unset; the previous value comes back after it.
class DataVariable
{
  public:
    explicit DataVariable(const char* value)
    {
        if (const char* previous = std::getenv(kDataFolderVariable))
            previous_ = previous;
        if (value)
            setenv(kDataFolderVariable, value, 1);
        else
            unsetenv(kDataFolderVariable);
    }
    ~DataVariable()
    {
        if (previous_)
            setenv(kDataFolderVariable, previous_->c_str(), 1);
        else
            unsetenv(kDataFolderVariable);
    }

  private:
    std::optional<std::string> previous_;
};

TEST(DataFolder, AChoiceThenTheVariableThenABuildTreeThenTheInstalledShareFolder)
{
    const test::TempFolder root;
    namespace fs = std::filesystem;
    // An installation under a prefix: <prefix>/bin/kelvo and <prefix>/share/kelvosoftware.
    const fs::path prefix = root.path() / "usr";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / kInstalledDataFolder);
    const fs::path installed = prefix / "bin" / "kelvo";
    const fs::path chosen = root.path() / "chosen";
    const fs::path fromVariable = root.path() / "variable";
    fs::create_directories(chosen);
    fs::create_directories(fromVariable);

    const DataVariable unset(nullptr);
    EXPECT_EQ(findDataFolder({}, installed), prefix / kInstalledDataFolder);
    EXPECT_EQ(findDataFolder(chosen, installed), chosen);
    EXPECT_EQ(findDataFolder(root.path() / "missing", installed), std::nullopt);
    {
        const DataVariable set(fromVariable.c_str());
        EXPECT_EQ(findDataFolder({}, installed), fromVariable);
        EXPECT_EQ(findDataFolder(chosen, installed), chosen);
    }
    // A build tree: build/src/kelvo with build/data.
    const fs::path build = root.path() / "build";
    fs::create_directories(build / "src");
    fs::create_directories(build / "data");
    EXPECT_EQ(findDataFolder({}, build / "src" / "kelvo"), build / "data");
    // A share folder counts only below a bin folder, and nothing two levels up is taken.
    fs::create_directories(root.path() / "tools" / "share" / "kelvosoftware");
    fs::create_directories(root.path() / "data");
    EXPECT_EQ(findDataFolder({}, root.path() / "tools" / "x" / "y" / "kelvo"), std::nullopt);
}

} // namespace
} // namespace kelvo
