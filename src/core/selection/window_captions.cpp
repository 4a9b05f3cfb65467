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
    {"evaporatingTemperature", "Label9", 86, "Panel1", "[C]",
     [](const UnitDetails& d) { return d.data.evaporatingTemperature; }},
    {"ambientTemperature", "Label11", 87, "Panel2", "[C]",
     [](const UnitDetails& d) { return d.data.ambientTemperature; }},
    {"unitName", "Label13", 88, "Panel3", "", [](const UnitDetails& d) { return d.data.unitName; }},
    {"compressorModel", "Label15", 89, "Panel4", "",
     [](const UnitDetails& d) { return d.data.compressorModel; }},
    {"capacity", "Label17", 90, "Panel6", "[W]",
     [](const UnitDetails& d) { return marked(d.data.capacity, d); }},
    {"power", "Label19", 91, "Panel7", "[kW]",
     [](const UnitDetails& d) { return marked(d.data.power, d); }},
    {"fanPower", "Label21", 92, "Panel8", "[kW]",
     [](const UnitDetails& d) { return d.data.fanPower; }},
    {"totalPower", "Label23", 93, "Panel9", "[kW]",
     [](const UnitDetails& d) { return marked(d.data.totalPower, d); }},
    {"cop", "Label27", 94, "Panel11", "",
     [](const UnitDetails& d) { return marked(d.data.cop, d); }},
    {"version", "Label29", 95, "Panel12", "", [](const UnitDetails& d) { return d.data.version; }},
    {"condensingTemperature", "Label31", 96, "Panel13", "[C]",
     [](const UnitDetails& d) {
         return d.data.condensingTemperature + d.data.condensingTemperatureMark +
                d.data.condensingEnvelopeMark;
     }},
    {"subcooling", "Label33", 97, "Panel14", "[K]",
     [](const UnitDetails& d) { return d.data.subcooling; }},
    {"suctionTemperature", "Label35", 98, "Panel15", "[C]",
     [](const UnitDetails& d) { return d.data.suctionTemperature; }},
}};

const std::array<DetailLine, 8> kFanLines{{
    {"name", "Label45", 106, "Panel32", "", [](const UnitDetails& d) { return d.fan.name; }},
    {"diameter", "Label46", 107, "Panel33", "[mm]",
     [](const UnitDetails& d) { return d.fan.diameter; }},
    {"supply", "Label47", 108, "Panel34", "", [](const UnitDetails& d) { return d.fan.supply; }},
    {"power", "Label48", 109, "Panel35", "[kW]", [](const UnitDetails& d) { return d.fan.power; }},
    {"currentMax", "Label49", 110, "Panel36", "[A]",
     [](const UnitDetails& d) { return d.fan.currentMax; }},
    {"capacitor", "Label50", 111, "Panel37", "",
     [](const UnitDetails& d) { return d.fan.capacitor; }},
    {"speed", "Label51", 112, "Panel38", "[1/min]",
     [](const UnitDetails& d) { return d.fan.speed; }},
    {"maxTemperature", "Label52", 113, "Panel39", "[C]",
     [](const UnitDetails& d) { return d.fan.maxTemperature; }},
}};

const std::array<DetailLine, 8> kCompressorLines{{
    {"model", "Label34", 120, "Panel24", "",
     [](const UnitDetails& d) { return d.compressor.model; }},
    {"displacement", "Label36", 121, "Panel25", "[m3/h]",
     [](const UnitDetails& d) { return d.compressor.displacement; }},
    {"oilVolume", "Label39", 122, "Panel26", "[dm3]",
     [](const UnitDetails& d) { return d.compressor.oilVolume; }},
    {"oilType", "Label40", 123, "Panel27", "",
     [](const UnitDetails& d) { return d.compressor.oilType; }},
    {"mass", "Label41", 124, "Panel28", "[kg]",
     [](const UnitDetails& d) { return d.compressor.mass; }},
    {"maxCurrent", "Label42", 125, "Panel29", "[A]",
     [](const UnitDetails& d) { return d.compressor.maxCurrent; }},
    {"maxCurrentZ", "Label43", 126, "Panel30", "[A]",
     [](const UnitDetails& d) { return d.compressor.maxCurrentZ; }},
    {"starting", "Label44", 127, "Panel31", "",
     [](const UnitDetails& d) { return d.compressor.starting; }},
}};

