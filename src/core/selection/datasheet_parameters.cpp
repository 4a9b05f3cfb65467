#include "core/selection/datasheet_parameters.h"

#include <algorithm>
#include <optional>

#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/catalogue/lookups.h"
#include "core/selection/display_figures.h"
#include "core/selection/impossible_values.h"
#include "core/selection/refrigerant_facts.h"
#include "core/selection/selection_state.h"
#include "core/selection/unit_details.h"
#include "core/selection/unit_point.h"
#include "core/selection/window_captions.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "core/workspace/workspace.h"

namespace kelvo
{
namespace
{

template <std::size_t N> std::string utf8(const FixedText<N>& text)
{
    return toUtf8(text.view());
}

// Collects the parameters in order and makes the caption lines.
class ParameterList
{
  public:
    ParameterList(const LanguageTable& languages, int language, char separator)
        : languages_(languages), language_(language), separator_(separator)
    {
    }

    // L(control).
    [[nodiscard]] std::string caption(std::string_view control) const
    {
        return entry(controlCaptionEntry(control));
    }
    // E(entry).
    [[nodiscard]] std::string entry(int number) const
    {
        return std::string(languages_.text(language_, number));
    }
    [[nodiscard]] std::string number(double value) const { return formatNumber(value, separator_); }

    void set(std::string_view name, std::string text)
    {
        parameters_.push_back({std::string(name), std::move(text)});
    }
    // caption + "  : " + value + suffix.
    void line(std::string_view name, const std::string& caption, const std::string& value,
              std::string_view suffix = {})
    {
        set(name, caption + std::string(kParameterSeparator) + value + std::string(suffix));
    }

    ReportParameters take() { return std::move(parameters_); }

