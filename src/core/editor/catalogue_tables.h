#pragma once

#include "core/catalogue/catalogue.h"
#include "core/editor/editor_filters.h"

namespace kelvo
{

// Runs `work` on the table that grid `table` lists; `work` takes the table by reference.
template <class CatalogueT, class Work>
decltype(auto) withTable(CatalogueT& catalogue, EditorGrid table, Work work)
{
    switch (table) {
    case EditorGrid::Compressors:
        return work(catalogue.compressors);
    case EditorGrid::Condensers:
        return work(catalogue.condensers);
    case EditorGrid::Units:
        return work(catalogue.units);
    case EditorGrid::Frames:
        break;
    }
    return work(catalogue.frames);
}

inline int tableCount(const Catalogue& catalogue, EditorGrid table)
{
    return withTable(catalogue, table, [](const auto& t) { return t.count(); });
}

} // namespace kelvo