constexpr AccessoryLineCaption kBaseStandardLines[] = {
    {"CheckBox9", 31}, {"CheckBox10", 32}, {"CheckBox11", 33}, {"CheckBox1", 34},
    {"CheckBox2", 35}, {"CheckBox12", 36}, {"CheckBox3", 37},
};
constexpr AccessoryLineCaption kBaseAdditionalLines[] = {
    {"CheckBox13", 40},
    {"CheckBox14", 41},
    {"CheckBox15", 42},
    {"CheckBox16", 43, "Edit2", "Label1", 44},
    {"CheckBox17", 45, "Edit3", "Label2", 46},
    {"CheckBox18", 47, "Edit4", "Label3", 48},
    {"CheckBox19", 49},
};
constexpr AccessoryLineCaption kBoxStandardLines[] = {
    {"CheckBox4", 52},  {"CheckBox5", 53},  {"CheckBox6", 54},  {"CheckBox8", 55},
    {"CheckBox20", 56}, {"CheckBox7", 57},  {"CheckBox21", 58}, {"CheckBox22", 59},
    {"CheckBox23", 60}, {"CheckBox24", 61}, {"CheckBox25", 62}, {"CheckBox26", 63},
};
constexpr AccessoryLineCaption kBoxAdditionalLines[] = {
    {"CheckBox27", 66},
    {"CheckBox33", 67},
    {"CheckBox28", 68},
    {"CheckBox29", 69, "Edit5", "Label4", 70},
    {"CheckBox30", 71, "Edit6", "Label5", 72},
    {"CheckBox31", 73, "Edit7", "Label8", 74},
    {"CheckBox32", 75},
    {"CheckBox34", 76},
    {"CheckBox35", 77},
    {"CheckBox36", 78},
    {"CheckBox37", 79},
};

template <std::size_t N> int filterEntry(const FilterGroup<N>& group, std::string_view control)
{
    for (const FilterOption& option : group)
        if (option.objectName == control)
            return option.captionEntry;
    return 0;
}

int detailEntry(const DetailPage& page, std::string_view control)
{
    if (page.objectName == control)
        return page.entry;
    for (const DetailLine& line : page.lines)
        if (line.labelName == control)
            return line.entry;
    return 0;
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
    return 0;
}

} // namespace

const std::array<CaptionedControl, 14> kSelectionWindowCaptions{{
    {"GroupBox7", 9},
    {"GroupBox9", 10},
    {"GroupBox10", 11},
    {"GroupBox5", 12},
    {kDimensionsGroup, kDimensionsEntry},
    {kKindFilterGroup, 16},
    {kBrandFilterGroup, 21},
    {kVersionFilterGroup, 26},
    {"TabSheet2", 81},
    {"GroupBox14", 82},
    {"GroupBox13", 83},
    {"TabSheet5", 85},
    {"TabSheet1", 105},
    {"TabSheet3", 119},
}};

const DetailPage kUnitDataPage{"TabSheet5", 85, kUnitDataLines};
const DetailPage kFanDataPage{"TabSheet1", 105, kFanLines};
const DetailPage kCompressorDataPage{"TabSheet3", 119, kCompressorLines};

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

const AccessoryGroupCaption kBaseStandardAccessories{"GroupBox3", 30, kBaseStandardLines};
const AccessoryGroupCaption kBaseAdditionalAccessories{"GroupBox6", 39, kBaseAdditionalLines};
const AccessoryGroupCaption kBoxStandardAccessories{"GroupBox15", 51, kBoxStandardLines};
const AccessoryGroupCaption kBoxAdditionalAccessories{"GroupBox16", 65, kBoxAdditionalLines};

int controlCaptionEntry(std::string_view control)
{
    for (const CaptionedControl& caption : kSelectionWindowCaptions)
        if (caption.objectName == control)
            return caption.entry;
    for (int entry :
         {filterEntry(kSelectionKindFilter, control), filterEntry(kSelectionBrandFilter, control),
          filterEntry(kSelectionVersionFilter, control)})
        if (entry != 0)
            return entry;
    for (const DetailPage* page : {&kUnitDataPage, &kFanDataPage, &kCompressorDataPage})
        if (const int entry = detailEntry(*page, control))
            return entry;
    for (const AccessoryGroupCaption* group :
         {&kBaseStandardAccessories, &kBaseAdditionalAccessories, &kBoxStandardAccessories,
          &kBoxAdditionalAccessories})
        if (const int entry = accessoryEntry(*group, control))
            return entry;
    return 0;
}

} // namespace kelvo
