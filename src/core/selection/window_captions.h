#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/app/filter_options.h"
#include "core/app/language_entries.h"

namespace kelvo
{

struct UnitDetails;
struct Dimensions;

// What the selection window shows and how it is captioned, defined once: the window builds its
// controls from these tables, and the datasheet and the command line take captions and unit
// labels from the same rows.

// A group box or tab page whose caption is a language entry.
struct CaptionedControl {
    std::string_view objectName;
    int entry;
};

// The window's groups and tab pages.
extern const std::array<CaptionedControl, 14> kSelectionWindowCaptions;

// The compressor-kind, brand and condenser-version filters (the version only for BASE).
inline constexpr FilterGroup<3> kSelectionKindFilter{{
    {"SPIRAL", {}, LanguageEntry::HermeticScroll, "CheckBox38"},
    {"HERMETIC", {}, LanguageEntry::HermeticPiston, "CheckBox39"},
    {"SEMIHERMETIC", {}, LanguageEntry::SemihermeticPiston, "CheckBox40"},
}};
inline constexpr FilterGroup<3> kSelectionBrandFilter{{
    {"Copeland", {}, LanguageEntry::FirstBrand, "CheckBox41"},
    {"Frascold", {}, LanguageEntry::SecondBrand, "CheckBox42"},
    {"Maneurop", {}, LanguageEntry::ThirdBrand, "CheckBox43"},
}};
inline constexpr FilterGroup<2> kSelectionVersionFilter{{
    {"SB", {}, LanguageEntry::StandardCondenser, "CheckBox44"},
    {"KB", {}, LanguageEntry::EnlargedCondenser, "CheckBox45"},
}};
inline constexpr std::string_view kKindFilterGroup = "GroupBox4";
inline constexpr std::string_view kBrandFilterGroup = "GroupBox2";
inline constexpr std::string_view kVersionFilterGroup = "GroupBox8";

// One line of a data page of the details: label, panel, unit label and the text shown
// (catalogue bytes or a number text).
struct DetailLine {
    std::string_view key;       // the figure's name in the command line's JSON
    std::string_view labelName; // "Label13"
    int entry;                  // the label's language entry
    std::string_view panelName; // "Panel3"
    std::string_view unitLabel; // "[C]", or empty
    std::string (*text)(const UnitDetails&);
};

// The pages "unit data", "fan data" and "compressor data", in the order shown.
struct DetailPage {
    std::string_view objectName; // the tab page
    int entry;                   // its caption
    std::span<const DetailLine> lines;
};
extern const DetailPage kUnitDataPage;
extern const DetailPage kFanDataPage;
extern const DetailPage kCompressorDataPage;

// The dimensions group: letter, panel, and the place in the group's three-column grid.
struct DimensionField {
    std::string_view letter;
    std::string_view panelName;
    int row;
    int column;
    std::string Dimensions::*value;
};
inline constexpr std::string_view kDimensionsGroup = "GroupBox20";
extern const std::array<DimensionField, 8> kDimensionFields; // A .. H

// An accessory line: its check box and, for a line with a quantity, the quantity box and the
// label of the quantity's unit.
struct AccessoryLineCaption {
    std::string_view boxName;
    int entry;
    std::string_view quantityName = {};
    std::string_view unitLabelName = {};
    int unitLabelEntry = 0;
};
struct AccessoryGroupCaption {
    std::string_view groupName;
    int entry;
    std::span<const AccessoryLineCaption> lines;
};
// Standard groups show the unit's flags; additional groups hold the user's choices.
extern const AccessoryGroupCaption kBaseStandardAccessories;
extern const AccessoryGroupCaption kBaseAdditionalAccessories;
extern const AccessoryGroupCaption kBoxStandardAccessories;
extern const AccessoryGroupCaption kBoxAdditionalAccessories;

// The language entry that captions a control of the selection window ("Label13" -> UnitModel),
// or None for a control whose caption is not taken from the language table.
int controlCaptionEntry(std::string_view control);

} // namespace kelvo
