#include "core/selection/window_captions.h"

#include "core/selection/unit_details.h"

namespace kelvo
{
namespace
{

// A figure of the balance point with the list's envelope mark; an empty panel stays empty.
std::string marked(const std::string& figure, const UnitDetails& details)
{
    return figure.empty() ? figure : figure + details.data.envelopeMark;
}

const std::array<DetailLine, 13> kUnitDataLines{{
    {"evaporatingTemperature", "Label9", LanguageEntry::UnitEvaporationTemperature, "Panel1", "[C]",
     [](const UnitDetails& d) { return d.data.evaporatingTemperature; }},
    {"ambientTemperature", "Label11", LanguageEntry::UnitAmbientTemperature, "Panel2", "[C]",
     [](const UnitDetails& d) { return d.data.ambientTemperature; }},
    {"unitName", "Label13", LanguageEntry::UnitModel, "Panel3", "",
     [](const UnitDetails& d) { return d.data.unitName; }},
    {"compressorModel", "Label15", LanguageEntry::UnitCompressor, "Panel4", "",
     [](const UnitDetails& d) { return d.data.compressorModel; }},
    {"capacity", "Label17", LanguageEntry::UnitCoolingCapacity, "Panel6", "[W]",
     [](const UnitDetails& d) { return marked(d.data.capacity, d); }},
    {"power", "Label19", LanguageEntry::CompressorPowerInput, "Panel7", "[kW]",
     [](const UnitDetails& d) { return marked(d.data.power, d); }},
    {"fanPower", "Label21", LanguageEntry::FanPowerInput, "Panel8", "[kW]",
     [](const UnitDetails& d) { return d.data.fanPower; }},
    {"totalPower", "Label23", LanguageEntry::TotalPowerInput, "Panel9", "[kW]",
     [](const UnitDetails& d) { return marked(d.data.totalPower, d); }},
    {"cop", "Label27", LanguageEntry::CoefficientOfPerformance, "Panel11", "",
     [](const UnitDetails& d) { return marked(d.data.cop, d); }},
    {"version", "Label29", LanguageEntry::CondenserVersion, "Panel12", "",
     [](const UnitDetails& d) { return d.data.version; }},
    {"condensingTemperature", "Label31", LanguageEntry::CondensingTemperature, "Panel13", "[C]",
     [](const UnitDetails& d) {
         return d.data.condensingTemperature + d.data.condensingTemperatureMark +
                d.data.condensingEnvelopeMark;
     }},
    {"subcooling", "Label33", LanguageEntry::Subcooling, "Panel14", "[K]",
     [](const UnitDetails& d) { return d.data.subcooling; }},
    {"suctionTemperature", "Label35", LanguageEntry::SuctionTemperature, "Panel15", "[C]",
     [](const UnitDetails& d) { return d.data.suctionTemperature; }},
}};

const std::array<DetailLine, 8> kFanLines{{
    {"name", "Label45", LanguageEntry::FanType, "Panel32", "",
     [](const UnitDetails& d) { return d.fan.name; }},
    {"diameter", "Label46", LanguageEntry::FanDiameter, "Panel33", "[mm]",
     [](const UnitDetails& d) { return d.fan.diameter; }},
    {"supply", "Label47", LanguageEntry::FanPowerSupply, "Panel34", "",
     [](const UnitDetails& d) { return d.fan.supply; }},
    {"power", "Label48", LanguageEntry::FanNominalPowerInput, "Panel35", "[kW]",
     [](const UnitDetails& d) { return d.fan.power; }},
    {"currentMax", "Label49", LanguageEntry::FanMaxOperatingCurrent, "Panel36", "[A]",
     [](const UnitDetails& d) { return d.fan.currentMax; }},
    {"capacitor", "Label50", LanguageEntry::FanCapacitor, "Panel37", "",
     [](const UnitDetails& d) { return d.fan.capacitor; }},
    {"speed", "Label51", LanguageEntry::FanSpeed, "Panel38", "[1/min]",
     [](const UnitDetails& d) { return d.fan.speed; }},
    {"maxTemperature", "Label52", LanguageEntry::FanMaxOperatingTemperature, "Panel39", "[C]",
     [](const UnitDetails& d) { return d.fan.maxTemperature; }},
}};

const std::array<DetailLine, 8> kCompressorLines{{
    {"model", "Label34", LanguageEntry::CompressorModelType, "Panel24", "",
     [](const UnitDetails& d) { return d.compressor.model; }},
    {"displacement", "Label36", LanguageEntry::Displacement, "Panel25", "[m3/h]",
     [](const UnitDetails& d) { return d.compressor.displacement; }},
    {"oilVolume", "Label39", LanguageEntry::OilAmount, "Panel26", "[dm3]",
     [](const UnitDetails& d) { return d.compressor.oilVolume; }},
    {"oilType", "Label40", LanguageEntry::OilGrade, "Panel27", "",
     [](const UnitDetails& d) { return d.compressor.oilType; }},
    {"mass", "Label41", LanguageEntry::CompressorNetWeight, "Panel28", "[kg]",
     [](const UnitDetails& d) { return d.compressor.mass; }},
    {"maxCurrent", "Label42", LanguageEntry::CompressorMaxOperatingCurrent, "Panel29", "[A]",
     [](const UnitDetails& d) { return d.compressor.maxCurrent; }},
    {"maxCurrentZ", "Label43", LanguageEntry::LockedRotorCurrent, "Panel30", "[A]",
     [](const UnitDetails& d) { return d.compressor.maxCurrentZ; }},
    {"starting", "Label44", LanguageEntry::ModeOfStart, "Panel31", "",
     [](const UnitDetails& d) { return d.compressor.starting; }},
}};

constexpr AccessoryLineCaption kBaseStandardLines[] = {
    {"CheckBox9", LanguageEntry::BaseCrankcaseHeater},
    {"CheckBox10", LanguageEntry::BaseShutOffValves},
    {"CheckBox11", LanguageEntry::BaseOilSightglass},
    {"CheckBox1", LanguageEntry::BaseDualPressureSwitch},
    {"CheckBox2", LanguageEntry::BaseDifferentialPressureSwitch},
    {"CheckBox12", LanguageEntry::BaseConnectionBox},
    {"CheckBox3", LanguageEntry::BaseLiquidReceiver},
};
constexpr AccessoryLineCaption kBaseAdditionalLines[] = {
    {"CheckBox13", LanguageEntry::BaseOilSeparator},
    {"CheckBox14", LanguageEntry::BaseCapacityControl},
    {"CheckBox15", LanguageEntry::BaseUnloadedStart},
    {"CheckBox16", LanguageEntry::BaseCondenserFanControl, "Edit2", "Label1",
     LanguageEntry::BaseCondenserFanControlPieces},
    {"CheckBox17", LanguageEntry::BaseHighPressureSwitch, "Edit3", "Label2",
     LanguageEntry::BaseHighPressureSwitchPieces},
    {"CheckBox18", LanguageEntry::BaseLowPressureSwitch, "Edit4", "Label3",
     LanguageEntry::BaseLowPressureSwitchPieces},
    {"CheckBox19", LanguageEntry::BaseSafetyValves},
};
constexpr AccessoryLineCaption kBoxStandardLines[] = {
    {"CheckBox4", LanguageEntry::BoxCrankcaseHeater},
    {"CheckBox5", LanguageEntry::BoxShutOffValves},
    {"CheckBox6", LanguageEntry::BoxOilSightglass},
    {"CheckBox8", LanguageEntry::BoxDualPressureSwitch},
    {"CheckBox20", LanguageEntry::BoxDifferentialPressureSwitch},
    {"CheckBox7", LanguageEntry::BoxStandardHighPressureSwitch},
    {"CheckBox21", LanguageEntry::BoxLiquidReceiver},
    {"CheckBox22", LanguageEntry::BoxElectricBoxCasing},
    {"CheckBox23", LanguageEntry::BoxWiringToTerminals},
    {"CheckBox24", LanguageEntry::BoxFilterDrier},
    {"CheckBox25", LanguageEntry::BoxLiquidLineSightglass},
    {"CheckBox26", LanguageEntry::BoxLiquidLineShutOffValve},
};
constexpr AccessoryLineCaption kBoxAdditionalLines[] = {
    {"CheckBox27", LanguageEntry::BoxOilSeparator},
    {"CheckBox33", LanguageEntry::BoxCapacityControl},
    {"CheckBox28", LanguageEntry::BoxUnloadedStart},
    {"CheckBox29", LanguageEntry::BoxCondenserFanControl, "Edit5", "Label4",
     LanguageEntry::BoxCondenserFanControlPieces},
    {"CheckBox30", LanguageEntry::BoxHighPressureSwitch, "Edit6", "Label5",
     LanguageEntry::BoxHighPressureSwitchPieces},
    {"CheckBox31", LanguageEntry::BoxLowPressureSwitch, "Edit7", "Label8",
     LanguageEntry::BoxLowPressureSwitchPieces},
    {"CheckBox32", LanguageEntry::BoxSafetyValves},
    {"CheckBox34", LanguageEntry::BoxOptionalLiquidReceiver},
    {"CheckBox35", LanguageEntry::BoxOptionalElectricBoxCasing},
    {"CheckBox36", LanguageEntry::BoxOptionalWiringToTerminals},
    {"CheckBox37", LanguageEntry::BoxCompleteElectricBox},
};

template <std::size_t N> int filterEntry(const FilterGroup<N>& group, std::string_view control)
{
    for (const FilterOption& option : group)
        if (option.objectName == control)
            return option.captionEntry;
    return LanguageEntry::None;
}

int detailEntry(const DetailPage& page, std::string_view control)
{
    if (page.objectName == control)
        return page.entry;
    for (const DetailLine& line : page.lines)
        if (line.labelName == control)
            return line.entry;
    return LanguageEntry::None;
}

int accessoryEntry(const AccessoryGroupCaption& group, std::string_view control)
{
    if (group.groupName == control)
        return group.entry;
    for (const AccessoryLineCaption& line : group.lines) {
        if (line.boxName == control)
            return line.entry;
        if (!line.unitLabelName.empty() && line.unitLabelName == control)
            return line.unitLabelEntry;
    }
    return LanguageEntry::None;
}

} // namespace

const std::array<CaptionedControl, 14> kSelectionWindowCaptions{{
    {"GroupBox7", LanguageEntry::Refrigerant},
    {"GroupBox9", LanguageEntry::EvaporationTemperature},
    {"GroupBox10", LanguageEntry::AmbientTemperature},
    {"GroupBox5", LanguageEntry::CoolingCapacity},
    {kDimensionsGroup, LanguageEntry::Dimensions},
    {kKindFilterGroup, LanguageEntry::CompressorType},
    {kBrandFilterGroup, LanguageEntry::CompressorBrand},
    {kVersionFilterGroup, LanguageEntry::Condenser},
    {"TabSheet2", LanguageEntry::ApplicationRange},
    {"GroupBox14", LanguageEntry::CoolingCapacityQo},
    {"GroupBox13", LanguageEntry::PowerInputPe},
    {"TabSheet5", LanguageEntry::CondensingUnitData},
    {"TabSheet1", LanguageEntry::FanData},
    {"TabSheet3", LanguageEntry::CompressorData},
}};

const DetailPage kUnitDataPage{"TabSheet5", LanguageEntry::CondensingUnitData, kUnitDataLines};
const DetailPage kFanDataPage{"TabSheet1", LanguageEntry::FanData, kFanLines};
const DetailPage kCompressorDataPage{"TabSheet3", LanguageEntry::CompressorData, kCompressorLines};

// Panels 16 .. 21 are A .. F, G is 23 and H is 22; laid out A B C / D E F / H G.
const std::array<DimensionField, 8> kDimensionFields{{
    {"A", "Panel16", 0, 0, &Dimensions::a},
    {"B", "Panel17", 0, 1, &Dimensions::b},
    {"C", "Panel18", 0, 2, &Dimensions::c},
    {"D", "Panel19", 1, 0, &Dimensions::d},
    {"E", "Panel20", 1, 1, &Dimensions::e},
    {"F", "Panel21", 1, 2, &Dimensions::f},
    {"G", "Panel23", 2, 1, &Dimensions::g},
    {"H", "Panel22", 2, 0, &Dimensions::h},
}};

const AccessoryGroupCaption kBaseStandardAccessories{
    "GroupBox3", LanguageEntry::BaseStandardAccessories, kBaseStandardLines};
const AccessoryGroupCaption kBaseAdditionalAccessories{
    "GroupBox6", LanguageEntry::BaseOptionalAccessories, kBaseAdditionalLines};
const AccessoryGroupCaption kBoxStandardAccessories{
    "GroupBox15", LanguageEntry::BoxStandardAccessories, kBoxStandardLines};
const AccessoryGroupCaption kBoxAdditionalAccessories{
    "GroupBox16", LanguageEntry::BoxOptionalAccessories, kBoxAdditionalLines};

int controlCaptionEntry(std::string_view control)
{
    for (const CaptionedControl& caption : kSelectionWindowCaptions)
        if (caption.objectName == control)
            return caption.entry;
    for (int entry :
         {filterEntry(kSelectionKindFilter, control), filterEntry(kSelectionBrandFilter, control),
          filterEntry(kSelectionVersionFilter, control)})
        if (entry != LanguageEntry::None)
            return entry;
    for (const DetailPage* page : {&kUnitDataPage, &kFanDataPage, &kCompressorDataPage})
        if (const int entry = detailEntry(*page, control))
            return entry;
    for (const AccessoryGroupCaption* group :
         {&kBaseStandardAccessories, &kBaseAdditionalAccessories, &kBoxStandardAccessories,
          &kBoxAdditionalAccessories})
        if (const int entry = accessoryEntry(*group, control))
            return entry;
    return LanguageEntry::None;
}

} // namespace kelvo
