#include "core/catalogue/catalogue_files.h"

#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "core/catalogue/record_layouts.h"
#include "core/io/file_io.h"
#include "core/io/file_set_transaction.h"
#include "core/text/numeric_text.h"

namespace kelvo
{

CatalogueFileError::CatalogueFileError(std::filesystem::path path, std::string reason)
    : std::runtime_error(path.string() + ": " + reason), path_(std::move(path)),
      reason_(std::move(reason))
{
}

std::filesystem::path catalogueFilePath(const std::filesystem::path& programDir,
                                        const char* fileName)
{
    std::error_code ec;
    auto path = std::filesystem::absolute(programDir / fileName, ec);
    return ec ? programDir / fileName : path;
}

namespace
{

constexpr int kHeaderLines = 6;

// Reads record lines; a line past the end of the file reads as empty and is counted as
// missing, so that a record cut short is told from a complete one.
class RecordReader
{
  public:
    explicit RecordReader(LineReader& lines) : lines_(lines) {}
    template <std::size_t N> void field(FixedText<N>& text) { text = line(); }
    void flag(bool& value) { value = line() == "TRUE"; }
    void skip(int count)
    {
        for (int i = 0; i < count; ++i)
            line();
    }
    [[nodiscard]] bool ranOut() const { return ranOut_; }

  private:
    std::string_view line()
    {
        std::string_view text;
        if (!lines_.next(text))
            ranOut_ = true;
        return text;
    }

    LineReader& lines_;
    bool ranOut_ = false;
};

// Drops the note a previous load of this file left and adds the new one, if any.
void noteCutShortFile(Catalogue& catalogue, const std::filesystem::path& path, int announced,
                      int complete)
{
    const std::string prefix = path.string() + ": ";
    std::erase_if(catalogue.loadNotes,
                  [&](const std::string& note) { return note.starts_with(prefix); });
    if (complete < announced)
        catalogue.loadNotes.push_back(prefix + "announces " + std::to_string(announced) +
                                      " records, holds " + std::to_string(complete) + " complete");
}

class RecordWriter
{
  public:
    explicit RecordWriter(std::string& out) : out_(out) {}
    template <std::size_t N> void field(FixedText<N>& text) { line(text.view()); }
    void flag(bool& value) { line(value ? "TRUE" : "FALSE"); }
    void skip(int count)
    {
        for (int i = 0; i < count; ++i)
            line("?");
    }
    void line(std::string_view text)
    {
        out_.append(text);
        out_.append("\r\n");
    }

