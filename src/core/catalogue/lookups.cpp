#include "core/catalogue/lookups.h"

namespace kelvo
{
namespace
{

template <class Table, class Link> int findById(const Table& table, const Link& link)
{
    for (int i = 1; i <= table.count(); ++i)
        if (table[i].id.view() == link.view())
            return i;
    return 0;
}

} // namespace

int findCompressorOfUnit(const Catalogue& catalogue, int unitIndex)
{
    return findById(catalogue.compressors, catalogue.units[unitIndex].compressorId);
}

int findCondenserOfUnit(const Catalogue& catalogue, int unitIndex)
{
    return findById(catalogue.condensers, catalogue.units[unitIndex].condenserId);
}

int findFrameOfUnit(const Catalogue& catalogue, int unitIndex)
{
    return findById(catalogue.frames, catalogue.units[unitIndex].frameId);
}

} // namespace kelvo
