#include "core/catalogue/catalogue_files.h"

#include <functional>
#include <memory>

#include "core/catalogue/record_layouts.h"
#include "core/io/file_io.h"
#include "core/text/numeric_text.h"

namespace kelvo
{

CatalogueFileError::CatalogueFileError(std::string fileName, std::string reason)
    : std::runtime_error(fileName + ": " + reason), fileName_(std::move(fileName)),
      reason_(std::move(reason))
{
}

namespace
{

constexpr int kHeaderLines = 6;

class RecordReader
{
  public:
    explicit RecordReader(LineReader& lines) : lines_(lines) {}
    template <std::size_t N> void field(FixedText<N>& text) { text = lines_.nextOrEmpty(); }
    void flag(bool& value) { value = lines_.nextOrEmpty() == "TRUE"; }
    void skip(int count)
    {
        for (int i = 0; i < count; ++i)
            lines_.nextOrEmpty();
    }

  private:
    LineReader& lines_;
};

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

template <class Table>
void loadTable(Table& table, const std::filesystem::path& programDir, const char* fileName)
{
    std::string content;
    try {
        content = readWholeFile(programDir / fileName);
    } catch (const FileError& error) {
        throw CatalogueFileError(fileName, error.reason());
    }
    LineReader lines(content);
    lines.nextOrEmpty();
    const std::string_view countLine = lines.nextOrEmpty();
    const auto count = parseInteger(countLine);
    if (!count)
        throw CatalogueFileError(fileName, invalidIntegerMessage(countLine));
    if (*count < 0 || *count > Table::capacity)
        throw CatalogueFileError(fileName, "the file announces " + std::to_string(*count) +
                                               " records; the table holds 0 to " +
                                               std::to_string(Table::capacity));
    for (int i = 3; i <= kHeaderLines; ++i)
        lines.nextOrEmpty();

    // Read into a copy so that a failure cannot leave the table half-replaced; slots above
    // the new count keep what they held.
    auto fresh = std::make_unique<Table>(table);
    RecordReader reader(lines);
    for (int i = 1; i <= *count; ++i)
        visitLines(fresh->at(i), reader);
    fresh->setCount(*count);
    table = std::move(*fresh);
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

void writeCatalogueFile(const std::filesystem::path& programDir, const char* fileName,
                        const std::string& content)
{
    try {
        writeFileReplacing(programDir / fileName, content);
    } catch (const FileError& error) {
        throw CatalogueFileError(fileName, error.reason());
    }
}

} // namespace

void loadCompressors(Catalogue& catalogue, const std::filesystem::path& programDir)
{
    loadTable(catalogue.compressors, programDir, kCompressorFile);
}

void loadCondensers(Catalogue& catalogue, const std::filesystem::path& programDir)
{
    loadTable(catalogue.condensers, programDir, kCondenserFile);
}

void loadUnits(Catalogue& catalogue, const std::filesystem::path& programDir)
{
    loadTable(catalogue.units, programDir, kUnitFile);
}

void loadFrames(Catalogue& catalogue, const std::filesystem::path& programDir)
{
    loadTable(catalogue.frames, programDir, kFrameFile);
}

void loadCatalogue(Catalogue& catalogue, const std::filesystem::path& programDir)
{
    loadCompressors(catalogue, programDir);
    loadCondensers(catalogue, programDir);
    loadUnits(catalogue, programDir);
    loadFrames(catalogue, programDir);
}

std::size_t catalogueFingerprint(const Catalogue& catalogue)
{
    const std::string contents = serialise(catalogue.compressors, "?") +
                                 serialise(catalogue.condensers, "2") +
                                 serialise(catalogue.units, "?") + serialise(catalogue.frames, "?");
    return std::hash<std::string>{}(contents);
}

void saveCatalogue(const Catalogue& catalogue, const std::filesystem::path& programDir)
{
    writeCatalogueFile(programDir, kCompressorFile, serialise(catalogue.compressors, "?"));
    writeCatalogueFile(programDir, kCondenserFile, serialise(catalogue.condensers, "2"));
    writeCatalogueFile(programDir, kUnitFile, serialise(catalogue.units, "?"));
    writeCatalogueFile(programDir, kFrameFile, serialise(catalogue.frames, "?"));
}

} // namespace kelvo
