#include "core/refrigerant/property_table_files.h"

#include "core/io/file_io.h"

namespace kelvo
{

PropertyTableFiles::PropertyTableFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

const PropertyTableFiles::File& PropertyTableFiles::file(const std::string& fileName,
                                                         const ProgressReport& progress)
{
    if (const auto found = files_.find(fileName); found != files_.end()) {
        if (progress)
            progress(0, 0);
        return found->second;
    }
    File read;
    try {
        read.table = readPropertyTable(folder_, fileName, progress);
    } catch (const FileError& error) {
        read.path = error.path();
        read.refusal = error.reason();
    }
    return files_.emplace(fileName, std::move(read)).first->second;
}

const PropertyTable& PropertyTableFiles::table(const std::string& fileName,
                                               const RefrigerantCorrelations* correlations,
                                               const ProgressReport& progress)
{
    const File& read = file(fileName, progress);
    if (!read.table)
        throw FileError(read.path, read.refusal);
    if (const std::string why = implausibility(read.table->shape, correlations); !why.empty())
        throw FileError(folder_ / fileName, why);
    return *read.table;
}

} // namespace kelvo
