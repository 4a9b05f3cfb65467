#include "core/editor/editor_filters.h"

namespace kelvo
{
namespace
{

constexpr std::string_view kCompressorGroup = "Sprężarka";
constexpr std::string_view kUnitGroup = "Agregat";
constexpr std::string_view kCondenserGroup = "Skraplacz";
constexpr std::string_view kFrameGroup = "Rama";

constexpr std::array<EditorFilterBox, 17> kBoxes{{
    {kCompressorGroup, &kCompressorAllOption, EditorGrid::Compressors},
    {kCompressorGroup, &kCompressorBrandOptions[0], EditorGrid::Compressors},
    {kCompressorGroup, &kCompressorBrandOptions[1], EditorGrid::Compressors},
    {kCompressorGroup, &kCompressorBrandOptions[2], EditorGrid::Compressors},
    {kCompressorGroup, &kCompressorKindOptions[0], EditorGrid::Compressors},
    {kCompressorGroup, &kCompressorKindOptions[1], EditorGrid::Compressors},
    {kCompressorGroup, &kCompressorKindOptions[2], EditorGrid::Compressors},
    {kUnitGroup, &kUnitAllOption, EditorGrid::Units},
    {kUnitGroup, &kUnitHousingOptions[0], EditorGrid::Units},
    {kUnitGroup, &kUnitHousingOptions[1], EditorGrid::Units},
    {kUnitGroup, &kUnitHousingOptions[2], EditorGrid::Units},
    {kUnitGroup, &kUnitRangeOptions[0], EditorGrid::Units},
    {kUnitGroup, &kUnitRangeOptions[1], EditorGrid::Units},
    {kUnitGroup, &kUnitRangeOptions[2], EditorGrid::Units},
    {kCondenserGroup, &kCondenserAllOption, EditorGrid::Condensers},
    {kFrameGroup, &kFrameHousingOptions[0], EditorGrid::Frames},
    {kFrameGroup, &kFrameHousingOptions[1], EditorGrid::Frames},
}};

template <std::size_t N>
bool* tickIn(const FilterGroup<N>& group, FilterTicks<N>& ticks, std::string_view objectName)
{
    for (std::size_t i = 0; i < N; ++i)
        if (group[i].objectName == objectName)
            return &ticks[i];
    return nullptr;
}

// The producer and kind tests, shared by the compressor and unit filters.
bool brandAndKindPass(const CompressorRecord& compressor, const EditorFilters& filters)
{
    return admitsTickedOrOther(kCompressorBrandOptions, filters.compressorBrands,
                               compressor.manufacturer.view()) &&
           admitsTickedOrOther(kCompressorKindOptions, filters.compressorKinds,
                               compressor.kind.view());
}

bool refrigerantPasses(std::string_view recordRefrigerant, std::string_view refrigerant,
                       const RefrigerantRegistry& refrigerants)
{
    return recordRefrigerant == refrigerant || !refrigerants.knows(recordRefrigerant);
}

bool housingAndVersionPass(const CondensingUnitRecord& unit, const EditorFilters& filters)
{
    const std::string_view housing = unit.housing.view();
    const std::string_view version = unit.version.view();
    const bool knownVersion = findOption(kUnitHousingOptions, version) == 0 ||
                              findOption(kUnitHousingOptions, version) == 1;
    if (housing == kUnitHousingBase)
        return knownVersion && admitsTicked(kUnitHousingOptions, filters.unitHousings, version);
    if (housing == kUnitHousingBox)
        return filters.unitHousings[2];
    return !knownVersion;
}

} // namespace

std::span<const EditorFilterBox> editorFilterBoxes()
{
    return kBoxes;
}

bool* findEditorFilterTick(EditorFilters& filters, std::string_view objectName)
{
    if (objectName == kCompressorAllOption.objectName)
        return &filters.compressorAll;
    if (objectName == kUnitAllOption.objectName)
        return &filters.unitAll;
    if (objectName == kCondenserAllOption.objectName)
        return &filters.condenserAll;
    if (bool* tick = tickIn(kCompressorBrandOptions, filters.compressorBrands, objectName);
        tick != nullptr)
        return tick;
    if (bool* tick = tickIn(kCompressorKindOptions, filters.compressorKinds, objectName);
        tick != nullptr)
        return tick;
    if (bool* tick = tickIn(kUnitHousingOptions, filters.unitHousings, objectName); tick != nullptr)
        return tick;
    if (bool* tick = tickIn(kUnitRangeOptions, filters.unitRanges, objectName); tick != nullptr)
        return tick;
    return tickIn(kFrameHousingOptions, filters.frameHousings, objectName);
}

const bool* findEditorFilterTick(const EditorFilters& filters, std::string_view objectName)
{
    return findEditorFilterTick(const_cast<EditorFilters&>(filters), objectName);
}

bool listsCompressor(const CompressorRecord& compressor, const EditorFilters& filters,
                     std::string_view refrigerant, const RefrigerantRegistry& refrigerants)
{
    if (filters.compressorAll)
        return compressor.refrigerant == refrigerant;
    return refrigerantPasses(compressor.refrigerant.view(), refrigerant, refrigerants) &&
           brandAndKindPass(compressor, filters);
}

bool listsCondenser(const CondenserRecord& condenser, std::string_view refrigerant)
{
    return condenser.refrigerant == refrigerant;
}

bool listsUnit(const CondensingUnitRecord& unit, const CompressorRecord& compressor,
               const EditorFilters& filters, std::string_view refrigerant,
               const RefrigerantRegistry& refrigerants)
{
    if (filters.unitAll)
        return unit.refrigerant == refrigerant;
    return refrigerantPasses(unit.refrigerant.view(), refrigerant, refrigerants) &&
           housingAndVersionPass(unit, filters) && brandAndKindPass(compressor, filters) &&
           admitsTickedOrOther(kUnitRangeOptions, filters.unitRanges, unit.range.view());
}

bool listsFrame(const FrameRecord& frame, const EditorFilters& filters)
{
    return admitsTickedOrOther(kFrameHousingOptions, filters.frameHousings, frame.housing.view());
}

} // namespace kelvo
