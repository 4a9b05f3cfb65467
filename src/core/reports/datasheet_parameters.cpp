#include "core/reports/datasheet_parameters.h"

#include <algorithm>
#include <optional>

#include "core/app/application_state.h"
#include "core/app/message_sink.h"
#include "core/catalogue/lookups.h"
#include "core/selection/display_figures.h"
#include "core/selection/unit_details.h"
#include "core/selection/unit_point.h"
#include "core/text/code_page.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

struct ControlCaption {
    std::string_view control;
    int entry;
};

// Which language entry captions which control of the selection window, as the window sets them
// when it opens.
// clang-format off
constexpr ControlCaption kControlCaptions[] = {
    {"GroupBox7", 9}, {"GroupBox9", 10}, {"GroupBox10", 11}, {"GroupBox5", 12},
    {"GroupBox20", 13}, {"GroupBox4", 16}, {"CheckBox38", 17}, {"CheckBox39", 18},
    {"CheckBox40", 19}, {"GroupBox2", 21}, {"CheckBox41", 22}, {"CheckBox42", 23},
    {"CheckBox43", 24}, {"GroupBox8", 26}, {"CheckBox44", 27}, {"CheckBox45", 28},
    // Standard accessories, BASE.
    {"GroupBox3", 30}, {"CheckBox9", 31}, {"CheckBox10", 32}, {"CheckBox11", 33},
    {"CheckBox1", 34}, {"CheckBox2", 35}, {"CheckBox12", 36}, {"CheckBox3", 37},
    // Additional accessories, BASE.
    {"GroupBox6", 39}, {"CheckBox13", 40}, {"CheckBox14", 41}, {"CheckBox15", 42},
    {"CheckBox16", 43}, {"Label1", 44}, {"CheckBox17", 45}, {"Label2", 46},
    {"CheckBox18", 47}, {"Label3", 48}, {"CheckBox19", 49},
    // Standard accessories, BOX.
    {"GroupBox15", 51}, {"CheckBox4", 52}, {"CheckBox5", 53}, {"CheckBox6", 54},
    {"CheckBox8", 55}, {"CheckBox20", 56}, {"CheckBox7", 57}, {"CheckBox21", 58},
    {"CheckBox22", 59}, {"CheckBox23", 60}, {"CheckBox24", 61}, {"CheckBox25", 62},
    {"CheckBox26", 63},
    // Additional accessories, BOX.
    {"GroupBox16", 65}, {"CheckBox27", 66}, {"CheckBox33", 67}, {"CheckBox28", 68},
    {"CheckBox29", 69}, {"Label4", 70}, {"CheckBox30", 71}, {"Label5", 72},
    {"CheckBox31", 73}, {"Label8", 74}, {"CheckBox32", 75}, {"CheckBox34", 76},
    {"CheckBox35", 77}, {"CheckBox36", 78}, {"CheckBox37", 79},
    // Operating range.
    {"TabSheet2", 81}, {"GroupBox14", 82}, {"GroupBox13", 83},
    // Unit data.
    {"TabSheet5", 85}, {"Label9", 86}, {"Label11", 87}, {"Label13", 88},
    {"Label15", 89}, {"Label17", 90}, {"Label19", 91}, {"Label21", 92},
    {"Label23", 93}, {"Label27", 94}, {"Label29", 95}, {"Label31", 96},
    {"Label33", 97}, {"Label35", 98},
    // Fan data.
    {"TabSheet1", 105}, {"Label45", 106}, {"Label46", 107}, {"Label47", 108},
    {"Label48", 109}, {"Label49", 110}, {"Label50", 111}, {"Label51", 112},
    {"Label52", 113},
    // Compressor data.
    {"TabSheet3", 119}, {"Label34", 120}, {"Label36", 121}, {"Label39", 122},
    {"Label40", 123}, {"Label41", 124}, {"Label42", 125}, {"Label43", 126},
    {"Label44", 127},
};
// clang-format on

// An accessory line of the window: its check box and, for a line with a quantity, the label
// of the quantity's unit.
struct AccessoryLine {
    std::string_view box;
    std::string_view unitLabel = {};
};

