#include "core/spreadsheet/zip_archive.h"

// zlib's input pointers are const with this.
#define ZLIB_CONST
#include <algorithm>
#include <cctype>
#include <optional>
#include <utility>
#include <zlib.h>

#include "core/spreadsheet/workbook_error.h"

namespace kelvo::workbook
{
namespace
{

// At most `size` bytes come out, so data inflating to more than its header says stops there.
std::optional<std::string> inflateRaw(std::string_view stored, std::size_t size)
{
    std::string out(size, '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<const Bytef*>(stored.data());
    stream.avail_in = static_cast<uInt>(stored.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const bool whole = inflate(&stream, Z_FINISH) == Z_STREAM_END && stream.avail_out == 0;
    inflateEnd(&stream);
    return whole ? std::optional(std::move(out)) : std::nullopt;
}

} // namespace

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

ZipArchive::ZipArchive(std::string bytes) : bytes_(std::move(bytes))
{
    // The end record stands in the last 64 kB (its comment is at most that long).
    const std::size_t last = bytes_.size() < 22 ? std::string::npos : bytes_.size() - 22;
    const std::size_t end = bytes_.rfind("PK\x05\x06", last);
    if (end == std::string::npos || end + 22 + 0xFFFF < bytes_.size())
        throw Unreadable("to nie jest archiwum zip");
    std::size_t at = number(end + 16, 4);
    for (std::size_t k = number(end + 10, 2); k > 0; --k) {
        if (number(at, 4) != 0x02014b50)
            throw Unreadable("archiwum zip jest uszkodzone");
        const Entry entry{number(at + 8, 2),  number(at + 10, 2), number(at + 16, 4),
                          number(at + 20, 4), number(at + 24, 4), number(at + 42, 4)};
        const std::size_t nameLength = number(at + 28, 2);
        entries_.emplace(lowerAscii(slice(at + 46, nameLength)), entry);
        at += 46 + nameLength + number(at + 30, 2) + number(at + 32, 2);
    }
}

std::string ZipArchive::read(std::string_view name) const
{
    const auto found = entries_.find(lowerAscii(name));
    if (found == entries_.end())
        throw Unreadable("brak części " + std::string(name));
    const Entry& entry = found->second;
    const std::string part = "część " + std::string(name);
    const std::size_t header = entry.offset;
    if (number(header, 4) != 0x04034b50)
        throw Unreadable(part + " jest uszkodzona");
    if (entry.flags & 1)
        throw Unreadable(part + " jest zaszyfrowana");
    // Without a data descriptor the local header repeats the sizes; either may be the one
    // that is wrong.
    const std::size_t localSize = (number(header + 6, 2) & 8) ? entry.size : number(header + 22, 4);
    if (std::max(entry.size, localSize) > kPartLimit)
        throw Unreadable(part + " ma po rozpakowaniu ponad " +
                         std::to_string(kPartLimit / kMegabyte) + " MB");
    const std::string_view stored =
        slice(header + 30 + number(header + 26, 2) + number(header + 28, 2), entry.compressedSize);
    std::optional<std::string> content;
    if (entry.method == 0)
        content = std::string(stored);
    else if (entry.method == 8)
        content = inflateRaw(stored, entry.size);
    else
        throw Unreadable(part + " jest spakowana nieznaną metodą");
    if (localSize != entry.size || !content || content->size() != entry.size ||
        crc32(0, reinterpret_cast<const Bytef*>(content->data()),
              static_cast<uInt>(content->size())) != entry.crc)
        throw Unreadable(part + " jest uszkodzona");
    return std::move(*content);
}

std::string_view ZipArchive::slice(std::size_t at, std::size_t size) const
{
    if (at > bytes_.size() || size > bytes_.size() - at)
        throw Unreadable("archiwum zip jest uszkodzone");
    return std::string_view(bytes_).substr(at, size);
}

std::size_t ZipArchive::number(std::size_t at, std::size_t size) const
{
    const std::string_view field = slice(at, size);
    std::size_t value = 0;
    for (std::size_t k = size; k > 0; --k)
        value = value << 8 | static_cast<unsigned char>(field[k - 1]);
    return value;
}

} // namespace kelvo::workbook
