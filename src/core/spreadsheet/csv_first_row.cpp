#include "core/spreadsheet/first_row_cells.h"

#include "core/io/file_io.h"

namespace kelvo
{
namespace
{

std::string_view firstLine(std::string_view text)
{
    const auto end = text.find_first_of("\r\n");
    return end == std::string_view::npos ? text : text.substr(0, end);
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

} // namespace kelvo
