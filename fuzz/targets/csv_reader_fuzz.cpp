// The first row of CSV text and of copied cells, as coefficient imports read them.

#include "core/spreadsheet/first_row_cells.h"
#include "targets/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = kelvo::fuzz::asText(data, size);
    std::size_t cellBytes = 0;
    for (const auto& cell : kelvo::csvFirstRowCells(text))
        cellBytes += cell.size();
    if (cellBytes > text.size())
        kelvo::fuzz::fail("the cells hold more than the text");
    (void)kelvo::clipboardCells(text);
    return 0;
}
