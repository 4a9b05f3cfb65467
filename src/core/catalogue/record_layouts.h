#pragma once

#include "core/catalogue/records.h"

namespace kelvo
{

// The line layout of each catalogue file record. The loader and the saver both walk these
// functions, so a save followed by a load gives back the same records by construction.
// A visitor provides field(FixedText<N>&), flag(bool&) and skip(int lines).

inline constexpr int kCompressorLines = 117;
inline constexpr int kCondenserLines = 33;
inline constexpr int kUnitLines = 84;
inline constexpr int kFrameLines = 21;

template <class Record, class Visitor> void visitLines(Record& record, Visitor& v);

// A .. H, one line each, as units and frames hold them.
template <class Visitor> void visitDimensions(DimensionTexts& d, Visitor& v)
{
    for (auto* field : {&d.a, &d.b, &d.c, &d.d, &d.e, &d.f, &d.g, &d.h})
        v.field(*field);
}

template <class Visitor> void visitLines(CompressorRecord& r, Visitor& v)
{
    v.skip(1);
    v.field(r.refrigerant);
    v.field(r.model);
    v.field(r.kind);
    v.skip(1);
    v.field(r.id);
    v.field(r.manufacturer);
    v.field(r.mass);
    v.field(r.oilType);
    v.field(r.oilVolume);
    v.field(r.motorPower);
    v.field(r.gasTemperature);
    v.field(r.nominalSuperheat);
    v.field(r.nominalSubcooling);
    v.field(r.displacement);
    v.field(r.maxCurrent);
    v.field(r.maxCurrentZ);
    for (auto& set : r.coeffSets) {
        v.field(set.tag);
        v.field(set.multiplier);
    }
    v.field(r.envelopes[0].tag);
    v.field(r.envelopes[1].tag);
    for (int k = 0; k < 10; ++k) {
        for (auto& set : r.coeffSets)
            v.field(set.c[k]);
        v.field(r.envelopes[0].to[k]);
        v.field(r.envelopes[0].tk[k]);
        v.field(r.envelopes[1].to[k]);
        v.field(r.envelopes[1].tk[k]);
    }
    v.field(r.powerSupply);
    v.field(r.starting);
    v.field(r.protection);
    v.skip(1);
    v.flag(r.superheatMode);
    v.skip(1);
    v.field(r.suctionTemperature);
    v.skip(1);
    v.field(r.superheat);
    v.field(r.subcooling);
}

template <class Visitor> void visitLines(CondenserRecord& r, Visitor& v)
{
    v.skip(1);
    v.field(r.note);
    v.field(r.id);
    v.field(r.manufacturer);
    v.field(r.model);
    v.field(r.refrigerant);
    v.field(r.coeffA);
    v.field(r.dt1);
    v.field(r.qk1);
    v.field(r.dt2);
    v.field(r.qk2);
    v.field(r.mass);
    v.field(r.fanDtMax);
    v.field(r.fanName);
    v.field(r.fanDiameter);
    v.field(r.fanSupply);
    v.field(r.fanPower);
    v.field(r.fanCurrentMax);
    v.field(r.fanCapacitor);
    v.field(r.fanSpeed);
    v.field(r.fanTemperature);
    v.field(r.fanProtection);
    v.field(r.fanCount);
    v.field(r.length);
    v.field(r.width);
    v.field(r.height);
    v.skip(7);
}

template <class Visitor> void visitLines(CondensingUnitRecord& r, Visitor& v)
{
    v.skip(2);
    v.field(r.name);
    v.field(r.housing);
    v.field(r.version);
    v.field(r.range);
    v.field(r.toMin);
    v.field(r.toMax);
    v.skip(1);
    v.field(r.refrigerant);
    v.skip(1);
    v.field(r.suctionConnection);
    v.field(r.liquidConnection);
    v.field(r.noiseLevel);
    v.field(r.compressorModel);
    v.field(r.compressorCount);
    v.field(r.condenserModel);
    v.field(r.condenserCount);
    v.skip(5);
    v.field(r.receiverVolume);
    v.skip(4);
    visitDimensions(r.dimensions, v);
    v.field(r.dimFi);
    v.field(r.remarks);
    for (bool& flag : r.baseAccessories)
        v.flag(flag);
    v.skip(3);
    for (bool& flag : r.boxAccessories)
        v.flag(flag);
    v.skip(10);
    v.field(r.drawing);
    v.skip(1);
    v.field(r.compressorId);
    v.field(r.condenserId);
    v.field(r.frameId);
    v.field(r.mass);
    v.flag(r.superheatMode);
    v.field(r.suctionTemperature);
    v.field(r.superheat);
    v.field(r.subcooling);
    v.skip(4);
}

template <class Visitor> void visitLines(FrameRecord& r, Visitor& v)
{
    v.field(r.id);
    visitDimensions(r.dimensions, v);
    v.field(r.drawing);
    v.field(r.name);
    v.field(r.housing);
    v.field(r.dimFi);
    v.field(r.mass);
    v.skip(7);
}

} // namespace kelvo
