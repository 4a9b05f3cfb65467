#pragma once

namespace kelvo
{

// The four tables of the catalogue, in the order of its files and of the editor's grids.
enum class CatalogueTable { Compressors = 0, Condensers = 1, Units = 2, Frames = 3 };
inline constexpr int kCatalogueTableCount = 4;

} // namespace kelvo
