#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "core/refrigerant/refrigerant_registry.h"

namespace kelvo
{

// The datasheet's layout, a file of the data folder.
inline constexpr std::string_view kDatasheetLayoutFile = "Raport1.rav";

// The file of the data folder that the program reads or writes (a catalogue file, its backup or
// a temporary of its save, the commit record, the lock, the refrigerant definitions, a property
// table of `refrigerants`, the datasheet layout, a drawing) which an output written at `output`
// would overwrite, or which the next load would remove; nullopt when the output lands elsewhere.
// Links are followed as writing follows them.
std::optional<std::filesystem::path> dataFileAt(const std::filesystem::path& dataFolder,
                                                const RefrigerantRegistry& refrigerants,
                                                const std::filesystem::path& output);

} // namespace kelvo
