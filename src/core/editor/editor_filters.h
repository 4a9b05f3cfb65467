#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/app/filter_options.h"
#include "core/catalogue/catalogue.h"
#include "core/catalogue/catalogue_table.h"
#include "core/refrigerant/refrigerant_registry.h"

namespace kelvo
{

// The editor's four grids, one per table, in the order of the catalogue tables.
using EditorGrid = CatalogueTable;
inline constexpr int kEditorGridCount = kCatalogueTableCount;

// The filter boxes of the editor window. Captions are fixed (the editor is Polish only);
// objectName is the check box of the window. Values are compared exactly, whole text,
// case-sensitive.

inline constexpr FilterOption kCompressorAllOption{"", "ALL", 0, "CheckBox16"};
inline constexpr FilterGroup<3> kCompressorBrandOptions{{
    {"Copeland", "Copeland", 0, "CheckBox1"},
    {"Maneurop", "Maneurop", 0, "CheckBox2"},
    {"Frascold", "Frascold", 0, "CheckBox3"},
}};
inline constexpr FilterGroup<3> kCompressorKindOptions{{
    {"SPIRAL", "SPIRAL", 0, "CheckBox4"},
    {"HERMETIC", "HERMETIC", 0, "CheckBox5"},
    {"SEMIHERMETIC", "SEMIHERMETIC", 0, "CheckBox6"},
}};

inline constexpr FilterOption kUnitAllOption{"", "ALL", 0, "CheckBox15"};
// Values: the version of a "BASE" unit ("SB", "KB") and the housing "BOX" (any version).
inline constexpr FilterGroup<3> kUnitHousingOptions{{
    {"SB", "BASE - SB", 0, "CheckBox7"},
    {"KB", "BASE - KB", 0, "CheckBox8"},
    {"BOX", "BOX", 0, "CheckBox9"},
}};
inline constexpr FilterGroup<3> kUnitRangeOptions{{
    {"HITEMP", "HITEMP", 0, "CheckBox10"},
    {"MIDTEMP", "MIDTEMP", 0, "CheckBox11"},
    {"LOWTEMP", "LOWTEMP", 0, "CheckBox12"},
}};

// Changes nothing in the condenser filter; clicking it only refills the condenser grid.
inline constexpr FilterOption kCondenserAllOption{"", "ALL", 0, "CheckBox17"};

inline constexpr FilterGroup<2> kFrameHousingOptions{{
    {"BASE", "BASE", 0, "CheckBox13"},
    {"BOX", "Box", 0, "CheckBox14"},
}};

inline constexpr std::string_view kUnitHousingBase = "BASE";
inline constexpr std::string_view kUnitHousingBox = "BOX";

// The ticks of every filter box. Default-constructed it holds the ticks of a freshly opened
// editor: the three range boxes and the two frame boxes ticked, every other box not.
struct EditorFilters {
    bool compressorAll = false;                  // CheckBox16
    FilterTicks<3> compressorBrands{};           // CheckBox1 .. CheckBox3
    FilterTicks<3> compressorKinds{};            // CheckBox4 .. CheckBox6
    bool unitAll = false;                        // CheckBox15
    FilterTicks<3> unitHousings{};               // CheckBox7 .. CheckBox9
    FilterTicks<3> unitRanges{true, true, true}; // CheckBox10 .. CheckBox12
    bool condenserAll = false;                   // CheckBox17
    FilterTicks<2> frameHousings{true, true};    // CheckBox13, CheckBox14
};

// One filter box of the window, in window order (group by group, ALL first).
struct EditorFilterBox {
    std::string_view groupCaption; // "Sprężarka", "Agregat", "Skraplacz", "Rama" (UTF-8)
    const FilterOption* option;
    EditorGrid refills; // the one grid a click on the box refills
};

// All 17 boxes: "Sprężarka" (CheckBox16, 1 .. 6), "Agregat" (CheckBox15, 7 .. 12),
// "Skraplacz" (CheckBox17), "Rama" (CheckBox13, 14).
std::span<const EditorFilterBox> editorFilterBoxes();

// The tick of the box with that objectName, or nullptr for an unknown name.
bool* findEditorFilterTick(EditorFilters& filters, std::string_view objectName);
const bool* findEditorFilterTick(const EditorFilters& filters, std::string_view objectName);

// Whether a record is listed in its grid with these ticks and the refrigerant in use. A record
// whose refrigerant the registry does not know is listed for every refrigerant (unless ALL is
// ticked).
bool listsCompressor(const CompressorRecord& compressor, const EditorFilters& filters,
                     std::string_view refrigerant, const RefrigerantRegistry& refrigerants);
bool listsCondenser(const CondenserRecord& condenser, std::string_view refrigerant);
// The unit's compressor is the one its compressorId links to (the empty record when none,
// which passes the brand and kind tests).
bool listsUnit(const CondensingUnitRecord& unit, const CompressorRecord& compressor,
               const EditorFilters& filters, std::string_view refrigerant,
               const RefrigerantRegistry& refrigerants);
bool listsFrame(const FrameRecord& frame, const EditorFilters& filters);

} // namespace kelvo
