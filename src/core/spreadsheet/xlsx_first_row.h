#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/spreadsheet/zip_archive.h"

namespace kelvo::workbook
{

// Cells A1 .. `count` of the first worksheet of an .xlsx workbook (see readFirstRowCells);
// what cannot be read throws Unreadable.
std::vector<std::string> xlsxFirstRow(const ZipArchive& zip, std::size_t count);

} // namespace kelvo::workbook