  private:
    std::string& out_;
};

// Reads the records of a table's file content into `table`; returns the announced count and
// how many records the file holds complete.
template <class Table>
std::pair<int, int> readRecords(Table& table, std::string_view content,
                                const std::filesystem::path& path)
{
    LineReader lines(content);
    lines.nextOrEmpty();
    const std::string_view countLine = lines.nextOrEmpty();
    const auto count = parseInteger(countLine);
    if (!count)
        throw CatalogueFileError(path, invalidIntegerMessage(countLine));
    if (*count < 0 || *count > Table::capacity)
        throw CatalogueFileError(path, "the file announces " + std::to_string(*count) +
                                           " records; the table holds 0 to " +
                                           std::to_string(Table::capacity));
    RecordReader reader(lines);
    reader.skip(kHeaderLines - 2);

    // Read into copies of the records it replaces, so that a failure cannot leave the table
    // half-replaced; slots above the new count keep what they held.
    std::vector<typename Table::value_type> fresh;
    fresh.reserve(static_cast<std::size_t>(*count));
    int complete = 0;
    for (int i = 1; i <= *count; ++i) {
        visitLines(fresh.emplace_back(table[i]), reader);
        if (!reader.ranOut())
            complete = i;
    }
    for (int i = 1; i <= *count; ++i)
        table.at(i) = std::move(fresh[static_cast<std::size_t>(i - 1)]);
    table.setCount(*count);
    return {*count, complete};
}

template <class Table>
void readTableContent(Catalogue& catalogue, Table& table, std::string_view content,
                      const std::filesystem::path& path)
{
    std::pair<int, int> counts;
    try {
        counts = readRecords(table, content, path);
    } catch (const LineTooLong& error) {
        throw CatalogueFileError(path, error.what());
    }
    noteCutShortFile(catalogue, path, counts.first, counts.second);
}

template <class Table>
CatalogueFileStamp loadTable(Catalogue& catalogue, Table& table,
                             const std::filesystem::path& programDir, const char* fileName)
{
    const auto path = catalogueFilePath(programDir, fileName);
    std::string content;
    try {
        content = readWholeFile(path);
    } catch (const FileError& error) {
        throw CatalogueFileError(path, error.reason());
    }
    readTableContent(catalogue, table, content, path);
    return stampOf(content);
}

template <class Table> std::string serialise(const Table& table, std::string_view firstHeaderLine)
{
    std::string out;
    RecordWriter writer(out);
    writer.line(firstHeaderLine);
    writer.line(std::to_string(table.count()));
    writer.skip(kHeaderLines - 2);
    for (int i = 1; i <= table.count(); ++i) {
        auto record = table[i]; // the layout visitor takes a mutable record
        visitLines(record, writer);
    }
    return out;
}

// Calls `use` with the table of `kind` (of a catalogue const or not) and its file's name.
template <class CatalogueT, class Use>
decltype(auto) withTable(CatalogueT& catalogue, CatalogueFileKind kind, Use&& use)
{
    switch (kind) {
    case CatalogueFileKind::Compressors:
        return use(catalogue.compressors, kCompressorFile);
    case CatalogueFileKind::Condensers:
        return use(catalogue.condensers, kCondenserFile);
    case CatalogueFileKind::Units:
        return use(catalogue.units, kUnitFile);
    case CatalogueFileKind::Frames:
        break;
    }
    return use(catalogue.frames, kFrameFile);
}

} // namespace

void loadCompressors(Catalogue& catalogue, const std::filesystem::path& programDir)
{
    loadCatalogueFile(catalogue, programDir, CatalogueFileKind::Compressors);
}

void loadCondensers(Catalogue& catalogue, const std::filesystem::path& programDir)
{
    loadCatalogueFile(catalogue, programDir, CatalogueFileKind::Condensers);
}

void loadUnits(Catalogue& catalogue, const std::filesystem::path& programDir)
{
    loadCatalogueFile(catalogue, programDir, CatalogueFileKind::Units);
}

void loadFrames(Catalogue& catalogue, const std::filesystem::path& programDir)
{
    loadCatalogueFile(catalogue, programDir, CatalogueFileKind::Frames);
}

void readCatalogueFileContent(Catalogue& catalogue, CatalogueFileKind kind,
                              std::string_view content, const std::filesystem::path& path)
{
    withTable(catalogue, kind,
              [&](auto& table, const char*) { readTableContent(catalogue, table, content, path); });
}

CatalogueFileStamp loadCatalogueFile(Catalogue& catalogue, const std::filesystem::path& programDir,
                                     CatalogueFileKind kind)
{
    return withTable(catalogue, kind, [&](auto& table, const char* fileName) {
        return loadTable(catalogue, table, programDir, fileName);
    });
}

CatalogueFileStamp stampOf(std::string_view content)
{
    return {true, content.size(), contentChecksum(content)};
}

std::string serialiseCatalogueFile(const Catalogue& catalogue, CatalogueFileKind kind)
{
    // The condenser file's first header line has always been "2", the others' "?".
    return withTable(catalogue, kind, [&](const auto& table, const char*) {
        return serialise(table, kind == CatalogueFileKind::Condensers ? "2" : "?");
    });
}

std::size_t catalogueFingerprint(const Catalogue& catalogue)
{
    std::string contents;
    for (const CatalogueFileKind kind : kCatalogueFileKinds)
        contents += serialiseCatalogueFile(catalogue, kind);
    return std::hash<std::string>{}(contents);
}

} // namespace kelvo
