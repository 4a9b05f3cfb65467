#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "core/refrigerant/refrigerant_file.h"

namespace kelvo::test
{

// A fresh folder under the system's temporary directory, removed with its content at the end.
class TempFolder
{
  public:
    TempFolder()
    {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("kelvo-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

    void write(const std::string& name, std::string_view content) const
    {
        std::ofstream(path_ / name, std::ios::binary) << content;
    }
    [[nodiscard]] std::string read(const std::string& name) const
    {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

  private:
    std::filesystem::path path_;
};

inline std::filesystem::path sampleDataFolder()
{
    return KELVO_SOURCE_DATA_DIR;
}

// The refrigerants of the sample data folder: the four built in and those its file defines.
inline const RefrigerantRegistry& sampleRefrigerants()
{
    static const RefrigerantLoad load = loadRefrigerants(sampleDataFolder());
    return load.registry;
}

// A copy of the shipped data (catalogue, tables, drawings) that a test may change and save.
inline std::unique_ptr<TempFolder> copyOfSampleData()
{
    auto folder = std::make_unique<TempFolder>();
    std::filesystem::copy(sampleDataFolder(), folder->path(),
                          std::filesystem::copy_options::recursive);
    return folder;
}

} // namespace kelvo::test
