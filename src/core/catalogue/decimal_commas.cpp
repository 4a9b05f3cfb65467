#include "core/catalogue/decimal_commas.h"

#include "core/catalogue/lookups.h"

namespace kelvo
{

void writeEvaluatedTextsWithCommas(CompressorRecord& compressor)
{
    for (CoefficientSet* set : {&compressor.capacitySet(), &compressor.powerSet()})
        for (auto& c : set->c)
            dotToComma(c);
}

void writeEvaluatedTextsWithCommas(CondenserRecord& condenser)
{
    for (auto* text :
         {&condenser.dt1, &condenser.qk1, &condenser.dt2, &condenser.qk2, &condenser.coeffA})
        dotToComma(*text);
}

void writeDetailTextsWithCommas(CondenserRecord& condenser)
{
    dotToComma(condenser.fanPower);
}

void writeDetailTextsWithCommas(CondensingUnitRecord& unit)
{
    dotToComma(unit.toMax);
    dotToComma(unit.toMin);
}

Catalogue withCalculationCommas(Catalogue catalogue)
{
    for (int i = 1; i <= catalogue.compressors.count(); ++i)
        writeEvaluatedTextsWithCommas(catalogue.compressors.at(i));
    for (int i = 1; i <= catalogue.condensers.count(); ++i) {
        writeEvaluatedTextsWithCommas(catalogue.condensers.at(i));
        writeDetailTextsWithCommas(catalogue.condensers.at(i));
    }
    for (int i = 1; i <= catalogue.units.count(); ++i)
        writeDetailTextsWithCommas(catalogue.units.at(i));
    return catalogue;
}

} // namespace kelvo

namespace kelvo
{

void TextsRead::writeWithCommas(Catalogue& catalogue) const
{
    for (const auto& [texts, slot] : read_) {
        switch (texts) {
        case Texts::EvaluatedCompressor:
            if (catalogue.compressors.contains(slot))
                writeEvaluatedTextsWithCommas(catalogue.compressors.at(slot));
            break;
        case Texts::EvaluatedCondenser:
            if (catalogue.condensers.contains(slot))
                writeEvaluatedTextsWithCommas(catalogue.condensers.at(slot));
            break;
        case Texts::DetailCondenser:
            if (catalogue.condensers.contains(slot))
                writeDetailTextsWithCommas(catalogue.condensers.at(slot));
            break;
        case Texts::DetailUnit:
            if (catalogue.units.contains(slot))
                writeDetailTextsWithCommas(catalogue.units.at(slot));
            break;
        }
    }
}

} // namespace kelvo
