#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

#include "core/io/file_io.h"

namespace kelvo::workbook
{

// The text with its ASCII letters in lower case; zip part names and file extensions match in
// any case.
std::string lowerAscii(std::string_view text);

// No part of a real workbook comes near this. A larger one is refused before it is inflated, so
// memory stays bounded whatever the file holds.
inline constexpr std::size_t kPartLimit = 64 * kMegabyte;

// The parts of a zip archive in memory, inflated one at a time when asked for: stored or
// deflated parts without encryption, as workbooks are written. Part names match in any case.
// What cannot be read throws Unreadable.
class ZipArchive
{
  public:
    explicit ZipArchive(std::string bytes);

    [[nodiscard]] std::string read(std::string_view name) const;

  private:
    struct Entry {
        std::size_t flags;
        std::size_t method;
        std::size_t crc;
        std::size_t compressedSize;
        std::size_t size;
        std::size_t offset;
    };

    [[nodiscard]] std::string_view slice(std::size_t at, std::size_t size) const;
    // A little-endian number of `size` bytes.
    [[nodiscard]] std::size_t number(std::size_t at, std::size_t size) const;

    std::string bytes_;
    std::map<std::string, Entry, std::less<>> entries_;
};

} // namespace kelvo::workbook
