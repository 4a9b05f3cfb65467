#include "core/editor/consistency_checks.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/catalogue/lookups.h"
#include "core/performance/physical_ranges.h"
#include "core/text/code_page.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

constexpr std::array<std::string_view, 2> kHousings = {"BASE", "BOX"};
constexpr std::array<std::string_view, 3> kProducers = {"Copeland", "Frascold", "Maneurop"};
std::string unknownRefrigerant(const RefrigerantRegistry& refrigerants)
{
    return " - nieznany czynnik chłodniczy, dopuszczalne czynniki chłodnicze: " +
           nameList(refrigerants.selectionNames(), ", ");
}

template <std::size_t N>
bool known(const std::array<std::string_view, N>& list, std::string_view text)
{
    return std::find(list.begin(), list.end(), text) != list.end();
}

// The blocks of the unit check, numbered across the whole check.
class UnitBlocks
{
  public:
    explicit UnitBlocks(std::vector<CheckLine>& lines) : lines_(lines) {}

    void add(int unit, std::initializer_list<CheckLine> rest)
    {
        lines_.push_back({"", EditorGrid::Units, 0});
        lines_.push_back({"Błąd nr: " + std::to_string(++errors_), EditorGrid::Units, unit});
        lines_.push_back(
            {"Agregaty - nr wiersza: " + std::to_string(unit), EditorGrid::Units, unit});
        for (const CheckLine& line : rest)
            lines_.push_back(line);
    }

  private:
    std::vector<CheckLine>& lines_;
    int errors_ = 0;
};

CheckLine compressorRow(int c)
{
    return {"Spreżarki - nr wiersza: " + std::to_string(c), EditorGrid::Compressors, c};
}

CheckLine condenserRow(int k)
{
    return {"Skraplacze - nr wiersza: " + std::to_string(k), EditorGrid::Condensers, k};
}

} // namespace

std::string impossibleValueLine(const ImpossibleValue& value)
{
    const auto field = static_cast<OwnText>(static_cast<int>(OwnText::FieldCompressorCount) +
                                            static_cast<int>(value.field));
    return ownText(OwnText::ImpossibleValue, kPolish,
                   std::string(ownText(field, kPolish)) + " '" + toUtf8(value.text) + "' (" +
                       physicalRangeText(value.field) + ")");
}

std::vector<CheckLine> checkUnits(const Catalogue& catalogue,
                                  const RefrigerantRegistry& refrigerants)
{
    std::vector<CheckLine> lines;
    UnitBlocks blocks(lines);
    for (int i = 1; i <= catalogue.units.count(); ++i) {
        const CondensingUnitRecord& unit = catalogue.units[i];
        const int c = findCompressorOfUnit(catalogue, i);
        const int k = findCondenserOfUnit(catalogue, i);
        const CompressorRecord& compressor = catalogue.compressors[c];
        const CondenserRecord& condenser = catalogue.condensers[k];
        const auto said = [&](const std::string& text) {
            return CheckLine{text, EditorGrid::Units, i};
        };
        if (!known(kHousings, unit.housing.view()))
            blocks.add(i, {said("Nieznana postać agregatu !"),
                           said("Dopuszczalne postacie agregatu: BASE, BOX")});
        if (!refrigerants.knows(unit.refrigerant.view()))
            blocks.add(i, {said("Nieznany czynnik chłodniczy !"),
                           said("Dopuszczalne czynniki chłodnicze: " +
                                nameList(refrigerants.selectionNames(), ", "))});
        if (unit.compressorModel.view() != compressor.model.view())
            blocks.add(i, {compressorRow(c), said("Różne nazwy sprężarek !")});
        if (unit.condenserModel.view() != condenser.model.view())
            blocks.add(i, {condenserRow(k), said("Różne nazwy skraplaczy !")});
        if (unit.refrigerant.view() != compressor.refrigerant.view())
            blocks.add(i, {compressorRow(c), said("Różne czynniki chłodnicze !")});
        if (unit.refrigerant.view() != condenser.refrigerant.view())
            blocks.add(i, {condenserRow(k), said("Różne czynniki chłodnicze !")});
        if (unit.name.view().find_first_not_of(' ') == std::string_view::npos)
            blocks.add(i, {said("Brak nazwy agregatu !")});
        if (!parseNumber(unit.toMin.view()))
            blocks.add(i, {said("T min !!!")});
        if (!parseNumber(unit.toMax.view()))
            blocks.add(i, {said("T max !!!")});
        // Values that convert but cannot be: the selection lists such a unit without figures.
        for (const ImpossibleValue& value : impossibleUnitValues(unit))
            blocks.add(i, {said(impossibleValueLine(value))});
        const auto toMin = parseNumber(unit.toMin.view());
        const auto toMax = parseNumber(unit.toMax.view());
        if (toMin && toMax && *toMax < *toMin)
            blocks.add(i, {said("T max < T min: agregat nigdy nie jest w zakresie !")});
    }
    return lines;
}

std::vector<CheckLine> checkCompressors(const Catalogue& catalogue,
                                        const RefrigerantRegistry& refrigerants)
{
    std::vector<CheckLine> lines;
    for (int i = 1; i <= catalogue.compressors.count(); ++i) {
        const CompressorRecord& compressor = catalogue.compressors[i];
        const std::string row = "Nr wiersza: " + std::to_string(i);
        if (!known(kProducers, compressor.manufacturer.view()))
            lines.push_back({row + " - nieznany producent sprężarki, dopuszczalni producenci: "
                                   "Copeland, Frascold, Maneurop",
                             EditorGrid::Compressors, i});
        if (!refrigerants.knows(compressor.refrigerant.view()))
            lines.push_back({row + unknownRefrigerant(refrigerants), EditorGrid::Compressors, i});
        for (const ImpossibleValue& value : impossibleCompressorValues(compressor))
            lines.push_back({row + " - " + impossibleValueLine(value), EditorGrid::Compressors, i});
    }
    return lines;
}

std::vector<CheckLine> checkCondensers(const Catalogue& catalogue,
                                       const RefrigerantRegistry& refrigerants)
{
    std::vector<CheckLine> lines;
    for (int i = 1; i <= catalogue.condensers.count(); ++i) {
        const std::string row = "Nr wiersza: " + std::to_string(i);
        if (!refrigerants.knows(catalogue.condensers[i].refrigerant.view()))
            lines.push_back({row + unknownRefrigerant(refrigerants), EditorGrid::Condensers, i});
        for (const ImpossibleValue& value : impossibleCondenserValues(catalogue.condensers[i]))
            lines.push_back({row + " - " + impossibleValueLine(value), EditorGrid::Condensers, i});
    }
    return lines;
}

} // namespace kelvo
