#include "core/spreadsheet/xlsx_first_row.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>

#include "core/spreadsheet/workbook_xml.h"
#include "core/text/numeric_text.h"

namespace kelvo::workbook
{
namespace
{

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

} // namespace

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

} // namespace kelvo::workbook
