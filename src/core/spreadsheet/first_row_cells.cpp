#include "core/spreadsheet/first_row_cells.h"

// zlib's input pointers are const with this.
#define ZLIB_CONST
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
#include <orcus/sax_ns_parser.hpp>
#include <utility>
#include <zlib.h>

#include "core/io/file_io.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

std::string_view firstLine(std::string_view text)
{
    const auto end = text.find_first_of("\r\n");
    return end == std::string_view::npos ? text : text.substr(0, end);
}

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Why a workbook cannot be read, in the user's words; the caller names the file.
class Unreadable : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

// Thrown by a part's reader once it has what it needs, so the rest of a long part is skipped.
struct EnoughRead {
};

// No part of a real workbook comes near this. A larger one is refused before it is inflated, so
// memory stays bounded whatever the file holds.
constexpr std::size_t kPartLimit = 64 * kMegabyte;

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

// The parts of a zip archive in memory, inflated one at a time when asked for: stored or
// deflated parts without encryption, as workbooks are written. Part names match in any case.
class ZipArchive
{
  public:
    explicit ZipArchive(std::string bytes) : bytes_(std::move(bytes))
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

    [[nodiscard]] std::string read(std::string_view name) const
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
        const std::size_t localSize =
            (number(header + 6, 2) & 8) ? entry.size : number(header + 22, 4);
        if (std::max(entry.size, localSize) > kPartLimit)
            throw Unreadable(part + " ma po rozpakowaniu ponad " +
                             std::to_string(kPartLimit / kMegabyte) + " MB");
        const std::string_view stored = slice(
            header + 30 + number(header + 26, 2) + number(header + 28, 2), entry.compressedSize);
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

  private:
    struct Entry {
        std::size_t flags;
        std::size_t method;
        std::size_t crc;
        std::size_t compressedSize;
        std::size_t size;
        std::size_t offset;
    };

    [[nodiscard]] std::string_view slice(std::size_t at, std::size_t size) const
    {
        if (at > bytes_.size() || size > bytes_.size() - at)
            throw Unreadable("archiwum zip jest uszkodzone");
        return std::string_view(bytes_).substr(at, size);
    }

    // A little-endian number of `size` bytes.
    [[nodiscard]] std::size_t number(std::size_t at, std::size_t size) const
    {
        const std::string_view field = slice(at, size);
        std::size_t value = 0;
        for (std::size_t k = size; k > 0; --k)
            value = value << 8 | static_cast<unsigned char>(field[k - 1]);
        return value;
    }

    std::string bytes_;
    std::map<std::string, Entry, std::less<>> entries_;
};

std::string_view uri(orcus::xmlns_id_t ns)
{
    return ns ? std::string_view(ns) : std::string_view();
}

// An element's attributes, with their namespace ("" for none).
class Attributes
{
  public:
    void add(const orcus::sax_ns_parser_attribute& attribute)
    {
        list_.push_back(
            {uri(attribute.ns), std::string(attribute.name), std::string(attribute.value)});
    }
    [[nodiscard]] std::optional<std::string_view> get(std::string_view ns,
                                                      std::string_view name) const
    {
        for (const Attribute& attribute : list_)
            if (attribute.ns == ns && attribute.name == name)
                return attribute.value;
        return std::nullopt;
    }

  private:
    struct Attribute {
        std::string_view ns;
        std::string name;
        std::string value;
    };
    std::vector<Attribute> list_;
};

// Base of the part readers: the parser hands over an element's attributes before the element,
// and each reader takes them as the element starts.
class XmlReader : public orcus::sax_ns_handler
{
  public:
    void attribute(std::string_view /*name*/, std::string_view /*value*/) {}
    void attribute(const orcus::sax_ns_parser_attribute& attribute) { pending_.add(attribute); }

  protected:
    Attributes takeAttributes() { return std::exchange(pending_, {}); }

  private:
    Attributes pending_;
};

// Runs `reader` over a part; a part that is no well-formed XML is refused in our words.
template <class Reader> void readXml(const std::string& xml, std::string_view part, Reader& reader)
{
    orcus::xmlns_repository namespaces;
    orcus::xmlns_context context = namespaces.create_context();
    orcus::sax_ns_parser<Reader> parser(xml.data(), xml.size(), context, reader);
    try {
        parser.parse();
    } catch (const EnoughRead&) {
    } catch (const Unreadable&) {
        throw;
    } catch (const std::exception&) {
        throw Unreadable("część " + std::string(part) + " nie jest poprawnym XML");
    }
}

