#include "core/performance/operating_envelope.h"

#include <algorithm>
#include <cmath>

#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

constexpr std::size_t kPolygonPoints = 3;

// On the segment a-b, allowing for the last bits of a condensing temperature summed in
// 0.1 K steps (an envelope point written 41,4 is met by 41.400000000000006).
bool onSegment(const EnvelopePoint& a, const EnvelopePoint& b, double to, double tk)
{
    constexpr double kTolerance = 1e-9;
    const double cross = (b.to - a.to) * (tk - a.tk) - (b.tk - a.tk) * (to - a.to);
    const double length = std::hypot(b.to - a.to, b.tk - a.tk);
    if (std::fabs(cross) > kTolerance * std::max(length, 1.0))
        return false;
    return to >= std::min(a.to, b.to) - kTolerance && to <= std::max(a.to, b.to) + kTolerance &&
           tk >= std::min(a.tk, b.tk) - kTolerance && tk <= std::max(a.tk, b.tk) + kTolerance;
}

// Inside by the even-odd rule, the edges (corners included) counting as inside.
bool insidePolygon(const std::vector<EnvelopePoint>& polygon, double to, double tk)
{
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const EnvelopePoint& a = polygon[i];
        const EnvelopePoint& b = polygon[j];
        if (onSegment(a, b, to, tk))
            return true;
        if ((a.tk > tk) != (b.tk > tk) && to < (b.to - a.to) * (tk - a.tk) / (b.tk - a.tk) + a.to)
            inside = !inside;
    }
    return inside;
}

} // namespace

std::string_view envelopePositionName(EnvelopePosition position)
{
    switch (position) {
    case EnvelopePosition::Inside:
        return "inside";
    case EnvelopePosition::Outside:
        return "outside";
    case EnvelopePosition::Unchecked:
        break;
    }
    return "unchecked";
}

OperatingEnvelope::OperatingEnvelope(const CompressorRecord& compressor)
{
    for (std::size_t e = 0; e < polygons_.size(); ++e) {
        const Envelope& envelope = compressor.envelopes[e];
        for (std::size_t k = 0; k < Envelope::pointCount; ++k) {
            const auto to = parseNumber(envelope.to[k].view());
            const auto tk = parseNumber(envelope.tk[k].view());
            if (to && tk)
                polygons_[e].push_back({*to, *tk});
        }
    }
}

bool OperatingEnvelope::checks() const
{
    return std::any_of(polygons_.begin(), polygons_.end(),
                       [](const auto& polygon) { return polygon.size() >= kPolygonPoints; });
}

EnvelopePosition OperatingEnvelope::position(double to, double tk) const
{
    if (!checks())
        return EnvelopePosition::Unchecked;
    for (const auto& polygon : polygons_)
        if (polygon.size() >= kPolygonPoints && insidePolygon(polygon, to, tk))
            return EnvelopePosition::Inside;
    return EnvelopePosition::Outside;
}

} // namespace kelvo
