#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/catalogue/records.h"
#include "core/performance/operating_envelope.h"

namespace kelvo
{

class MessageSink;
struct SelectionCalculation;
struct SelectionState;

// Texts below are catalogue bytes (Windows-1250) or number texts with the display separator.

// The ambients every range table has a row for.
inline constexpr int kRangeAmbientCount = 3;
inline constexpr std::array<double, kRangeAmbientCount> kRangeAmbients{27.0, 32.0, 38.0};
// One more row the user may ask for, warmer than the last of kRangeAmbients (so the rows stay
// in order) and cool enough that most units still find a balance below 70 C.
inline constexpr double kExtraAmbientMin = 39.0;
inline constexpr double kExtraAmbientMax = 55.0;
// The row the selection window's check box adds.
inline constexpr double kWindowExtraAmbient = 43.0;
[[nodiscard]] constexpr bool isExtraAmbient(double ambient)
{
    return ambient >= kExtraAmbientMin && ambient <= kExtraAmbientMax;
}
// The rows' ambients: kRangeAmbients, then the extra one when there is one.
std::vector<double> rangeAmbients(std::optional<double> extraAmbient);
// The datasheet prints the first columns only.
inline constexpr int kStagedRangeColumns = 11;
inline constexpr std::size_t kStagedTextWidth = 20;

// One point of the operating-range tables.
struct RangeCell {
    std::string text;            // the figure; empty when the point failed
    std::string mark;            // "", kGaveUpMark or kFailedMark
    std::string reason;          // why it is marked
    std::optional<double> value; // the figure as a number
    bool gaveUp = false;
    // The working point: the balance's condensing temperature (air + dT, unrounded) and where
    // it lies against the compressor's envelope; nullopt / Unchecked when the point failed.
    std::optional<double> condensingTemperature;
    EnvelopePosition envelope = EnvelopePosition::Unchecked;
    std::string envelopeMark;   // kOutsideEnvelopeMark or ""
    std::string envelopeReason; // the working point outside the envelope, or ""

    [[nodiscard]] std::string shown() const { return text + mark + envelopeMark; }
};

struct RangeColumn {
    double to = 0;
    std::string toText;
    std::vector<RangeCell> capacity; // W, one per RangeTables::ambients
    std::vector<RangeCell> power;    // kW, likewise
};

// "Wydajność chłodnicza - Qo [W]" and "Pobór mocy elektrycznej - Pe [kW]": one column per
// evaporating temperature, one row per ambient; both tables share the headers.
struct RangeTables {
    std::string cornerText;       // "[C]"
    std::vector<double> ambients; // the rows: kRangeAmbients and the extra ambient when asked
    std::vector<std::string> ambientTexts;
    std::vector<RangeColumn> columns; // every computed column
    std::string failure;              // why the tables are empty or cut short; empty otherwise
};

// Whether a figure of the tables carries a mark (and the legend is worth showing).
bool anyCellMarked(const RangeTables& range);
// Whether a figure of the details (the headline figures or the tables) carries a mark.
struct UnitDetails;
bool anyFigureMarked(const UnitDetails& details);

// What the datasheet receives: the first kStagedRangeColumns columns as shown (figure and
// mark), each cut to kStagedTextWidth. rangeColumnCount counts every computed column.
struct RangeStaging {
    int rangeColumnCount = 0;
    std::array<std::string, kStagedRangeColumns> rangeTo;
    // One per row of the tables: [0] 27 C, [1] 32 C, [2] 38 C (rangeQo27 / rangeQo32 /
    // rangeQo38 and likewise Pe), then the extra ambient's row when there is one.
    using StagedRow = std::array<std::string, kStagedRangeColumns>;
    std::vector<StagedRow> rangeQo;
    std::vector<StagedRow> rangePe;
};

// Tab "Dane Agregatu" (panel numbers of the selection screen in brackets).
struct UnitDataPanels {
    std::string evaporatingTemperature; // [1] C
    std::string ambientTemperature;     // [2] C
    std::string unitName;               // [3]
    std::string compressorModel;        // [4]
    // The list's mark of the unit's balance point outside the compressor's envelope
    // (kOutsideEnvelopeMark or ""), shown after [6], [7], [9], [11] as after the list's figures.
    std::string envelopeMark;
    std::string capacity;                  // [6] W, the list's cell
    std::string power;                     // [7] kW, the list's cell
    std::string fanPower;                  // [8] kW, fanPower x fanCount
    std::string totalPower;                // [9] kW, [7] + [8]
    std::string cop;                       // [11] [6] in kW / [9], three decimals
    std::string version;                   // [12]
    std::string condensingTemperature;     // [13] C, one decimal; empty when the point failed
    std::string condensingTemperatureMark; // kGaveUpMark when no balance was found below 70 C
    EnvelopePosition condensingEnvelope = EnvelopePosition::Unchecked; // of the single point
    std::string condensingEnvelopeMark;                                // kOutsideEnvelopeMark or ""
    std::string condensingEnvelopeReason; // the single point outside the envelope, or ""
    std::optional<double> condensingTemperatureUnrounded; // air + dT
    std::string subcooling;                               // [14] K, as stored
    std::string suctionTemperature;                       // [15] C, or "?"

