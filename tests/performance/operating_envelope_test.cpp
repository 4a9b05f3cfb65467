#include "core/performance/operating_envelope.h"
#include "support/pair_bench.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace kelvo
{
namespace
{

using Points = std::vector<std::pair<std::string, std::string>>;

CompressorRecord withEnvelopes(const Points& first, const Points& second = {})
{
    CompressorRecord compressor;
    for (std::size_t e = 0; e < 2; ++e) {
        const Points& points = e == 0 ? first : second;
        for (std::size_t k = 0; k < points.size(); ++k) {
            compressor.envelopes[e].to[k] = points[k].first;
            compressor.envelopes[e].tk[k] = points[k].second;
        }
    }
    return compressor;
}

constexpr auto kInside = EnvelopePosition::Inside;
constexpr auto kOutside = EnvelopePosition::Outside;
constexpr auto kUnchecked = EnvelopePosition::Unchecked;

TEST(OperatingEnvelope, ASquareHoldsItsInsideItsEdgesAndItsCorners)
{
    // -30 .. 0 C evaporating, 20 .. 50 C condensing; written with either separator, and with
    // the first point repeated at the end, as catalogue envelopes are.
    const OperatingEnvelope square(
        withEnvelopes({{"-30", "20"}, {"0", "20"}, {"0", "50"}, {"-30,0", "50.0"}, {"-30", "20"}}));
    EXPECT_TRUE(square.checks());
    EXPECT_EQ(square.position(-15, 35), kInside);
    EXPECT_EQ(square.position(-30, 20), kInside); // a corner
    EXPECT_EQ(square.position(0, 35), kInside);   // an edge
    EXPECT_EQ(square.position(-15, 50), kInside);
    // A condensing temperature summed in 0.1 K steps misses the edge by its last bits.
    EXPECT_EQ(square.position(-15, 49.99999999999997), kInside);
    EXPECT_EQ(square.position(-15, 50.000000000001), kInside);
    EXPECT_EQ(square.position(-15, 50.1), kOutside);
    EXPECT_EQ(square.position(0.1, 35), kOutside);
    EXPECT_EQ(square.position(-31, 20), kOutside);
    EXPECT_EQ(square.position(10, 60), kOutside);
    EXPECT_EQ(envelopePositionName(square.position(-15, 35)), "inside");
    EXPECT_EQ(envelopePositionName(square.position(10, 60)), "outside");
}

TEST(OperatingEnvelope, FewerThanThreeUsablePointsCheckNothing)
{
    const OperatingEnvelope two(withEnvelopes({{"-30", "20"}, {"0", "50"}}));
    EXPECT_FALSE(two.checks());
    EXPECT_EQ(two.position(-15, 35), kUnchecked);
    EXPECT_EQ(envelopePositionName(two.position(-15, 35)), "unchecked");
    // Points whose texts do not both convert are left out.
    const OperatingEnvelope broken(
        withEnvelopes({{"-30", "20"}, {"x", "20"}, {"0", ""}, {"0", "50"}}));
    EXPECT_EQ(broken.position(-15, 35), kUnchecked);
    EXPECT_EQ(OperatingEnvelope(CompressorRecord{}).position(0, 40), kUnchecked);
    EXPECT_EQ(OperatingEnvelope().position(0, 40), kUnchecked);
}

TEST(OperatingEnvelope, EmptyLastPointsAndAConcaveOutline)
{
    // An L: the notch at the top right (to above -10, tk above 40) is outside. Points 9 and
    // 10 are empty, and the outline is closed from point 6 back to point 1.
    const OperatingEnvelope l(withEnvelopes(
        {{"-40", "20"}, {"10", "20"}, {"10", "40"}, {"-10", "40"}, {"-10", "60"}, {"-40", "60"}}));
    EXPECT_EQ(l.polygons()[0].size(), 6U);
    EXPECT_EQ(l.position(0, 30), kInside);
    EXPECT_EQ(l.position(-20, 55), kInside);
    EXPECT_EQ(l.position(0, 50), kOutside);  // in the notch
    EXPECT_EQ(l.position(0, 40), kInside);   // on the notch's lower edge
    EXPECT_EQ(l.position(-10, 50), kInside); // on its left edge
    EXPECT_EQ(l.position(-40, 40), kInside); // on the closing edge
}

TEST(OperatingEnvelope, EnvelopeTwoWidensEnvelopeOne)
{
    const Points first{{"-30", "20"}, {"0", "20"}, {"0", "50"}, {"-30", "50"}};
    const Points wider{{"-30", "20"}, {"10", "20"}, {"10", "55"}, {"-30", "55"}};
    const OperatingEnvelope both(withEnvelopes(first, wider));
    EXPECT_EQ(both.position(5, 30), kInside);   // only in envelope 2
    EXPECT_EQ(both.position(-15, 53), kInside); // only in envelope 2
    EXPECT_EQ(both.position(-15, 35), kInside); // in both
    EXPECT_EQ(both.position(15, 30), kOutside);
    // Envelope 2 alone is a region too; a two-point envelope 2 adds nothing.
    EXPECT_EQ(OperatingEnvelope(withEnvelopes({}, wider)).position(5, 30), kInside);
    const OperatingEnvelope twoPointSecond(withEnvelopes(first, {{"-30", "20"}, {"10", "55"}}));
    EXPECT_EQ(twoPointSecond.position(5, 30), kOutside);
}

} // namespace
} // namespace kelvo
