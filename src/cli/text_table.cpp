#include "cli/text_table.h"

#include <algorithm>
#include <ostream>

#include "core/text/untrusted_text.h"

namespace kelvo::cli
{
namespace
{

// Characters of a UTF-8 text: every byte that does not continue a sequence.
std::size_t displayWidth(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace

void printTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows,
                const std::vector<bool>& rightAligned)
{
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(row[c]));
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string padding(widths[c] - displayWidth(row[c]), ' ');
            if (c > 0)
                line += "  ";
            const bool right = c < rightAligned.size() && rightAligned[c];
            line += right ? padding + row[c] : row[c] + padding;
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out << line << "\n";
    }
}

std::string oneLine(std::string text)
{
    // No byte of a quoted file or option may reach the terminal as a control sequence.
    return printableLine(text);
}

} // namespace kelvo::cli