    // The same figures as numbers; nullopt where the panel is empty.
    std::optional<double> fanPowerKW;
    std::optional<double> totalPowerKW;
    std::optional<double> copValue;
    std::optional<double> condensingTemperatureC;
};

// Tab "Dane Wentylatora": the fans of the unit's condenser, as stored.
struct FanPanels {
    std::string name;           // [32]
    std::string diameter;       // [33] mm
    std::string supply;         // [34]
    std::string power;          // [35] kW
    std::string currentMax;     // [36] A
    std::string capacitor;      // [37]
    std::string speed;          // [38] 1/min
    std::string maxTemperature; // [39] C
};

// Tab "Dane Sprężarki": the unit's compressor, as stored.
struct CompressorPanels {
    std::string model;        // [24]
    std::string displacement; // [25] m3/h
    std::string oilVolume;    // [26] dm3
    std::string oilType;      // [27]
    std::string mass;         // [28] kg
    std::string maxCurrent;   // [29] A
    std::string maxCurrentZ;  // [30] A
    std::string starting;     // [31]
};

// Group "Wymiary", mm: the frame's dimensions; "?" without a frame.
struct Dimensions {
    std::string a, b, c, d, e, f, g, h; // [16] [17] [18] [19] [20] [21] [23] [22]
};

struct UnitDetails {
    int row = 0;       // the list row shown
    int unitIndex = 0; // its unit in catalogue.units
    RangeTables range;
    RangeStaging staging;
    // With an extra ambient: the unit at the selection's to and that ambient, evaluated as a
    // range table's point (one row); nullopt without one or without the unit's conditions.
    std::optional<RangeColumn> extraAmbientPoint;
    UnitDataPanels data;
    FanPanels fan;
    CompressorPanels compressor;
    Dimensions dimensions;
    std::array<bool, CondensingUnitRecord::baseAccessoryCount> baseAccessories{};
    std::array<bool, CondensingUnitRecord::boxAccessoryCount> boxAccessories{};
    std::filesystem::path drawing; // programDir / "wmf" / (drawing + ".wmf"), UTF-8 name
    // Set when the unit's own texts (suction, subcooling, counts) do not convert: the figures
    // that need an evaluation stay empty, the rest is shown. Also set, to the list's reason,
    // for a unit the list could not evaluate.
    std::string failure;
};

// The details of list row `row` (1 ..) of selection.candidates at the selection's temperatures.
// Evaluates the range tables (with a row for selection.extraAmbient when set) and the condensing
// temperature; adds the unit's limits and its condenser's fanPower to the texts read, which the
// catalogue keeps with ",". Each distinct message goes to the sink once (UTF-8). Throws
// std::out_of_range for a row not in the list.
UnitDetails computeUnitDetails(const SelectionCalculation& calculation,
                               const SelectionState& selection, int row, MessageSink& sink);

} // namespace kelvo
