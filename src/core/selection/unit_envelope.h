#pragma once

#include <vector>

#include "core/catalogue/records.h"
#include "core/chart/envelope_chart.h"
#include "core/performance/operating_envelope.h"

namespace kelvo
{

class SelectionSession;
struct UnitDetails;

// What the details' envelope chart shows for the unit shown: its compressor's envelopes, the
// chosen working point (the selection's to and the balance's condensing temperature) and the
// range tables' working points, filled inside the envelope and outlined outside it.
struct UnitEnvelopeView {
    CompressorRecord compressor; // a copy: a later edit of the catalogue cannot change it
    bool hasPoint = false;
    double to = 0;
    double tk = 0;
    EnvelopePosition position = EnvelopePosition::Unchecked;
    std::vector<ChartMarker> rangePoints;
};

UnitEnvelopeView unitEnvelopeView(const SelectionSession& session, const UnitDetails& details);

// The chart's primitives for a canvas of width x height, its titles and legend in the language
// given (1 .. 5).
std::vector<ChartPrimitive> drawUnitEnvelope(const UnitEnvelopeView& view, int width, int height,
                                             char separator, int language);

} // namespace kelvo
