#pragma once

#include "core/catalogue/catalogue.h"

namespace kelvo
{

// Table index of the record a unit links to, or 0. The comparison is exact (no trimming, no
// numeric reading: "7" and "07" differ); the lowest index wins when ids repeat.
int findCompressorOfUnit(const Catalogue& catalogue, int unitIndex);
int findCondenserOfUnit(const Catalogue& catalogue, int unitIndex);
int findFrameOfUnit(const Catalogue& catalogue, int unitIndex);

template <std::size_t N> void dotToComma(FixedText<N>& text)
{
    text.replaceAll('.', ',');
}

} // namespace kelvo
