#pragma once

#include <string_view>
#include <unordered_map>

#include "core/catalogue/catalogue.h"

namespace kelvo
{

// Table index of the record a unit links to, or 0. The comparison is exact (no trimming, no
// numeric reading: "7" and "07" differ); the lowest index wins when ids repeat.
int findCompressorOfUnit(const Catalogue& catalogue, int unitIndex);
int findCondenserOfUnit(const Catalogue& catalogue, int unitIndex);
int findFrameOfUnit(const Catalogue& catalogue, int unitIndex);

// The same lookups for many units at once: each table's ids are read once into an index. It
// must not outlive a change of the table's ids or count.
class IdIndex
{
  public:
    template <class Table> explicit IdIndex(const Table& table)
    {
        first_.reserve(static_cast<std::size_t>(table.count()));
        for (int i = 1; i <= table.count(); ++i)
            first_.try_emplace(table[i].id.view(), i); // the lowest index stays
    }
    // The index of the first record with this id, or 0.
    [[nodiscard]] int find(std::string_view id) const
    {
        const auto found = first_.find(id);
        return found == first_.end() ? 0 : found->second;
    }

  private:
    std::unordered_map<std::string_view, int> first_;
};

template <std::size_t N> void dotToComma(FixedText<N>& text)
{
    text.replaceAll('.', ',');
}

} // namespace kelvo
