#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/refrigerant/property_table_files.h"
#include "core/refrigerant/refrigerant_registry.h"

namespace kelvo
{

// The file of the data folder that defines refrigerants beyond the four built in.
inline constexpr const char* kRefrigerantFile = "Czynniki.txt";

// Where an entry came from: "built in" or "Czynniki.txt line 9".
std::string refrigerantOrigin(const RefrigerantEntry& entry);

// The registry a data folder gives: the four built in, then one entry per accepted line of its
// refrigerant file, in file order. Each refused line (and a file that cannot be read) has one
// message naming the file, the line and what is wrong; the other lines still load. With
// `tables` each line's property table is judged as well, as the refrigerant would use it (a
// line whose table cannot be used is refused); without, a line is judged as text, and its table
// when it is used.
struct RefrigerantLoad {
    RefrigerantRegistry registry;
    std::vector<std::string> refusals;
};
RefrigerantLoad loadRefrigerants(const std::filesystem::path& dataFolder,
                                 PropertyTableFiles* tables = nullptr);

// The same for the file's text; table files are looked for in `dataFolder`.
RefrigerantLoad refrigerantsFromText(std::string_view content,
                                     const std::filesystem::path& dataFolder,
                                     PropertyTableFiles* tables = nullptr);

} // namespace kelvo
