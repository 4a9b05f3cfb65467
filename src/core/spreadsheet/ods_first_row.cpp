#include "core/spreadsheet/ods_first_row.h"

#include <algorithm>

#include "core/spreadsheet/workbook_xml.h"
#include "core/text/numeric_text.h"

namespace kelvo::workbook
{
namespace
{

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

} // namespace

std::vector<std::string> odsFirstRow(const ZipArchive& zip, std::size_t count)
{
    OdsRowReader reader(count);
    readXml(zip.read("content.xml"), "content.xml", reader);
    if (!reader.sawTable())
        throw Unreadable("plik nie zawiera arkusza");
    return std::move(reader.cells);
}

} // namespace kelvo::workbook
