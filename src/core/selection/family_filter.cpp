#include "core/selection/family_filter.h"

#include "core/selection/selection_state.h"

namespace kelvo
{
namespace
{

bool passesBrand(const SelectionState& s, std::string_view refrigerant,
                 const CondensingUnitRecord& unit, const CompressorRecord& compressor)
{
    return admitsTicked(kSelectionBrandFilter, s.brands, compressor.manufacturer.view()) &&
           unit.refrigerant.view() == refrigerant;
}

bool passesKind(const SelectionState& s, const CompressorRecord& compressor)
{
    return admitsTicked(kSelectionKindFilter, s.kinds, compressor.kind.view());
}

bool passesVersion(const SelectionState& s, const CondensingUnitRecord& unit)
{
    return admitsTicked(kSelectionVersionFilter, s.versions, unit.version.view());
}

} // namespace

bool passesFamilyAndFilters(const SelectionState& selection, std::string_view refrigerant,
                            const CondensingUnitRecord& unit, const Catalogue& catalogue,
                            int compressor)
{
    const bool base = unit.housing == kBaseFamily && selection.familyIsBase;
    const bool box = unit.housing == kBoxFamily && selection.familyIsBox;
    if (!base && !box)
        return false;
    if (compressor < 1)
        return false;
    const CompressorRecord& record = catalogue.compressors[compressor];
    if (!passesBrand(selection, refrigerant, unit, record) || !passesKind(selection, record))
        return false;
    return box || passesVersion(selection, unit);
}

} // namespace kelvo
