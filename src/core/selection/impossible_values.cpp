#include "core/selection/impossible_values.h"

#include "core/app/own_texts.h"

namespace kelvo
{

std::string impossibleValueText(const ImpossibleValue& value, int language)
{
    const auto field = static_cast<OwnText>(static_cast<int>(OwnText::FieldCompressorCount) +
                                            static_cast<int>(value.field));
    // The stored text is catalogue bytes already, as the argument of the outer text is.
    return ownTextInCatalogueCodePage(OwnText::ImpossibleValue, language,
                                      ownTextInCatalogueCodePage(field, language) + " '" +
                                          value.text + "' (" + physicalRangeText(value.field) +
                                          ")");
}

std::optional<ImpossibleValue> impossibleLinkedValue(const Catalogue& catalogue, int compressor,
                                                     int condenser)
{
    if (catalogue.compressors.contains(compressor))
        if (auto found = impossibleCompressorValues(catalogue.compressors[compressor]);
            !found.empty())
            return found.front();
    if (catalogue.condensers.contains(condenser))
        if (auto found = impossibleCondenserValues(catalogue.condensers[condenser]); !found.empty())
            return found.front();
    return std::nullopt;
}

std::optional<std::string> impossibleValueReason(const Catalogue& catalogue, int unitIndex,
                                                 int compressor, int condenser, int language,
                                                 bool evaporatingRangeOnly)
{
    std::vector<ImpossibleValue> found =
        impossibleUnitValues(catalogue.units[unitIndex], evaporatingRangeOnly);
    if (found.empty() && !evaporatingRangeOnly)
        if (auto linked = impossibleLinkedValue(catalogue, compressor, condenser))
            found.push_back(std::move(*linked));
    if (found.empty())
        return std::nullopt;
    return impossibleValueText(found.front(), language);
}

} // namespace kelvo
