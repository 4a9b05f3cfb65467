#pragma once

#include <string>
#include <string_view>

namespace kelvo
{

// Texts the program writes itself (not the windows' captions of the language table): the
// reasons a unit has no figures or marked figures, in each language of the language menu.
enum class OwnText {
    CondensingAbove70,  // no balance point below a condensing temperature of 70 C
    CompressorNotFound, // {} is the compressor id the unit names
    CondenserNotFound,  // {} is the condenser id the unit names
    IncompleteData,     // the balance stopped without a message of its own
    RangeColumnsCut,    // {} is the most columns a range table gets
    OutsideEnvelope,    // {} is the working point, "to -25 C, tk 55,3 C"
    OnlyInsideEnvelope, // the selection's check box that hides units outside their envelope
    EnvelopeTab,        // the details' tab page with the compressor's envelope chart
    LegendFailed,       // the legend's line for kFailedMark
    LegendGaveUp,       // ... for kGaveUpMark
    LegendOutside,      // ... for kOutsideEnvelopeMark
    ExportHint,         // the hint of the selection's export button
    UnitCop,            // the datasheet's caption of the unit's COP (capacity / total power)
    ChartToTitle,       // the envelope chart's axis titles, with their units
    ChartTkTitle,
    ChartEnvelope1, // the chart legend's lines: the compressor's two envelopes,
    ChartEnvelope2,
    ChartWorkingPoint,   // the working point (the red cross-hair),
    ChartRangeInside,    // the range tables' points inside the envelope (filled squares)
    ChartRangeOutside,   // ... and outside it (outlined squares)
    CompareCount,        // {} is how many units were chosen for the comparison
    CompareAtMostFour,   // a fifth unit marked for the comparison is refused
    InsideEnvelope,      // the comparison's envelope verdict of a point inside it
    EnvelopeUnchecked,   // ... of a compressor without an envelope
    CompareFans,         // the comparison's row of the fans, count x name
    BestValue,           // the comparison's legend of its highlighted figures
    AlsoAtExtraAmbient,  // the selection's check box adding the range tables' 43 C row
    CurvesTab,           // the details' tab page with the performance curves
    CurvesCapacityTitle, // the curves' vertical axis titles, with their units
    CurvesPowerTitle,
    CurveAmbient,         // the legend's line of one curve; {} is its ambient
    UnitsChoice,          // the selection's choice of SI or inch-pound units
    SafetyClass,          // caption of a refrigerant's safety class ("A1", "A2L", ...)
    FlammableRefrigerant, // the warning under a flammable refrigerant; {} is its safety class
    ImpossibleValue,      // a catalogue value outside its physical range; {} names it
    NoPositiveBalance,    // a balance point without positive Qo and Pe; {} gives both
    // The catalogue values with a physical range, as ImpossibleValue names them, in the order
    // of PhysicalField.
    FieldCompressorCount,
    FieldCondenserCount,
    FieldSuperheat,
    FieldSubcooling,
    FieldSuctionTemperature,
    FieldToMin,
    FieldToMax,
    FieldCapacityMultiplier,
    FieldPowerMultiplier,
    FieldFanPower,
    FieldFanCount,
    FieldEnvelopeTemperature,
    RecoveryFinished,   // a save cut short was finished at the load; {} is the folder
    RecoveryUndone,     // ... undone
    RecoveryStuck,      // ... could be neither
    RecoveryLeftOver,   // follows those: {} is what could not be removed
    WorkbookNotWritten, // {} is the workbook's file; a reason follows after ": "
    WorkbookNoMemory,   // the reasons
    WorkbookCellTooLong,
    WorkbookTemporary,
    WorkbookLibrary,      // {} is the library's error number
    ReportStepRefused,    // the compressor-condenser report's step is not above 0
    ReportTooManyColumns, // ... gives more columns than a sheet holds
    TableEnthalpyFalls,   // a property table refused; {} is the line of the first row that fails
    TableOffCorrelation,  // ... its saturated row against the refrigerant's correlation
    ToolkitNotLoaded,     // the desktop module is missing or broken; {} is where and why
    OutputOnDataFile, // a window's output refused; {} is the data folder's file it would replace
};

struct CatalogueRecovery;
// What a load did about a save cut short, in `language` (UTF-8).
std::string recoveryText(const CatalogueRecovery& recovery, int language);

// The text in language 1 .. kLanguageCount (English outside that range), UTF-8.
std::string_view ownText(OwnText text, int language);
// The same with "{}" replaced by `argument`.
std::string ownText(OwnText text, int language, std::string_view argument);
// As the selection's texts hold it: Windows-1250 bytes, with `argument` (catalogue bytes
// too) for "{}". A Lithuanian letter that code page lacks (ė, į, ų, ū) becomes its base
// letter rather than "?".
std::string ownTextInCatalogueCodePage(OwnText text, int language, std::string_view argument = {});

} // namespace kelvo