  private:
    const LanguageTable& languages_;
    int language_;
    char separator_;
    ReportParameters parameters_;
};

// (x * 100, rounded half to even) / 100.
double roundToHundredth(double value)
{
    return roundHalfEven(value * 100.0) / 100.0 + 0.0;
}

// The chosen row's details: those shown last when they are of that row's unit, else computed
// now, so the datasheet never mixes two units or two sets of rows.
UnitDetails chosenDetails(const SelectionCalculation& calculation, const SelectionState& selection,
                          int row, int unitIndex, MessageSink& sink)
{
    const auto& shown = selection.details;
    if (shown && shown->row == row && shown->unitIndex == unitIndex &&
        shown->range.ambients == rangeAmbients(selection.extraAmbient))
        return *shown;
    return computeUnitDetails(calculation, selection, row, sink);
}

// " KB" / " SB" after a BASE unit's name, or nullopt when neither version is admitted. The
// suffix names the admitted version; when both are admitted it is the unit's own version, so
// that an SB unit is never printed as KB.
std::optional<std::string> baseModelSuffix(const SelectionInputs& selection,
                                           const CondensingUnitRecord& unit)
{
    const bool kb = selection.version("KB");
    const bool sb = selection.version("SB");
    if (!kb && !sb)
        return std::nullopt;
    if (kb && sb && unit.version == "SB")
        return " SB";
    return kb ? " KB" : " SB";
}

std::optional<std::string> condensingTemperatureText(const SelectionCalculation& calculation,
                                                     const SelectionState& selection, int unitIndex,
                                                     int compressor, int condenser,
                                                     MessageSink& sink)
{
    UnitConditions conditions;
    try {
        conditions = readUnitConditions(calculation.workspace.catalogue().units[unitIndex]);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
    if (impossibleValueReason(calculation.workspace.catalogue(), unitIndex, compressor, condenser,
                              calculation.language))
        return std::nullopt;
    const double to = selection.evaporatingTemperature;
    const double air = selection.ambientTemperature;
    const UnitPoint point =
        evaluateUnitPoint(calculation, unitIndex, compressor, condenser, conditions, to, air, sink);
    if (!point.succeeded)
        return std::nullopt;
    const double tk = shownCondensingTemperature(air, point.condensingDeltaT);
    return formatNumber(tk, calculation.workspace.displaySeparator()) +
           std::string(point.gaveUp ? kGaveUpMark : "");
}

template <std::size_t N>
void setStandardAccessories(ParameterList& list, const AccessoryGroupCaption& group,
                            const std::array<bool, N>& flags)
{
    list.set("AkcesoriaPodstawowe", list.entry(group.entry));
    for (std::size_t i = 0; i < N && i < group.lines.size(); ++i)
        list.set("AP" + std::to_string(i + 1),
                 list.entry(group.lines[i].entry) + (flags[i] ? ": +" : ": -"));
}

void setAdditionalAccessories(ParameterList& list, const AccessoryGroupCaption& group,
                              const AdditionalAccessoryChoices& choices)
{
    list.set("AkcesoriaDodatkowe", list.entry(group.entry));
    for (std::size_t i = 0; i < group.lines.size() && i < choices.ticked.size(); ++i) {
        const AccessoryLineCaption& line = group.lines[i];
        std::string text = list.entry(line.entry);
        if (!choices.ticked[i]) {
            text += ": -";
        } else if (line.unitLabelName.empty()) {
            text += ": +";
        } else {
            const std::size_t q = i + 1 - kFirstQuantityLine;
            text += ": + " + choices.quantities[q] + list.entry(line.unitLabelEntry);
        }
        list.set("AD" + std::to_string(i + 1), std::move(text));
    }
}

int stagedColumns(const RangeStaging& staging)
{
    return std::clamp(staging.rangeColumnCount, 0, kStagedRangeColumns);
}

void setRangeColumns(ParameterList& list, const RangeStaging& staging)
{
    for (int c = 0; c < stagedColumns(staging); ++c) {
        const auto i = static_cast<std::size_t>(c);
        const std::string column = std::to_string(c + 1);
        list.set("t" + column, toUtf8(staging.rangeTo[i]));
        for (std::size_t k = 0; k < kRangeAmbientCount; ++k)
            list.set("Q" + std::to_string(k + 1) + column, toUtf8(staging.rangeQo[k][i]));
        for (std::size_t k = 0; k < kRangeAmbientCount; ++k)
            list.set("P" + std::to_string(k + 1) + column, toUtf8(staging.rangePe[k][i]));
    }
}

// The rows after the standard ones: their ambient ("ta4") and figures ("Q4"+i, "P4"+i), so
// that a datasheet without them gets exactly the parameters it always had.
void setExtraRangeRows(ParameterList& list, const RangeTables& range, const RangeStaging& staging)
{
    for (std::size_t k = kRangeAmbientCount; k < range.ambientTexts.size(); ++k) {
        const std::string rowNumber = std::to_string(k + 1);
        list.set("ta" + rowNumber, toUtf8(range.ambientTexts[k]));
        for (int c = 0; c < stagedColumns(staging); ++c)
            list.set("Q" + rowNumber + std::to_string(c + 1),
                     toUtf8(staging.rangeQo[k][static_cast<std::size_t>(c)]));
        for (int c = 0; c < stagedColumns(staging); ++c)
            list.set("P" + rowNumber + std::to_string(c + 1),
                     toUtf8(staging.rangePe[k][static_cast<std::size_t>(c)]));
    }
}

} // namespace

const std::string* findParameter(const ReportParameters& parameters, std::string_view name)
{
    for (const auto& parameter : parameters)
        if (parameter.name == name)
            return &parameter.text;
    return nullptr;
}

ReportParameters unitDatasheetParameters(const SelectionCalculation& calculation,
                                         const SelectionState& selection,
                                         const LanguageTable& languages,
                                         const DatasheetInputs& inputs, MessageSink& sink)
{
    const Candidate* candidate =
        selection.selectedRow ? selection.candidates.row(*selection.selectedRow) : nullptr;
    if (!candidate)
        throw DatasheetError("No condensing unit is chosen: choose one in the list first.");
    const int row = *selection.selectedRow;
    const int u = candidate->unitIndex;
    const Catalogue& catalogue = calculation.workspace.catalogue();
    const int ci = findCompressorOfUnit(catalogue, u);
    const int ki = findCondenserOfUnit(catalogue, u);
    const UnitDetails details = chosenDetails(calculation, selection, row, u, sink);
    // The texts the details read are printed as the catalogue keeps them from then on.
    const CondensingUnitRecord unit = calculation.keptUnit(u);
    const CompressorRecord& compressor = catalogue.compressors[ci];
    const CondenserRecord condenser = calculation.keptCondenser(ki);
    const bool base = selection.familyIsBase;

    ParameterList list(languages, inputs.language, calculation.workspace.displaySeparator());
    const auto L = [&](std::string_view control) { return list.caption(control); };
    const auto E = [&](int entry) { return list.entry(entry); };

    list.set("DaneTechniczneAgregatu", L("TabSheet5"));
    if (!base) {
        list.line("ModelAgregatu", L("Label13"), utf8(unit.name));
    } else if (const auto suffix = baseModelSuffix(selection, unit)) {
        list.line("ModelAgregatu", L("Label13"), utf8(unit.name), *suffix);
    }
    list.line("CzynnikChlodniczy", L("GroupBox7"), utf8(unit.refrigerant));
    list.line("PostacAgregatu", E(LanguageEntry::UnitStructure), utf8(unit.housing));
    list.line("WydajnoscAgregatu", L("Label17"),
              candidate->capacityText + candidate->mark + candidate->envelopeMark, " [W]");
    list.line("TemperaturaParowania", L("Label9"), list.number(selection.evaporatingTemperature),
              " [C]");
    if (const auto tk = condensingTemperatureText(calculation, selection, u, ci, ki, sink))
        list.line("TemperaturaSkraplania", L("Label31"), *tk + details.data.condensingEnvelopeMark,
                  " [C]");
    list.line("TemperaturaPowietrza", L("Label11"), list.number(selection.ambientTemperature),
              " [C]");
    list.line("TempNaSsaniu", L("Label35"), toUtf8(details.data.suctionTemperature), " [C]");
    list.line("Dochlodzenie", L("Label33"), utf8(unit.subcooling), " [K]");

    const auto qo = parseNumber(candidate->capacityText);
    const auto pe = parseNumber(candidate->powerText);
    const auto fanCount = parseNumber(condenser.fanCount.view());
    const auto fanPower = parseNumber(condenser.fanPower.view());
    if (pe && fanCount && fanPower)
        list.line("PoborMocyAgregatu", L("Label23"),
                  list.number(roundToHundredth(*pe + *fanCount * *fanPower)) +
                      candidate->envelopeMark,
                  " [kW]");
    list.line("TMIN", E(LanguageEntry::MinEvaporationTemperature), utf8(unit.toMin), " [C]");
    list.line("TMAX", E(LanguageEntry::MaxEvaporationTemperature), utf8(unit.toMax), " [C]");
    list.line("MASA", E(LanguageEntry::UnitNetWeight), utf8(unit.mass), " [kg]");
    list.line("Glosnosc", E(LanguageEntry::NoiseLevel), utf8(unit.noiseLevel), " [dB(A) 10m]");

    list.set("DaneTechniczneSprezarki", L("TabSheet3"));
    list.line("SprTyp", L("Label34"), utf8(unit.compressorModel));
    list.line("SprIlosc", E(LanguageEntry::NumberOfCompressors), utf8(unit.compressorCount));
    list.line("SprWydSk", L("Label36"), utf8(compressor.displacement), " [m3/h]");
    list.line("SprProducent", L("GroupBox2"), utf8(compressor.manufacturer));
    list.line("SprIloscOleju", L("Label39"), utf8(compressor.oilVolume), " [dm3]");
    list.line("SprTypOleju", L("Label40"), utf8(compressor.oilType));
    list.line("SprZasilanie", E(LanguageEntry::CompressorPowerSupply),
              utf8(compressor.powerSupply));
    list.line("SprMaxPradPracy", L("Label42"), utf8(compressor.maxCurrent), " [A]");
    list.line("SprRozruch", L("Label44"), utf8(compressor.starting));
    list.line("SprZab", E(LanguageEntry::MotorProtection), utf8(compressor.protection));
    list.line("PoborMocySprezarka", E(LanguageEntry::PowerInput),
              candidate->powerText + candidate->mark + candidate->envelopeMark, " [kW]");
    // Capacity in kW over the compressor's power input alone.
    if (qo && pe && *pe != 0)
        list.line("COP", L("Label27"),
                  list.number(roundToHundredth(*qo / 1000.0 / *pe)) + candidate->envelopeMark);

    list.set("DaneTechniczneSkraplacza", E(LanguageEntry::CondenserData));
    list.line("SkrTyp", E(LanguageEntry::CondenserCoilModel), utf8(unit.condenserModel));
    list.line("SkrIlosc", E(LanguageEntry::NumberOfCondenserCoils), utf8(unit.condenserCount));

    list.set("DaneTechniczneWentylatora", L("TabSheet1"));
    list.line("WenTyp", L("Label45"), utf8(condenser.fanName));
    list.line("WenIlosc", E(LanguageEntry::NumberOfFans), utf8(condenser.fanCount));
    list.line("WenD", L("Label46"), utf8(condenser.fanDiameter), " [mm]");
    list.line("WenP", L("Label48"), utf8(condenser.fanPower), " [kW]");
    list.line("WenAMax", L("Label49"), utf8(condenser.fanCurrentMax), " [A]");
    list.line("WenKon", L("Label50"), utf8(condenser.fanCapacitor));
    list.line("WenObr", L("Label51"), utf8(condenser.fanSpeed), " [1/min]");
    list.line("WenTemp", L("Label52"), utf8(condenser.fanTemperature), " [C]");
    list.line("WenZasilanie", L("Label47"), utf8(condenser.fanSupply));

    list.set("pMyReportImage", details.drawing.string());
    list.set("data", inputs.date);
    for (const DimensionField& field : kDimensionFields)
        list.set(field.letter,
                 std::string(field.letter) + "= " + toUtf8(details.dimensions.*field.value) + "mm");

    if (base) {
        setStandardAccessories(list, kBaseStandardAccessories, details.baseAccessories);
        setAdditionalAccessories(list, kBaseAdditionalAccessories, inputs.accessories);
    } else {
        setStandardAccessories(list, kBoxStandardAccessories, details.boxAccessories);
        setAdditionalAccessories(list, kBoxAdditionalAccessories, inputs.accessories);
    }
    // The marks the range figures may carry, explained under the tables.
    list.set("LegendaZnakow", markLegendLine(inputs.language));
    setRangeColumns(list, details.staging);
    // The unit's COP as the selection window shows it, for the page's header; "COP" above is
    // the compressor's alone and stays with the compressor's data.
    if (!details.data.cop.empty())
        list.line("COPAgregatu", std::string(ownText(OwnText::UnitCop, inputs.language)),
                  toUtf8(details.data.cop) + candidate->envelopeMark);
    setExtraRangeRows(list, details.range, details.staging);
    // Last, so that the parameters a datasheet always had keep their places.
    const RefrigerantFacts facts =
        refrigerantFacts(calculation.workspace.refrigerants(), calculation.refrigerant,
                         inputs.language, calculation.workspace.displaySeparator());
    if (!facts.gwp.empty()) {
        list.line("GWPCzynnika", "GWP", facts.gwp);
        list.line("KlasaBezpieczenstwa",
                  std::string(ownText(OwnText::SafetyClass, inputs.language)), facts.safetyClass);
    }
    if (!facts.flammableNote.empty())
        list.set("CzynnikPalny", facts.flammableNote);
    return parametersIn(list.take(), inputs.units, calculation.workspace.displaySeparator());
}

ReportParameters parametersIn(const ReportParameters& parameters, UnitSystem system, char separator)
{
    // "t3", "ta4": a column's to or a row's ambient; "Q23": a capacity cell.
    const auto cellOf = [](const std::string& name) -> std::optional<Quantity> {
        const std::size_t digits = name.find_first_of("0123456789");
        if (digits == std::string::npos || digits == 0 ||
            name.find_first_not_of("0123456789", digits) != std::string::npos)
            return std::nullopt;
        const std::string_view prefix = std::string_view(name).substr(0, digits);
        if (prefix == "t" || prefix == "ta")
            return Quantity::Temperature;
        if (prefix == "Q")
            return Quantity::Capacity;
        return std::nullopt;
    };
    ReportParameters shown = parameters;
    for (ReportParameter& parameter : shown) {
        const std::optional<Quantity> cell = cellOf(parameter.name);
        parameter.text = cell ? figureTextIn(parameter.text, *cell, system, separator)
                              : labelledTextIn(parameter.text, system, separator);
    }
    return shown;
}

} // namespace kelvo