// ---- .xlsx ----
// SpreadsheetML comes in two namespaces (transitional and strict) with the same names, so
// elements are matched by name; where they are looked for, no other element shares one.

constexpr std::string_view kRelationshipNamespaces[] = {
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships",
    "http://purl.oclc.org/ooxml/officeDocument/relationships"};

// A relationship's target as a part name: relative to the source part's folder unless it
// starts with "/".
std::string partName(std::string_view source, std::string_view target)
{
    std::string path =
        target.starts_with('/')
            ? std::string(target)
            : std::string(source.substr(0, source.rfind('/') + 1)) + std::string(target);
    std::vector<std::string> segments;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string segment = path.substr(start, end - start);
        if (segment == ".." && !segments.empty())
            segments.pop_back();
        else if (!segment.empty() && segment != "." && segment != "..")
            segments.push_back(segment);
        start = end + 1;
    }
    std::string name;
    for (const std::string& segment : segments)
        name += (name.empty() ? "" : "/") + segment;
    return name;
}

struct Relationship {
    std::string type;
    std::string target; // a part name
};

class RelationshipsReader : public XmlReader
{
  public:
    explicit RelationshipsReader(std::string_view source) : source_(source) {}
    std::map<std::string, Relationship> byId;

    void start_element(const orcus::sax_ns_parser_element& element)
    {
        const Attributes attributes = takeAttributes();
        const auto id = attributes.get("", "Id");
        const auto target = attributes.get("", "Target");
        if (element.name == "Relationship" && id && target)
            byId.emplace(*id, Relationship{std::string(attributes.get("", "Type").value_or("")),
                                           partName(source_, *target)});
    }

  private:
    std::string_view source_;
};

// The relationships of a part ("" for the package itself), by their Id.
std::map<std::string, Relationship> relationshipsOf(const ZipArchive& zip, std::string_view part)
{
    const std::size_t slash = part.rfind('/') + 1;
    const std::string name =
        std::string(part.substr(0, slash)) + "_rels/" + std::string(part.substr(slash)) + ".rels";
    RelationshipsReader reader(part);
    readXml(zip.read(name), name, reader);
    return std::move(reader.byId);
}

const Relationship* withType(const std::map<std::string, Relationship>& relationships,
                             std::string_view type)
{
    for (const auto& [id, relationship] : relationships)
        if (relationship.type.ends_with(type))
            return &relationship;
    return nullptr;
}

// The relationship Id of the workbook's first sheet.
class FirstSheetReader : public XmlReader
{
  public:
    std::string relationship;

    void start_element(const orcus::sax_ns_parser_element& element)
    {
        const Attributes attributes = takeAttributes();
        if (element.name != "sheet")
            return;
        for (const std::string_view ns : kRelationshipNamespaces)
            if (const auto id = attributes.get(ns, "id"))
                relationship = *id;
        throw EnoughRead{};
    }
};

// Column letters of a cell reference ("C1") as an index from 0; -1 without letters.
int columnOf(std::string_view reference)
{
    int column = 0;
    for (const char c : reference) {
        if (c < 'A' || c > 'Z' || column > 16384)
            break;
        column = column * 26 + (c - 'A' + 1);
    }
    return column - 1;
}

