#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/spreadsheet/zip_archive.h"

namespace kelvo::workbook
{

// Cells A1 .. `count` of the first table of an .ods document (see readFirstRowCells); what
// cannot be read throws Unreadable.
std::vector<std::string> odsFirstRow(const ZipArchive& zip, std::size_t count);

} // namespace kelvo::workbook
