#pragma once

#include <array>

#include "core/catalogue/fixed_text.h"

namespace kelvo
{

// Fields in declared order. Numbers are kept as the text the catalogue holds; they are
// converted where they are used.

struct CoefficientSet {
    FixedText<10> tag;
    FixedText<20> multiplier;
    std::array<FixedText<50>, 10> c; // C0 .. C9
};

struct Envelope {
    static constexpr int pointCount = 10;
    FixedText<10> tag;
    std::array<FixedText<10>, pointCount> to; // points 1 .. 10 at [0] .. [9]
    std::array<FixedText<10>, pointCount> tk;
};

// Dimensions A .. H of a unit or of a frame, mm, as the catalogue holds them.
struct DimensionTexts {
    FixedText<20> a, b, c, d, e, f, g, h;
};

struct CompressorRecord {
    FixedText<20> id;
    FixedText<10> refrigerant;
    FixedText<20> model;
    FixedText<20> kind;
    FixedText<20> manufacturer;
    FixedText<10> mass;
    FixedText<20> oilType;
    FixedText<10> oilVolume;
    std::array<CoefficientSet, 4> coeffSets; // sets 1 .. 4 at [0] .. [3]
    std::array<Envelope, 2> envelopes;       // envelopes 1, 2 at [0], [1]
    FixedText<10> motorPower;
    FixedText<20> gasTemperature;
    FixedText<20> nominalSuperheat;
    FixedText<20> nominalSubcooling;
    FixedText<20> displacement;
    FixedText<20> maxCurrent;
    FixedText<20> maxCurrentZ;
    FixedText<20> powerSupply;
    FixedText<20> starting;
    FixedText<20> protection;
    bool superheatMode = false;
    FixedText<10> suctionTemperature;
    FixedText<10> superheat;
    FixedText<10> subcooling;

    // Set 1: cooling capacity (W); set 2: power input (kW).
    CoefficientSet& capacitySet() { return coeffSets[0]; }
    CoefficientSet& powerSet() { return coeffSets[1]; }
};

struct CondenserRecord {
    FixedText<100> note;
    FixedText<50> id;
    FixedText<20> manufacturer;
    FixedText<50> model;
    FixedText<10> refrigerant;
    FixedText<20> coeffA;
    FixedText<20> dt1;
    FixedText<20> qk1;
    FixedText<20> dt2;
    FixedText<20> qk2;
    FixedText<50> mass;
    FixedText<10> fanDtMax;
    FixedText<20> fanName;
    FixedText<20> fanDiameter;
    FixedText<20> fanSupply;
    FixedText<20> fanPower;
    FixedText<20> fanCurrentMax;
    FixedText<20> fanCapacitor;
    FixedText<20> fanSpeed;
    FixedText<20> fanTemperature;
    FixedText<20> fanProtection;
    FixedText<20> fanCount;
    FixedText<20> length;
    FixedText<20> width;
    FixedText<20> height;
};

struct CondensingUnitRecord {
    static constexpr int baseAccessoryCount = 7;
    static constexpr int boxAccessoryCount = 12;

    FixedText<20> name;
    FixedText<20> housing;
    FixedText<20> version;
    FixedText<20> range;
    FixedText<20> toMin;
    FixedText<20> toMax;
    FixedText<20> refrigerant;
    FixedText<20> suctionConnection;
    FixedText<20> liquidConnection;
    FixedText<20> noiseLevel;
    FixedText<20> compressorModel;
    FixedText<20> compressorCount;
    FixedText<20> condenserModel;
    FixedText<20> condenserCount;
    FixedText<20> receiverVolume;
    DimensionTexts dimensions; // A .. H
    FixedText<20> dimFi;
    FixedText<20> remarks;
    FixedText<20> drawing;
    FixedText<50> compressorId;
    FixedText<50> condenserId;
    FixedText<50> frameId;
    FixedText<20> mass;
    std::array<bool, baseAccessoryCount> baseAccessories{}; // 1 .. 7 at [0] .. [6]
    std::array<bool, boxAccessoryCount> boxAccessories{};   // 1 .. 12 at [0] .. [11]
    bool superheatMode = false;
    FixedText<10> suctionTemperature;
    FixedText<10> superheat;
    FixedText<10> subcooling;
};

struct FrameRecord {
    FixedText<20> id;
    DimensionTexts dimensions; // A .. H
    FixedText<50> drawing;
    FixedText<50> name;
    FixedText<20> housing;
    FixedText<20> dimFi;
    FixedText<20> mass;
};

} // namespace kelvo
