#pragma once

#include "core/catalogue/catalogue.h"
#include "core/catalogue/catalogue_table.h"

namespace kelvo
{

// Runs `work` on the table that grid `table` lists; `work` takes the table by reference.
template <class CatalogueT, class Work>
decltype(auto) withTable(CatalogueT& catalogue, CatalogueTable table, Work work)
{
    switch (table) {
    case CatalogueTable::Compressors:
        return work(catalogue.compressors);
    case CatalogueTable::Condensers:
        return work(catalogue.condensers);
    case CatalogueTable::Units:
        return work(catalogue.units);
    case CatalogueTable::Frames:
        break;
    }
    return work(catalogue.frames);
}

inline int tableCount(const Catalogue& catalogue, CatalogueTable table)
{
    return withTable(catalogue, table, [](const auto& t) { return t.count(); });
}

} // namespace kelvo
