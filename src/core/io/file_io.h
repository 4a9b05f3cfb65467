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

// The whole file as bytes; throws FileError.
std::string readWholeFile(const std::filesystem::path& path);

// Lines end at LF; a CR directly before it is not part of the line. A final line without LF
// still counts; the empty piece after a last LF does not.
class LineReader
{
  public:
    explicit LineReader(std::string_view text) : text_(text) {}
    // The next line, or nullopt-like "false" at the end of the text.
    bool next(std::string_view& line);
    // The next line, or an empty text once the text is used up.
    std::string_view nextOrEmpty();

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// Writes a file so that the path always holds a complete file: the new content goes to
// "<name>.tmp" in the same folder, is flushed to disk, the old file is kept as "<name>.bak",
// and the temporary file is renamed over the old one. Throws FileError naming the file and
// what was in the way. Runs over the operating system's calls; safe_file_write.h takes others.
void writeFileReplacing(const std::filesystem::path& path, std::string_view content);

} // namespace kelvo