constexpr std::array<AccessoryLine, CondensingUnitRecord::baseAccessoryCount> kBaseStandard{{
    {"CheckBox9"},
    {"CheckBox10"},
    {"CheckBox11"},
    {"CheckBox1"},
    {"CheckBox2"},
    {"CheckBox12"},
    {"CheckBox3"},
}};
constexpr std::array<AccessoryLine, CondensingUnitRecord::boxAccessoryCount> kBoxStandard{{
    {"CheckBox4"},
    {"CheckBox5"},
    {"CheckBox6"},
    {"CheckBox8"},
    {"CheckBox20"},
    {"CheckBox7"},
    {"CheckBox21"},
    {"CheckBox22"},
    {"CheckBox23"},
    {"CheckBox24"},
    {"CheckBox25"},
    {"CheckBox26"},
}};
constexpr std::array<AccessoryLine, kBaseAdditionalAccessoryLines> kBaseAdditional{{
    {"CheckBox13"},
    {"CheckBox14"},
    {"CheckBox15"},
    {"CheckBox16", "Label1"},
    {"CheckBox17", "Label2"},
    {"CheckBox18", "Label3"},
    {"CheckBox19"},
}};
constexpr std::array<AccessoryLine, kBoxAdditionalAccessoryLines> kBoxAdditional{{
    {"CheckBox27"},
    {"CheckBox33"},
    {"CheckBox28"},
    {"CheckBox29", "Label4"},
    {"CheckBox30", "Label5"},
    {"CheckBox31", "Label8"},
    {"CheckBox32"},
    {"CheckBox34"},
    {"CheckBox35"},
    {"CheckBox36"},
    {"CheckBox37"},
}};

template <std::size_t N> std::string utf8(const FixedText<N>& text)
{
    return toUtf8(text.view());
}

