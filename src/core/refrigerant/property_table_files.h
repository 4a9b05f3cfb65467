#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "core/refrigerant/correlations.h"
#include "core/refrigerant/table_loader.h"

namespace kelvo
{

// The property tables of one data folder, each file read and parsed at most once: a command
// reads only the tables of the refrigerants it uses, and definitions that name one table share
// its read. A file changed while the program runs is seen by the next start.
class PropertyTableFiles
{
  public:
    explicit PropertyTableFiles(std::filesystem::path folder);

    [[nodiscard]] const std::filesystem::path& folder() const { return folder_; }

    // The table of `fileName` (an empty name gives the empty table) judged for a refrigerant
    // with `correlations` (nullptr: one whose correlations are unknown, judged by the table's
    // shape alone). Throws FileError naming the file when it cannot be read or used
    // (readPropertyTable) or is implausible for those correlations. `progress` is told while
    // the file is read, and its end also when it was read before.
    const PropertyTable& table(const std::string& fileName,
                               const RefrigerantCorrelations* correlations,
                               const ProgressReport& progress = {});

  private:
    struct File {
        std::optional<PropertyTable> table;
        std::filesystem::path path; // where it failed
        std::string refusal;        // why, when `table` is empty
    };
    const File& file(const std::string& fileName, const ProgressReport& progress);

    std::filesystem::path folder_;
    std::map<std::string, File, std::less<>> files_;
};

} // namespace kelvo
