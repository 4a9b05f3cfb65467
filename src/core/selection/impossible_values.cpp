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

std::optional<std::string> impossibleValueReason(const Catalogue& catalogue, int unitIndex,
                                                 int compressor, int condenser, int language,
                                                 bool evaporatingRangeOnly)
{
    std::vector<ImpossibleValue> found =
        impossibleUnitValues(catalogue.units[unitIndex], evaporatingRangeOnly);
    if (!evaporatingRangeOnly) {
        if (catalogue.compressors.contains(compressor))
            for (auto& value : impossibleCompressorValues(catalogue.compressors[compressor]))
                found.push_back(std::move(value));
        if (catalogue.condensers.contains(condenser))
            for (auto& value : impossibleCondenserValues(catalogue.condensers[condenser]))
                found.push_back(std::move(value));
    }
    if (found.empty())
        return std::nullopt;
    return impossibleValueText(found.front(), language);
}

} // namespace kelvo
