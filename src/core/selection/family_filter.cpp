#include "core/selection/family_filter.h"

#include "core/selection/selection_state.h"

namespace kelvo
{
namespace
{

bool passesBrand(const SelectionState& s, const CondensingUnitRecord& unit,
                 const CompressorRecord& compressor)
{
    const auto& maker = compressor.manufacturer;
    const bool brand = (maker == "Copeland" && s.brandCopeland) ||
                       (maker == "Frascold" && s.brandFrascold) ||
                       (maker == "Maneurop" && s.brandManeurop);
    return brand && unit.refrigerant.view() == s.selectedRefrigerant.view();
}

bool passesKind(const SelectionState& s, const CompressorRecord& compressor)
{
    const auto& kind = compressor.kind;
    return (kind == "HERMETIC" && s.kindHermetic) ||
           (kind == "SEMIHERMETIC" && s.kindSemihermetic) || (kind == "SPIRAL" && s.kindSpiral);
}

bool passesVersion(const SelectionState& s, const CondensingUnitRecord& unit)
{
    return (unit.version == "SB" && s.versionSB) || (unit.version == "KB" && s.versionKB);
}

} // namespace

bool passesFamilyAndFilters(const SelectionState& selection, const CondensingUnitRecord& unit,
                            const Catalogue& catalogue, int compressor)
{
    const bool base = unit.housing == kBaseFamily && selection.familyIsBase;
    const bool box = unit.housing == kBoxFamily && selection.familyIsBox;
    if (!base && !box)
        return false;
    if (compressor < 1)
        return false;
    const CompressorRecord& record = catalogue.compressors[compressor];
    if (!passesBrand(selection, unit, record) || !passesKind(selection, record))
        return false;
    return box || passesVersion(selection, unit);
}

} // namespace kelvo