// Collects the parameters in order and makes the caption lines.
class ParameterList
{
  public:
    ParameterList(const ApplicationState& state, int language)
        : state_(state), language_(language), separator_(state.displayDecimalSeparator)
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
        return std::string(state_.languages.text(language_, number));
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
    const ApplicationState& state_;
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
// now, so the datasheet never mixes two units.
UnitDetails chosenDetails(ApplicationState& state, int row, int unitIndex, MessageSink& sink)
{
    const auto& shown = state.selection.details;
    if (shown && shown->row == row && shown->unitIndex == unitIndex)
        return *shown;
    return computeUnitDetails(state, row, sink);
}

// " KB" / " SB" after a BASE unit's name, or nullopt when neither version is admitted. The
// suffix names the admitted version; when both are admitted it is the unit's own version, so
// that an SB unit is never printed as KB.
std::optional<std::string> baseModelSuffix(const SelectionState& selection,
                                           const CondensingUnitRecord& unit)
{
    if (!selection.versionKB && !selection.versionSB)
        return std::nullopt;
    if (selection.versionKB && selection.versionSB && unit.version == "SB")
        return " SB";
    return selection.versionKB ? " KB" : " SB";
}

std::optional<std::string> condensingTemperatureText(ApplicationState& state, int unitIndex,
                                                     int compressor, int condenser,
                                                     MessageSink& sink)
{
    UnitConditions conditions;
    try {
        conditions = readUnitConditions(state.catalogue.units[unitIndex]);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
    const double to = state.selection.evaporatingTemperature;
    const double air = state.selection.ambientTemperature;
    const UnitPoint point =
        evaluateUnitPoint(state, unitIndex, compressor, condenser, conditions, to, air, sink);
    if (!point.succeeded)
        return std::nullopt;
    const double tk = roundToTenth(air + point.condensingDeltaT) + 0.0;
    return formatNumber(tk, state.displayDecimalSeparator) +
           std::string(point.gaveUp ? kGaveUpMark : "");
}

template <std::size_t N>
void setStandardAccessories(ParameterList& list, const std::array<AccessoryLine, N>& lines,
                            const std::array<bool, N>& flags)
{
    for (std::size_t i = 0; i < N; ++i)
        list.set("AP" + std::to_string(i + 1),
                 list.caption(lines[i].box) + (flags[i] ? ": +" : ": -"));
}

template <std::size_t N>
void setAdditionalAccessories(ParameterList& list, const std::array<AccessoryLine, N>& lines,
                              const AdditionalAccessoryChoices& choices)
{
    for (std::size_t i = 0; i < N; ++i) {
        std::string text = list.caption(lines[i].box);
        if (!choices.ticked[i]) {
            text += ": -";
        } else if (lines[i].unitLabel.empty()) {
            text += ": +";
        } else {
            const std::size_t q = i + 1 - kFirstQuantityLine;
            text += ": + " + choices.quantities[q] + list.caption(lines[i].unitLabel);
        }
        list.set("AD" + std::to_string(i + 1), std::move(text));
    }
}

void setRangeColumns(ParameterList& list, const RangeStaging& staging)
{
    const int columns = std::clamp(staging.rangeColumnCount, 0, kStagedRangeColumns);
    for (int c = 0; c < columns; ++c) {
        const auto i = static_cast<std::size_t>(c);
        const std::string column = std::to_string(c + 1);
        list.set("t" + column, toUtf8(staging.rangeTo[i]));
        for (std::size_t k = 0; k < kRangeAmbientCount; ++k)
            list.set("Q" + std::to_string(k + 1) + column, toUtf8(staging.rangeQo[k][i]));
        for (std::size_t k = 0; k < kRangeAmbientCount; ++k)
            list.set("P" + std::to_string(k + 1) + column, toUtf8(staging.rangePe[k][i]));
    }
}

} // namespace

int controlCaptionEntry(std::string_view control)
{
    for (const auto& caption : kControlCaptions)
        if (caption.control == control)
            return caption.entry;
    return 0;
}

const std::string* findParameter(const ReportParameters& parameters, std::string_view name)
{
    for (const auto& parameter : parameters)
        if (parameter.name == name)
            return &parameter.text;
    return nullptr;
}

ReportParameters unitDatasheetParameters(ApplicationState& state, const DatasheetInputs& inputs,
                                         MessageSink& sink)
{
    const SelectionState& selection = state.selection;
    const Candidate* candidate =
        selection.selectedRow ? selection.candidates.row(*selection.selectedRow) : nullptr;
    if (!candidate)
        throw DatasheetError("No condensing unit is chosen: choose one in the list first.");
    const int row = *selection.selectedRow;
    const int u = candidate->unitIndex;
    const Catalogue& catalogue = state.catalogue;
    const int ci = findCompressorOfUnit(catalogue, u);
    const int ki = findCondenserOfUnit(catalogue, u);
    const UnitDetails details = chosenDetails(state, row, u, sink);
    const CondensingUnitRecord& unit = catalogue.units[u];
    const CompressorRecord& compressor = catalogue.compressors[ci];
    const CondenserRecord& condenser = catalogue.condensers[ki];
    const bool base = selection.familyIsBase;

    ParameterList list(state, inputs.language);
    const auto L = [&](std::string_view control) { return list.caption(control); };
    const auto E = [&](int entry) { return list.entry(entry); };

    list.set("DaneTechniczneAgregatu", L("TabSheet5"));
    if (!base) {
        list.line("ModelAgregatu", L("Label13"), utf8(unit.name));
    } else if (const auto suffix = baseModelSuffix(selection, unit)) {
        list.line("ModelAgregatu", L("Label13"), utf8(unit.name), *suffix);
    }
    list.line("CzynnikChlodniczy", L("GroupBox7"), utf8(unit.refrigerant));
    list.line("PostacAgregatu", E(99), utf8(unit.housing));
    list.line("WydajnoscAgregatu", L("Label17"), candidate->capacityText + candidate->mark, " [W]");
    list.line("TemperaturaParowania", L("Label9"), list.number(selection.evaporatingTemperature),
              " [C]");
    if (const auto tk = condensingTemperatureText(state, u, ci, ki, sink))
        list.line("TemperaturaSkraplania", L("Label31"), *tk, " [C]");
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
                  list.number(roundToHundredth(*pe + *fanCount * *fanPower)), " [kW]");
    list.line("TMIN", E(100), utf8(unit.toMin), " [C]");
    list.line("TMAX", E(101), utf8(unit.toMax), " [C]");
    list.line("MASA", E(102), utf8(unit.mass), " [kg]");
    list.line("Glosnosc", E(103), utf8(unit.noiseLevel), " [dB(A) 10m]");

