#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo
{

// A failed file operation: the file and the platform's reason ("File not found", ...).
class FileError : public std::runtime_error
{
  public:
    FileError(std::filesystem::path path, std::string reason);
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    [[nodiscard]] const std::string& reason() const { return reason_; }

  private:
    std::filesystem::path path_;
    std::string reason_;
};

// The user's words for an errno value.
std::string platformErrorText(int error);

// Limits of what the program reads, generous for real data; beyond them a file is no file
// of its kind.
inline constexpr std::size_t kMegabyte = std::size_t{1024} * 1024;
inline constexpr std::size_t kCatalogueFileLimit = 64 * kMegabyte;
inline constexpr std::size_t kPropertyTableLimit = 256 * kMegabyte;
inline constexpr std::size_t kDrawingLimit = 16 * kMegabyte;
inline constexpr std::size_t kSpreadsheetLimit = 64 * kMegabyte;
inline constexpr std::size_t kReportLayoutLimit = 16 * kMegabyte;
inline constexpr std::size_t kLineLimit = kMegabyte;

// What stands at a path that should be a regular file ("is a folder", "is a named pipe",
// "is a device", ...), or an empty text for a regular file (or nothing there at all).
std::string notARegularFile(const std::filesystem::path& path);

// The whole file as bytes; throws FileError. Only a regular file of at most maxBytes is read:
// a folder, a named pipe (opened without waiting for a writer), a device or a larger file is
// refused, its reason saying what it is.
std::string readWholeFile(const std::filesystem::path& path,
                          std::size_t maxBytes = kCatalogueFileLimit);

// A line longer than kLineLimit: no real file holds one.
class LineTooLong : public std::runtime_error
{
  public:
    explicit LineTooLong(int line);
    [[nodiscard]] int line() const { return line_; }

  private:
    int line_;
};

// The text without the UTF-8 byte order mark that some editors put at the start of a file; it
// belongs to no line or field.
std::string_view withoutByteOrderMark(std::string_view text);

// Lines of a text file as editors save it: a byte order mark at the start is skipped; lines end
// at LF, and a CR directly before it is not part of the line. A final line without LF still
// counts; the empty piece after a last LF does not. A line longer than kLineLimit throws
// LineTooLong.
class LineReader
{
  public:
    explicit LineReader(std::string_view text) : text_(withoutByteOrderMark(text)) {}
    // The next line, or nullopt-like "false" at the end of the text.
    bool next(std::string_view& line);
    // The next line, or an empty text once the text is used up.
    std::string_view nextOrEmpty();

  private:
    std::string_view text_;
    std::size_t position_ = 0;
    int lineNumber_ = 0;
};

// Writes a file so that the path always holds a complete file, the old one or the new one: the
// new content goes to a temporary file with a unique name in the same folder, created
// exclusively, flushed to disk and renamed over the old file. A failed write leaves the file as
// it was. Throws FileError naming the file and what was in the way. Runs over the operating
// system's calls; safe_file_write.h takes others.
void writeFileReplacing(const std::filesystem::path& path, std::string_view content);

} // namespace kelvo
