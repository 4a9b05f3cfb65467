// The core's folders lean on each other one way only: the calculation and the refrigerants know
// nothing of the screens, and neither screen knows the other's folder.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace
{

// What each folder of src/core may include besides itself.
const std::map<std::string, std::set<std::string>>& allowedIncludes()
{
    static const std::map<std::string, std::set<std::string>> allowed{
        {"text", {}},
        {"io", {"text"}},
        {"catalogue", {"text", "io"}},
        {"refrigerant", {"text", "io", "app"}},
        {"performance", {"text", "io", "catalogue", "refrigerant"}},
        {"chart", {"text", "io", "catalogue"}},
        {"spreadsheet", {"text", "io"}},
        {"workspace", {"text", "io", "catalogue", "refrigerant", "performance"}},
        {"app", {"text", "io", "catalogue"}},
        {"selection",
         {"text", "io", "catalogue", "refrigerant", "performance", "chart", "spreadsheet",
          "workspace", "app"}},
        {"editor",
         {"text", "io", "catalogue", "refrigerant", "performance", "chart", "spreadsheet",
          "workspace", "app"}},
        {"reports",
         {"text", "io", "catalogue", "refrigerant", "performance", "chart", "spreadsheet",
          "workspace", "app", "selection", "editor"}},
    };
    return allowed;
}

// The core folder a line includes from ("performance" for #include "core/performance/x.h"),
// or "" when it includes none.
std::string includedFolder(const std::string& line)
{
    const auto at = line.find("#include \"core/");
    if (at == std::string::npos)
        return {};
    const auto start = at + 15;
    const auto slash = line.find('/', start);
    return slash == std::string::npos ? std::string() : line.substr(start, slash - start);
}

// Every include of a core folder that goes the wrong way, as "file: line".
std::vector<std::string> wrongWayIncludes(const std::filesystem::path& core)
{
    std::vector<std::string> wrong;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(core)) {
        if (!entry.is_regular_file())
            continue;
        const std::string folder = entry.path().parent_path().filename().string();
        const auto rules = allowedIncludes().find(folder);
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            const std::string included = includedFolder(line);
            if (included.empty() || included == folder)
                continue;
            if (rules == allowedIncludes().end() || !rules->second.contains(included))
                wrong.push_back(entry.path().string() + ": " + line);
        }
    }
    return wrong;
}

TEST(CoreLayers, EveryIncludeGoesTheAllowedWay)
{
    EXPECT_EQ(includedFolder("#include \"core/app/language_table.h\""), "app");
    EXPECT_EQ(includedFolder("#include <vector>"), "");
    EXPECT_EQ(wrongWayIncludes(KELVO_CORE_SOURCE_DIR), std::vector<std::string>{});
}

TEST(CoreLayers, AWrongWayIncludeIsFound)
{
    const auto folder = std::filesystem::temp_directory_path() / "kelvo-layers-test";
    std::filesystem::create_directories(folder / "performance");
    std::ofstream(folder / "performance" / "wrong.h") << "#include \"core/app/anything.h\"\n"
                                                      << "#include \"core/catalogue/records.h\"\n";
    const auto wrong = wrongWayIncludes(folder);
    std::filesystem::remove_all(folder);
    ASSERT_EQ(wrong.size(), 1u);
    EXPECT_NE(wrong[0].find("core/app/anything.h"), std::string::npos);
}

} // namespace