    list.set("DaneTechniczneSprezarki", L("TabSheet3"));
    list.line("SprTyp", L("Label34"), utf8(unit.compressorModel));
    list.line("SprIlosc", E(128), utf8(unit.compressorCount));
    list.line("SprWydSk", L("Label36"), utf8(compressor.displacement), " [m3/h]");
    list.line("SprProducent", L("GroupBox2"), utf8(compressor.manufacturer));
    list.line("SprIloscOleju", L("Label39"), utf8(compressor.oilVolume), " [dm3]");
    list.line("SprTypOleju", L("Label40"), utf8(compressor.oilType));
    list.line("SprZasilanie", E(129), utf8(compressor.powerSupply));
    list.line("SprMaxPradPracy", L("Label42"), utf8(compressor.maxCurrent), " [A]");
    list.line("SprRozruch", L("Label44"), utf8(compressor.starting));
    list.line("SprZab", E(130), utf8(compressor.protection));
    list.line("PoborMocySprezarka", E(131), candidate->powerText + candidate->mark, " [kW]");
    // Capacity in kW over the compressor's power input alone.
    if (qo && pe && *pe != 0)
        list.line("COP", L("Label27"), list.number(roundToHundredth(*qo / 1000.0 / *pe)));

    list.set("DaneTechniczneSkraplacza", E(135));
    list.line("SkrTyp", E(136), utf8(unit.condenserModel));
    list.line("SkrIlosc", E(137), utf8(unit.condenserCount));

    list.set("DaneTechniczneWentylatora", L("TabSheet1"));
    list.line("WenTyp", L("Label45"), utf8(condenser.fanName));
    list.line("WenIlosc", E(114), utf8(condenser.fanCount));
    list.line("WenD", L("Label46"), utf8(condenser.fanDiameter), " [mm]");
    list.line("WenP", L("Label48"), utf8(condenser.fanPower), " [kW]");
    list.line("WenAMax", L("Label49"), utf8(condenser.fanCurrentMax), " [A]");
    list.line("WenKon", L("Label50"), utf8(condenser.fanCapacitor));
    list.line("WenObr", L("Label51"), utf8(condenser.fanSpeed), " [1/min]");
    list.line("WenTemp", L("Label52"), utf8(condenser.fanTemperature), " [C]");
    list.line("WenZasilanie", L("Label47"), utf8(condenser.fanSupply));

    list.set("pMyReportImage", details.drawing.string());
    list.set("data", inputs.date);
    const Dimensions& d = details.dimensions;
    const std::pair<const char*, const std::string*> dimensions[] = {
        {"A", &d.a}, {"B", &d.b}, {"C", &d.c}, {"D", &d.d},
        {"E", &d.e}, {"F", &d.f}, {"G", &d.g}, {"H", &d.h}};
    for (const auto& [letter, value] : dimensions)
        list.set(letter, std::string(letter) + "= " + toUtf8(*value) + "mm");

    if (base) {
        list.set("AkcesoriaPodstawowe", L("GroupBox3"));
        setStandardAccessories(list, kBaseStandard, details.baseAccessories);
        list.set("AkcesoriaDodatkowe", L("GroupBox6"));
        setAdditionalAccessories(list, kBaseAdditional, inputs.accessories);
    } else {
        list.set("AkcesoriaPodstawowe", L("GroupBox15"));
        setStandardAccessories(list, kBoxStandard, details.boxAccessories);
        list.set("AkcesoriaDodatkowe", L("GroupBox16"));
        setAdditionalAccessories(list, kBoxAdditional, inputs.accessories);
    }
    setRangeColumns(list, details.staging);
    return list.take();
}

} // namespace kelvo
