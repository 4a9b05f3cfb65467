#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/catalogue/records.h"

namespace kelvo
{

// Where a working point (to, tk) lies against its compressor's operating envelope.
enum class EnvelopePosition {
    Unchecked, // the compressor has no envelope of at least three points
    Inside,    // inside or on the edge of envelope 1 or envelope 2
    Outside,
};

// "inside", "outside" or "unchecked", as the command line writes it.
std::string_view envelopePositionName(EnvelopePosition position);

struct EnvelopePoint {
    double to = 0; // C
    double tk = 0; // C
};

// A compressor's operating region: each envelope is the closed polygon through its points
// whose to and tk texts both convert, in their order (the last joined back to the first).
class OperatingEnvelope
{
  public:
    OperatingEnvelope() = default;
    explicit OperatingEnvelope(const CompressorRecord& compressor);

    // An envelope with fewer than three points bounds nothing and is not a region.
    [[nodiscard]] bool checks() const;
    [[nodiscard]] EnvelopePosition position(double to, double tk) const;
    [[nodiscard]] const std::array<std::vector<EnvelopePoint>, 2>& polygons() const
    {
        return polygons_;
    }

  private:
    std::array<std::vector<EnvelopePoint>, 2> polygons_;
};

} // namespace kelvo
