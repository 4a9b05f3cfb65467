#pragma once

namespace kelvo
{

// The language table's entries by name; the numbers are the table's own. Entries that say the
// same in a different place (a caption of both families' accessory groups, a label of the
// inputs and of the details) have a name for each place. An entry converts to its number, so
// that tables of captions hold entries and the language table takes either.
namespace language_entries
{
enum LanguageEntry : int {
    None = 0, // a caption not taken from the language table
    // The start window's menu.
    SoftwareMenu = 1, // Software
    ExitMenuItem = 2, // Exit
    LanguageMenu = 3, // Language
    HelpMenu = 4,     // Help
    InfoMenuItem = 5, // Info
    // The selection window's inputs and filters.
    Refrigerant = 9,             // Refrigerant
    EvaporationTemperature = 10, // Evaporation temperature
    AmbientTemperature = 11,     // Ambient temperature
    CoolingCapacity = 12,        // Cooling capacity
    Dimensions = 13,             // Dimensions
    CompressorType = 16,         // Compressor type
    HermeticScroll = 17,         // HERMETIC -Scroll
    HermeticPiston = 18,         // HERMETIC- piston
    SemihermeticPiston = 19,     // SEMIHERMETIC- piston
    CompressorBrand = 21,        // Compressor brand
    FirstBrand = 22,             // the brand group's first option
    SecondBrand = 23,            // ... its second
    ThirdBrand = 24,             // ... its third
    Condenser = 26,              // Condenser
    StandardCondenser = 27,      // Standard (SB)
    EnlargedCondenser = 28,      // Enlarged (KB)
    // Accessories of units on a plate (BASE); "pcs" is a quantity's unit label.
    BaseStandardAccessories = 30,        // Standard accessories - BASE
    BaseCrankcaseHeater = 31,            // Crancase heater
    BaseShutOffValves = 32,              // Shut-off valves on the compressor
    BaseOilSightglass = 33,              // Oil sightglass on the compressor
    BaseDualPressureSwitch = 34,         // Dual pressure switch
    BaseDifferentialPressureSwitch = 35, // Differential pressure switch
    BaseConnectionBox = 36,              // Connection box
    BaseLiquidReceiver = 37,             // Liquid receiver
    BaseOptionalAccessories = 39,        // Optional accessories - BASE
    BaseOilSeparator = 40,               // Oil separator
    BaseCapacityControl = 41,            // Capacity control
    BaseUnloadedStart = 42,              // Unloaded start
    BaseCondenserFanControl = 43,        // Condenser fan control
    BaseCondenserFanControlPieces = 44,  // pcs
    BaseHighPressureSwitch = 45,         // High pressure switch
    BaseHighPressureSwitchPieces = 46,   // pcs
    BaseLowPressureSwitch = 47,          // Low pressure switch
    BaseLowPressureSwitchPieces = 48,    // pcs
    BaseSafetyValves = 49,               // 2 safety valves with a changeover valve
    // Accessories of units in a casing (BOX).
    BoxStandardAccessories = 51,        // Standard accessories - BOX
    BoxCrankcaseHeater = 52,            // Crancase heater
    BoxShutOffValves = 53,              // Shut-off valves on the compressor
    BoxOilSightglass = 54,              // Oil sightglass on the compressor
    BoxDualPressureSwitch = 55,         // Dual pressure switch
    BoxDifferentialPressureSwitch = 56, // Differential pressure switch
    BoxStandardHighPressureSwitch = 57, // High pressure switch
    BoxLiquidReceiver = 58,             // Liquid receiver
    BoxElectricBoxCasing = 59,          // Casing of the electric box
    BoxWiringToTerminals = 60,          // Wiring to the terminals
    BoxFilterDrier = 61,                // Filter drier
    BoxLiquidLineSightglass = 62,       // Sightglass on liquid line
    BoxLiquidLineShutOffValve = 63,     // Shut-off valve on liquid line
    BoxOptionalAccessories = 65,        // Optional accessories - BOX
    BoxOilSeparator = 66,               // Oil separator
    BoxCapacityControl = 67,            // Capacity control
    BoxUnloadedStart = 68,              // Unloaded start
    BoxCondenserFanControl = 69,        // Condenser fan control
    BoxCondenserFanControlPieces = 70,  // pcs
    BoxHighPressureSwitch = 71,         // High pressure switch
    BoxHighPressureSwitchPieces = 72,   // pcs
    BoxLowPressureSwitch = 73,          // Low pressure switch
    BoxLowPressureSwitchPieces = 74,    // pcs
    BoxSafetyValves = 75,               // 2 safety valves with a changeover valve
    BoxOptionalLiquidReceiver = 76,     // Liquid receiver
    BoxOptionalElectricBoxCasing = 77,  // Casing of the electric box
    BoxOptionalWiringToTerminals = 78,  // Wiring to the terminals
    BoxCompleteElectricBox = 79,        // Complete electric box
    // The unit's details and its datasheet.
    ApplicationRange = 81,               // Application range
    CoolingCapacityQo = 82,              // Cooling capacity - Qo [W]
    PowerInputPe = 83,                   // Power input - Pe [kW]
    CondensingUnitData = 85,             // Condensing unit data
    UnitEvaporationTemperature = 86,     // Evaporation temperature
    UnitAmbientTemperature = 87,         // Ambient temperature
    UnitModel = 88,                      // Model
    UnitCompressor = 89,                 // Compressor
    UnitCoolingCapacity = 90,            // Cooling capacity
    CompressorPowerInput = 91,           // Compressor power input
    FanPowerInput = 92,                  // Fan power input
    TotalPowerInput = 93,                // Total power input
    CoefficientOfPerformance = 94,       // Efficiency coefficient ( COP)
    CondenserVersion = 95,               // Condenser version
    CondensingTemperature = 96,          // Condensing temperature
    Subcooling = 97,                     // Subcooling
    SuctionTemperature = 98,             // Suction temperature
    UnitStructure = 99,                  // Structure of the condensing unit
    MinEvaporationTemperature = 100,     // Min evaporation temperature
    MaxEvaporationTemperature = 101,     // Max evaporation teperature
    UnitNetWeight = 102,                 // Net weight
    NoiseLevel = 103,                    // Noise level
    FanData = 105,                       // Fan data
    FanType = 106,                       // Type
    FanDiameter = 107,                   // Diameter
    FanPowerSupply = 108,                // Power supply
    FanNominalPowerInput = 109,          // Nominal power input
    FanMaxOperatingCurrent = 110,        // Max. operating current
    FanCapacitor = 111,                  // Capacitor
    FanSpeed = 112,                      // Speed
    FanMaxOperatingTemperature = 113,    // Max. temp. of operation
    NumberOfFans = 114,                  // Number of fans
    CompressorData = 119,                // Compressor data
    CompressorModelType = 120,           // Type
    Displacement = 121,                  // Displacement
    OilAmount = 122,                     // Oil amount
    OilGrade = 123,                      // Oil grade
    CompressorNetWeight = 124,           // Net weight
    CompressorMaxOperatingCurrent = 125, // Max.  operating current
    LockedRotorCurrent = 126,            // Locked rotor current
    ModeOfStart = 127,                   // Mode of start
    NumberOfCompressors = 128,           // Number of compressors
    CompressorPowerSupply = 129,         // Power supply
    MotorProtection = 130,               // Motor protection
    PowerInput = 131,                    // Power input
    CondenserData = 135,                 // Condenser
    CondenserCoilModel = 136,            // Condenser coil model
    NumberOfCondenserCoils = 137,        // Number of condenser coils
    // The list of units and the start window's pictures.
    Item = 140,          // Item
    Model = 141,         // Model
    NotActiveYet = 143,  // NOT ACTIVE YET
    UnitsOnPlate = 144,  // CONDENSING UNITS ON PLATE
    UnitsInCasing = 145, // CONDENSING UNITS IN CASING
};
} // namespace language_entries
using language_entries::LanguageEntry;

} // namespace kelvo