std::string cellName(std::size_t column)
{
    std::string letters;
    for (std::size_t n = column + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters + "1";
}

// Row 1 of a worksheet: each cell's type and what it stores, as written.
class SheetRowReader : public XmlReader
{
  public:
    struct Cell {
        std::string type = "n";
        std::string value;      // <v>
        std::string inlineText; // <is>, without phonetic runs
    };
    explicit SheetRowReader(std::size_t count) : cells(count) {}
    std::vector<Cell> cells;

    void start_element(const orcus::sax_ns_parser_element& element)
    {
        const Attributes attributes = takeAttributes();
        const std::string_view name = element.name;
        if (name == "sheetData") {
            inData_ = true;
        } else if (!inData_) {
        } else if (name == "row") {
            // A row without its number follows the one before.
            const auto number = attributes.get("", "r");
            if ((number ? parseInteger(*number).value_or(0) : ++row_) != 1)
                throw EnoughRead{};
            row_ = 1;
        } else if (name == "c") {
            const auto reference = attributes.get("", "r");
            column_ = reference ? columnOf(*reference) : column_ + 1;
            cell_ = {std::string(attributes.get("", "t").value_or("n")), {}, {}};
        } else if (name == "v") {
            text_ = &cell_.value;
        } else if (name == "rPh") {
            ++phonetic_;
        } else if (name == "t" && phonetic_ == 0) {
            text_ = &cell_.inlineText;
        }
    }
    void end_element(const orcus::sax_ns_parser_element& element)
    {
        const std::string_view name = element.name;
        if (!inData_)
            return;
        if (name == "v" || name == "t")
            text_ = nullptr;
        else if (name == "rPh")
            --phonetic_;
        else if (name == "c" && column_ >= 0 && static_cast<std::size_t>(column_) < cells.size())
            cells[static_cast<std::size_t>(column_)] = std::move(cell_);
        else if (name == "row" || name == "sheetData")
            throw EnoughRead{};
    }
    void characters(std::string_view text, bool /*transient*/)
    {
        if (text_)
            text_->append(text);
    }

  private:
    bool inData_ = false;
    int row_ = 0;
    int column_ = -1;
    int phonetic_ = 0;
    Cell cell_;
    std::string* text_ = nullptr;
};

using SharedTexts = std::map<std::int32_t, std::optional<std::string>>;

// The shared texts row 1 refers to; the part is read only as far as the last of them.
class SharedTextsReader : public XmlReader
{
  public:
    explicit SharedTextsReader(SharedTexts& wanted) : wanted_(wanted) {}

    void start_element(const orcus::sax_ns_parser_element& element)
    {
        takeAttributes();
        if (element.name == "si") {
            ++index_;
            text_.clear();
        } else if (element.name == "rPh") {
            ++phonetic_;
        } else if (element.name == "t" && phonetic_ == 0) {
            inText_ = true;
        }
    }
    void end_element(const orcus::sax_ns_parser_element& element)
    {
        if (element.name == "t") {
            inText_ = false;
        } else if (element.name == "rPh") {
            --phonetic_;
        } else if (element.name == "si") {
            if (const auto found = wanted_.find(index_); found != wanted_.end())
                found->second = text_;
            if (index_ >= wanted_.rbegin()->first)
                throw EnoughRead{};
        }
    }
    void characters(std::string_view text, bool /*transient*/)
    {
        if (inText_)
            text_ += text;
    }

  private:
    SharedTexts& wanted_;
    std::int32_t index_ = -1;
    int phonetic_ = 0;
    bool inText_ = false;
    std::string text_;
};

std::vector<std::string> xlsxFirstRow(const ZipArchive& zip, std::size_t count)
{
    const auto package = relationshipsOf(zip, "");
    const Relationship* workbook = withType(package, "/officeDocument");
    if (!workbook)
        throw Unreadable("brak skoroszytu");
    const std::string workbookPart = workbook->target;
    FirstSheetReader firstSheet;
    readXml(zip.read(workbookPart), workbookPart, firstSheet);
    const auto parts = relationshipsOf(zip, workbookPart);
    const auto sheet = parts.find(firstSheet.relationship);
    if (sheet == parts.end() || !sheet->second.type.ends_with("/worksheet"))
        throw Unreadable("skoroszyt nie zawiera arkusza");
    SheetRowReader row(count);
    readXml(zip.read(sheet->second.target), sheet->second.target, row);

    SharedTexts shared;
    for (std::size_t k = 0; k < count; ++k)
        if (row.cells[k].type == "s") {
            const auto index = parseInteger(row.cells[k].value);
            if (!index || *index < 0)
                throw Unreadable("komórka " + cellName(k) + " wskazuje tekst, którego nie ma");
            shared[*index];
        }
    if (!shared.empty()) {
        const Relationship* texts = withType(parts, "/sharedStrings");
        if (!texts)
            throw Unreadable("brak części z tekstami komórek");
        SharedTextsReader reader(shared);
        readXml(zip.read(texts->target), texts->target, reader);
    }

    std::vector<std::string> cells;
    for (std::size_t k = 0; k < count; ++k) {
        const SheetRowReader::Cell& cell = row.cells[k];
        std::string text = cell.value;
        if (cell.type == "s") {
            const auto& found = shared[*parseInteger(cell.value)];
            if (!found)
                throw Unreadable("komórka " + cellName(k) + " wskazuje tekst, którego nie ma");
            text = *found;
        } else if (cell.type == "inlineStr") {
            text = cell.inlineText;
        } else if (cell.type == "b") {
            // A truth value is no number; it reads as a spreadsheet shows it.
            text = cell.value == "1" ? "PRAWDA" : cell.value == "0" ? "FAŁSZ" : cell.value;
        } else if (cell.type == "n") {
            dotToComma(text);
        }
        // Errors ("e", e.g. #DIV/0!), formula texts ("str") and dates ("d") as they stand.
        cells.push_back(std::move(text));
    }
    return cells;
}

// ---- .ods ----

constexpr std::string_view kOfficeNamespace = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kTableNamespace = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kTextNamespace = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";

bool is(const orcus::sax_ns_parser_element& element, std::string_view ns, std::string_view name)
{
    return uri(element.ns) == ns && element.name == name;
}

// A cell's text is cut here (and marked as cut), since spaces written as a count could
// otherwise grow it without bound.
constexpr std::size_t kCellTextLimit = 4096;

// The first row of the first table: a number cell gives its stored value as written, any other
// cell its paragraphs joined by line breaks (notes left out).
class OdsRowReader : public XmlReader
{
  public:
    explicit OdsRowReader(std::size_t count) : count_(count) {}
    std::vector<std::string> cells;
    [[nodiscard]] bool sawTable() const { return tableDepth_ != 0; }

    void start_element(const orcus::sax_ns_parser_element& element)
    {
        Attributes attributes = takeAttributes();
        ++depth_;
        if (tableDepth_ == 0) {
            if (is(element, kTableNamespace, "table"))
                tableDepth_ = depth_;
        } else if (rowDepth_ == 0) {
            if (is(element, kTableNamespace, "table-row"))
                rowDepth_ = depth_;
        } else if (cellDepth_ == 0) {
            if (is(element, kTableNamespace, "table-cell") ||
                is(element, kTableNamespace, "covered-table-cell")) {
                cellDepth_ = depth_;
                cell_ = std::move(attributes);
                paragraphs_ = 0;
                text_.clear();
            }
        } else if (skipDepth_ != 0) {
        } else if (is(element, kOfficeNamespace, "annotation")) {
            skipDepth_ = depth_;
        } else if (depth_ == cellDepth_ + 1 &&
                   (is(element, kTextNamespace, "p") || is(element, kTextNamespace, "h"))) {
            if (paragraphs_++ > 0)
                append("\n");
            paragraphDepth_ = depth_;
        } else if (paragraphDepth_ != 0 && is(element, kTextNamespace, "s")) {
            const auto spaces = parseInteger(attributes.get(kTextNamespace, "c").value_or("1"));
            append(
                std::string(static_cast<std::size_t>(std::clamp(spaces.value_or(1), 1, 100)), ' '));
        } else if (paragraphDepth_ != 0 && is(element, kTextNamespace, "tab")) {
            append("\t");
        } else if (paragraphDepth_ != 0 && is(element, kTextNamespace, "line-break")) {
            append("\n");
        }
    }
    void end_element(const orcus::sax_ns_parser_element& /*element*/)
    {
        if (depth_ == skipDepth_)
            skipDepth_ = 0;
        else if (depth_ == paragraphDepth_)
            paragraphDepth_ = 0;
        else if (depth_ == cellDepth_)
            endCell();
        else if (depth_ == rowDepth_ || depth_ == tableDepth_)
            throw EnoughRead{};
        --depth_;
    }
    void characters(std::string_view text, bool /*transient*/)
    {
        if (paragraphDepth_ != 0 && skipDepth_ == 0)
            append(text);
    }

  private:
    void append(std::string_view text)
    {
        if (text_.size() >= kCellTextLimit)
            return;
        text_ += text.substr(0, kCellTextLimit - text_.size());
        if (text_.size() == kCellTextLimit)
            text_ += "…";
    }
    void endCell()
    {
        const std::string_view type = cell_.get(kOfficeNamespace, "value-type").value_or("");
        std::string text = std::move(text_);
        if (type == "float" || type == "percentage" || type == "currency") {
            // Without its value a number cell is empty, whatever it shows.
            text = cell_.get(kOfficeNamespace, "value").value_or("");
            dotToComma(text);
        } else if (const auto stored = cell_.get(kOfficeNamespace, "string-value")) {
            text = *stored;
        }
        const auto repeated =
            parseInteger(cell_.get(kTableNamespace, "number-columns-repeated").value_or("1"));
        for (int k = std::max(repeated.value_or(1), 1); k > 0 && cells.size() < count_; --k)
            cells.push_back(text);
        cellDepth_ = 0;
        if (cells.size() >= count_)
            throw EnoughRead{};
    }

    std::size_t count_;
    int depth_ = 0;
    int tableDepth_ = 0;
    int rowDepth_ = 0;
    int cellDepth_ = 0;
    int paragraphDepth_ = 0;
    int skipDepth_ = 0;
    int paragraphs_ = 0;
    Attributes cell_;
    std::string text_;
};

std::vector<std::string> odsFirstRow(const ZipArchive& zip, std::size_t count)
{
    OdsRowReader reader(count);
    readXml(zip.read("content.xml"), "content.xml", reader);
    if (!reader.sawTable())
        throw Unreadable("plik nie zawiera arkusza");
    return std::move(reader.cells);
}

} // namespace

std::vector<std::string> clipboardCells(std::string_view text)
{
    const std::string_view line = firstLine(text);
    std::vector<std::string> cells;
    if (line.empty())
        return cells;
    std::size_t start = 0;
    while (true) {
        const auto tab = line.find('\t', start);
        cells.emplace_back(
            line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    return cells;
}

std::vector<std::string> csvFirstRowCells(std::string_view text)
{
    text = withoutByteOrderMark(text);
    // The separator: ";" when the first record holds one outside quotes, else a tab when it
    // holds one, else ",".
    char separator = ',';
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted) {
        } else if (c == '\n' || c == '\r') {
            break;
        } else if (c == ';') {
            separator = ';';
            break;
        } else if (c == '\t') {
            separator = '\t';
        }
    }
    std::vector<std::string> cells;
    std::string cell;
    quoted = false;
    bool any = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        any = true;
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            cells.push_back(std::move(cell));
            cell.clear();
        } else if (c == '\r' || c == '\n') {
            break;
        } else {
            cell += c;
        }
    }
    if (any)
        cells.push_back(std::move(cell));
    return cells;
}

std::vector<std::string> readFirstRowCells(const std::filesystem::path& file, int count)
{
    const std::string extension = lowerAscii(file.extension().string());
    const std::size_t cellCount = static_cast<std::size_t>(std::max(count, 0));
    std::error_code error;
    if (const std::string kind = notARegularFile(file); !kind.empty())
        throw SpreadsheetError("plik " + file.string() + " nie jest zwykłym plikiem (" + kind +
                               ")");
    if (!std::filesystem::is_regular_file(file, error))
        throw SpreadsheetError("plik " + file.string() + " nie istnieje");
    if (std::filesystem::file_size(file, error) > kSpreadsheetLimit)
        throw SpreadsheetError("plik " + file.string() + " jest większy niż " +
                               std::to_string(kSpreadsheetLimit / kMegabyte) + " MB");
    if (extension != ".csv" && extension != ".xlsx" && extension != ".ods")
        throw SpreadsheetError("plik " + file.string() +
                               " nie jest arkuszem .xlsx, .ods ani plikiem .csv");
    std::string bytes;
    try {
        bytes = readWholeFile(file, kSpreadsheetLimit);
    } catch (const std::exception& e) {
        throw SpreadsheetError("nie można odczytać pliku " + file.string() + ": " + e.what());
    }
    std::vector<std::string> cells;
    if (extension == ".csv") {
        cells = csvFirstRowCells(bytes);
    } else {
        const std::string unreadable =
            "plik " + file.string() + " nie jest arkuszem, który program umie odczytać";
        try {
            const ZipArchive zip(std::move(bytes));
            cells =
                extension == ".ods" ? odsFirstRow(zip, cellCount) : xlsxFirstRow(zip, cellCount);
        } catch (const Unreadable& why) {
            throw SpreadsheetError(unreadable + ": " + why.what());
        } catch (const std::exception&) {
            // Out of memory or the like: what the library says means nothing to the user.
            throw SpreadsheetError(unreadable);
        }
    }
    cells.resize(cellCount);
    return cells;
}

} // namespace kelvo
