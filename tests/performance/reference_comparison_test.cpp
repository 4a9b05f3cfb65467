// The optimised balance-point evaluation against the plain reference of
// reference_evaluation.h: every unit of the shipped catalogue over a grid of conditions, and
// hand-made records for the edge cases. Every figure, flag and message must agree bit for bit.
#include <algorithm>
#include <gtest/gtest.h>
#include <ranges>

#include <bit>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/lookups.h"
#include "core/performance/balance_point.h"
#include "core/refrigerant/table_loader.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "performance/reference_evaluation.h"
#include "support/pair_bench.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

namespace ref = test::reference;

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

std::string show(double value)
{
    std::ostringstream out;
    out.precision(17);
    out << value << " [0x" << std::hex << std::bit_cast<std::uint64_t>(value) << "]";
    return out.str();
}

ref::Fault faultOf(EvaluationError error)
{
    switch (error) {
    case EvaluationError::None:
        return ref::Fault::None;
    case EvaluationError::DivisionByZero:
        return ref::Fault::DivisionByZero;
    case EvaluationError::InvalidOperation:
        return ref::Fault::InvalidOperation;
    case EvaluationError::Overflow:
        return ref::Fault::Overflow;
    }
    return ref::Fault::None;
}

ref::Figures figuresOf(const PerformanceResult& r)
{
    return {r.evaporatingPressure,   r.condensingPressure, r.condensingDeltaT,
            r.refrigeratingCapacity, r.powerInput,         r.condenserCapacity,
            r.condenserCapacityAt15K};
}

// Every difference between the two evaluations, one line each; empty when they agree.
std::string differences(const EvaluationOutcome& got, const PerformanceResult& result,
                        const std::vector<std::string>& messages, const ref::Outcome& want,
                        const ref::Figures& figures)
{
    std::ostringstream out;
    const auto field = [&](const char* name, double a, double b) {
        if (!sameBits(a, b))
            out << "  " << name << ": evaluatePair " << show(a) << ", reference " << show(b)
                << "\n";
    };
    field("evaporatingPressure", result.evaporatingPressure, figures.evaporatingPressure);
    field("condensingPressure", result.condensingPressure, figures.condensingPressure);
    field("condensingDeltaT", result.condensingDeltaT, figures.condensingDeltaT);
    field("refrigeratingCapacity", result.refrigeratingCapacity, figures.refrigeratingCapacity);
    field("powerInput", result.powerInput, figures.powerInput);
    field("condenserCapacity", result.condenserCapacity, figures.condenserCapacity);
    field("condenserCapacityAt15K", result.condenserCapacityAt15K, figures.condenserCapacityAt15K);
    if (got.ok != want.ok)
        out << "  ok: evaluatePair " << got.ok << ", reference " << want.ok << "\n";
    if (got.gaveUp != want.gaveUp)
        out << "  gaveUp: evaluatePair " << got.gaveUp << ", reference " << want.gaveUp << "\n";
    if (faultOf(got.error) != want.fault)
        out << "  error: evaluatePair " << static_cast<int>(got.error) << ", reference "
            << static_cast<int>(want.fault) << "\n";
    if (got.missingTable != want.missingTable)
        out << "  missingTable: evaluatePair '" << got.missingTable << "', reference '"
            << want.missingTable << "'\n";
    if (messages != want.messages) {
        out << "  messages: evaluatePair";
        for (const auto& m : messages)
            out << " [" << m << "]";
        out << ", reference";
        for (const auto& m : want.messages)
            out << " [" << m << "]";
        out << "\n";
    }
    return out.str();
}

// The texts an evaluation may rewrite in place.
std::string rewrittenTexts(const CompressorRecord& c, const CondenserRecord& k)
{
    std::string all;
    for (int set = 0; set < 2; ++set) {
        all += c.coeffSets[static_cast<std::size_t>(set)].multiplier.str() + "|";
        for (const auto& text : c.coeffSets[static_cast<std::size_t>(set)].c)
            all += text.str() + "|";
    }
    for (const auto* text : {&k.dt1, &k.qk1, &k.dt2, &k.qk2, &k.coeffA})
        all += text->str() + "|";
    return all;
}

// Runs one pair through the reference and through evaluatePair twice, as it searches
// (without per-step checks unless a fault may have happened) and with every step checked, each
// on its own fresh copy of the two records and starting from the same previous result, and
// returns what differs.
class PairComparer
{
  public:
    PairComparer()
        : state_(std::make_unique<test::PairBench>()), checked_(std::make_unique<test::PairBench>())
    {
    }

    test::PairBench& state() { return *state_; }

    void useRefrigerant(const std::string& refrigerant, const std::string& tableFile)
    {
        for (auto* state : {state_.get(), checked_.get()})
            state->currentRefrigerant = refrigerant;
        if (loadedTable_ != tableFile) {
            test::loadRefrigerantTable(state_->refrigerant, test::sampleDataFolder(), tableFile);
            checked_->refrigerant = state_->refrigerant;
            loadedTable_ = tableFile;
        }
    }
    void useRefrigerant(const std::string& refrigerant)
    {
        useRefrigerant(refrigerant, test::refrigerantTableFileName(refrigerant));
    }
    void useTable(const std::string& refrigerant, const RefrigerantTable& table)
    {
        for (auto* state : {state_.get(), checked_.get()}) {
            state->currentRefrigerant = refrigerant;
            state->refrigerant.table = table;
        }
        loadedTable_ = "<made by the test>";
    }

    // The records at the given indexes (0: the empty record) are restored from `pristine`
    // before each production evaluation; the reference gets copies of the same records.
    std::string compare(const Catalogue& pristine, const PairInputs& in,
                        ref::Outcome* reference = nullptr)
    {
        CompressorRecord compressor = pristine.compressors[in.compressor];
        CondenserRecord condenser = pristine.condensers[in.condenser];
        ref::Figures figures = figuresOf(state_->refrigerant.result);
        const ref::Outcome want =
            ref::evaluatePair(state_->currentRefrigerant, state_->refrigerant.table,
                              state_->refrigerant.calculationEnabled, compressor, condenser,
                              {in.to, in.airTemperature, in.superheat, in.subcooling,
                               in.compressorQuantity, in.condenserQuantity, in.heatFactor},
                              figures);
        const std::string wantTexts = rewrittenTexts(compressor, condenser);
        if (reference)
            *reference = want;

        checked_->refrigerant.result = state_->refrigerant.result;
        checked_->refrigerant.calculationEnabled = state_->refrigerant.calculationEnabled;
        std::string diff;
        for (auto* state : {state_.get(), checked_.get()}) {
            auto& catalogue = state->catalogue;
            catalogue.compressors.setCount(pristine.compressors.count());
            catalogue.condensers.setCount(pristine.condensers.count());
            if (in.compressor != 0)
                catalogue.compressors.at(in.compressor) = pristine.compressors[in.compressor];
            if (in.condenser != 0)
                catalogue.condensers.at(in.condenser) = pristine.condensers[in.condenser];
            const bool checked = state == checked_.get();
            CollectingMessageSink sink;
            const EvaluationOutcome got = test::evaluateWithState(
                *state, in, sink, checked ? SearchChecks::Always : SearchChecks::WhenNeeded);
            std::string differs =
                differences(got, state->refrigerant.result, sink.messages, want, figures);
            const std::string gotTexts = rewrittenTexts(catalogue.compressors[in.compressor],
                                                        catalogue.condensers[in.condenser]);
            if (gotTexts != wantTexts)
                differs +=
                    "  record texts: evaluatePair " + gotTexts + ", reference " + wantTexts + "\n";
            if (!differs.empty())
                diff += (checked ? "every step checked:\n" : "as it searches:\n") + differs;
        }
        return diff;
    }

  private:
    std::unique_ptr<test::PairBench> state_;
    std::unique_ptr<test::PairBench> checked_;
    std::string loadedTable_ = "<none>";
};

std::string describe(const std::string& refrigerant, const PairInputs& in)
{
    std::ostringstream out;
    out.precision(17);
    out << refrigerant << " compressor " << in.compressor << " condenser " << in.condenser
        << " to=" << in.to << " air=" << in.airTemperature << " superheat=" << in.superheat
        << " subcooling=" << in.subcooling << " compressors=" << in.compressorQuantity
        << " condensers=" << in.condenserQuantity << " heatFactor=" << in.heatFactor;
    return out.str();
}

// ---- The shipped catalogue ------------------------------------------------------------------

TEST(ReferenceComparison, EveryCatalogueUnitOverAGridOfConditions)
{
    auto pristine = std::make_unique<Catalogue>();
    loadCatalogue(*pristine, test::sampleDataFolder());
    ASSERT_GT(pristine->units.count(), 100);

    PairComparer comparer;
    comparer.state().catalogue = *pristine;

    const auto number = [](const auto& text) { return parseNumber(text.view()); };
    int evaluations = 0;
    int balanced = 0;
    int gaveUp = 0;
    int failed = 0;
    int unitsCompared = 0;
    int differing = 0;
    const std::vector<std::string> refrigerants = {"R404A", "R407C", "R22", "R134a"};
    std::vector<bool> unitDone(static_cast<std::size_t>(pristine->units.count()) + 1, false);

    for (const auto& refrigerant : refrigerants) {
        comparer.useRefrigerant(refrigerant);
        for (int u = 1; u <= pristine->units.count(); ++u) {
            const auto& unit = pristine->units[u];
            if (unit.refrigerant.view() != refrigerant)
                continue;
            unitDone[static_cast<std::size_t>(u)] = true;
            const auto subcooling = number(unit.subcooling);
            const auto compressors = number(unit.compressorCount);
            const auto condensers = number(unit.condenserCount);
            const auto unitSuperheat = number(unit.superheat);
            const auto suction = number(unit.suctionTemperature);
            ASSERT_TRUE(subcooling && compressors && condensers &&
                        (unit.superheatMode ? unitSuperheat : suction))
                << "unit " << u << " " << unit.name;
            ++unitsCompared;
            PairInputs in;
            in.compressor = findCompressorOfUnit(*pristine, u);
            in.condenser = findCondenserOfUnit(*pristine, u);
            in.subcooling = *subcooling;
            in.compressorQuantity = *compressors;
            in.condenserQuantity = *condensers;
            const auto toMin = number(unit.toMin);
            const auto toMax = number(unit.toMax);
            ASSERT_TRUE(toMin && toMax) << "unit " << u << " " << unit.name;
            // The unit's evaporating range and 5 K either side, within -45 .. 12.5 C.
            for (double to = -45; to <= 12.5; to += 2.5) {
                if (to < *toMin - 5 || to > *toMax + 5)
                    continue;
                in.to = to;
                in.superheat = unit.superheatMode ? *unitSuperheat : *suction - to;
                for (double air = 20; air <= 45; air += 5) {
                    in.airTemperature = air;
                    for (const double heatFactor : {1.0, 1.1}) {
                        in.heatFactor = heatFactor;
                        ref::Outcome want;
                        const std::string diff = comparer.compare(*pristine, in, &want);
                        ++evaluations;
                        if (!want.ok || want.fault != ref::Fault::None)
                            ++failed;
                        else if (want.gaveUp)
                            ++gaveUp;
                        else
                            ++balanced;
                        if (!diff.empty() && ++differing <= 10)
                            ADD_FAILURE() << "unit " << u << " " << unit.name << ": "
                                          << describe(refrigerant, in) << "\n"
                                          << diff;
                    }
                }
            }
        }
    }
    RecordProperty("evaluations", evaluations);
    RecordProperty("balanced", balanced);
    RecordProperty("gaveUp", gaveUp);
    RecordProperty("failed", failed);
    // The reference knows the correlations of the four built-in refrigerants only.
    const auto builtIn = [&](int u) {
        return std::count(refrigerants.begin(), refrigerants.end(),
                          pristine->units[u].refrigerant.view()) > 0;
    };
    EXPECT_EQ(unitsCompared,
              std::ranges::count_if(std::views::iota(1, pristine->units.count() + 1), builtIn));
    EXPECT_EQ(differing, 0);
    for (int u = 1; u <= pristine->units.count(); ++u)
        EXPECT_TRUE(unitDone[static_cast<std::size_t>(u)] || !builtIn(u))
            << "unit " << u << " with refrigerant '" << pristine->units[u].refrigerant
            << "' was not compared";
    EXPECT_GT(balanced, evaluations / 2) << "the grid exercises real balance points";
}

// ---- Hand-made records --------------------------------------------------------------------

// An R404A compressor of about 15 kW at -10/40 C in the six-coefficient form (kW) with a
// matching power set, and a condenser of about 1.2 kW per K in the two-point form.
class ReferenceEdgeCases : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        comparer.useRefrigerant("R404A");
        catalogue = std::make_unique<Catalogue>();
        catalogue->compressors.setCount(2);
        catalogue->condensers.setCount(2);
        auto& c = compressor();
        c.refrigerant = "R404A";
        const char* capacity[] = {"-0.0004", "0.0021", "-0.0013", "-0.12", "0.38", "15.5"};
        const char* power[] = {"0.0002", "0", "0.0001", "0.045", "-0.01", "1.2"};
        for (std::size_t i = 0; i < 6; ++i) {
            c.capacitySet().c[i] = capacity[i];
            c.powerSet().c[i] = power[i];
        }
        c.capacitySet().multiplier = "1";
        c.suctionTemperature = "20";
        c.subcooling = "0";
        auto& k = condenser();
        k.refrigerant = "R404A";
        k.dt1 = "10";
        k.qk1 = "12.4";
        k.dt2 = "15.0";
        k.qk2 = "18,3";
        inputs = {1, 1, -10, 32, 10, 3, 1, 1, 1};
    }

    CompressorRecord& compressor() { return catalogue->compressors.at(1); }
    CondenserRecord& condenser() { return catalogue->condensers.at(1); }

    // A ten-coefficient capacity set in W, shaped like a scroll compressor's.
    void useTenCoefficients()
    {
        const char* capacity[] = {"15230.5", "512.7",   "-118.3",   "6.82",     "-3.125",
                                  "0.4271",  "0.03715", "-0.02874", "0.008123", "-0.0031"};
        const char* power[] = {"1920", "-12.5",  "41.2",    "0.31",   "-0.14",
                               "0.62", "0.0021", "-0.0015", "0.0009", "-0.0032"};
        for (std::size_t i = 0; i < 10; ++i) {
            compressor().capacitySet().c[i] = capacity[i];
            compressor().powerSet().c[i] = power[i];
        }
        compressor().powerSet().multiplier = "";
    }

    // One evaluation on both sides; a difference fails the test with the case's name.
    void check(const std::string& name)
    {
        ref::Outcome want;
        const std::string diff = comparer.compare(*catalogue, inputs, &want);
        ++compared;
        EXPECT_TRUE(diff.empty()) << name << ": "
                                  << describe(comparer.state().currentRefrigerant, inputs) << "\n"
                                  << diff;
        last = want;
    }

    PairComparer comparer;
    std::unique_ptr<Catalogue> catalogue;
    PairInputs inputs;
    ref::Outcome last;
    int compared = 0;
};

TEST_F(ReferenceEdgeCases, CoefficientFormsAndMultipliers)
{
    check("six-coefficient form in kW");
    EXPECT_TRUE(last.ok);
    compressor().capacitySet().multiplier = "0.5";
    check("multiplier written with a point");
    compressor().capacitySet().multiplier = "abc";
    check("multiplier that does not convert");
    compressor().capacitySet().multiplier = "1";

    useTenCoefficients();
    check("ten-coefficient form in W");
    EXPECT_TRUE(last.ok);
    compressor().capacitySet().multiplier = "1.02";
    compressor().powerSet().multiplier = "0,97";
    check("ten-coefficient form with multipliers");
    compressor().capacitySet().c[3] = "6.82e0";
    compressor().capacitySet().c[7] = "-2.874E-2";
    check("exponents written with a point");
    for (const double to : {-35.0, -20.0, 0.0, 7.5, 12.5})
        for (const double air : {20.0, 35.0, 45.0}) {
            inputs.to = to;
            inputs.airTemperature = air;
            check("ten-coefficient form over a grid");
        }
    inputs = {1, 1, -10, 32, 10, 3, 1, 1, 1};

    compressor().powerSet().c[5] = "";
    check("power set without C5 falls back to nothing");
    EXPECT_FALSE(last.ok);
    EXPECT_EQ(last.fault, ref::Fault::None);
    compressor().powerSet().c[5] = "0.62";
    compressor().powerSet().c[8] = "";
    check("power set with nine coefficients uses the six-coefficient form");
    EXPECT_TRUE(last.ok);

    for (auto& c : compressor().capacitySet().c)
        c = "0";
    check("every capacity coefficient 0: 0 / 0 inside the search");
    EXPECT_EQ(last.fault, ref::Fault::InvalidOperation);
    const char* capacity[] = {"-0.0004", "0.0021", "-0.0013", "-0.12", "0.38", "15.5"};
    for (std::size_t i = 0; i < 10; ++i)
        compressor().capacitySet().c[i] = i < 6 ? capacity[i] : "";

    check("a good evaluation before a failing one");
    compressor().capacitySet().c[5] = "";
    check("capacity set without C5: 0 / 0 after pk of the first step");
    EXPECT_EQ(last.fault, ref::Fault::InvalidOperation);
}

// A rated figure that overflows only after many steps: the fault comes in the middle of the
// search, and the figures of the steps before it stay written (pk of the step before included).
TEST_F(ReferenceEdgeCases, OverflowPartWayThroughTheSearch)
{
    useTenCoefficients();
    check("an ordinary balance first");
    compressor().capacitySet().c[9] = "1e306"; // C9 y^3 / 1000 passes the double range at 56 C
    compressor().subcooling = "5";
    inputs.superheat = 0; // corrected capacity below the rated one: the polynomial overflows first
    inputs.subcooling = 0;
    check("capacity polynomial overflows at a later step");
    EXPECT_EQ(last.fault, ref::Fault::Overflow);

    compressor().capacitySet().c[9] = "-0.0031";
    check("an ordinary balance first");
    compressor().powerSet().c[9] = "1e306";
    check("power polynomial overflows at a later step");
    EXPECT_EQ(last.fault, ref::Fault::Overflow);
}

TEST_F(ReferenceEdgeCases, OverflowAtOneStepOnly)
{
    // Rated capacity -1e305 (y - 40)^2 + DBL_MAX + 1e302 kW: beyond the double range at tk = 40
    // alone. The checked search ends there; a search that looked only at its end would find
    // finite figures again at the next step.
    auto& set = compressor().capacitySet();
    set.c = {"-1e305", "0", "0", "8e306", "0", "1.976941348623157e307", "", "", "", ""};
    check("capacity beyond the double range at one step");
    EXPECT_EQ(last.fault, ref::Fault::Overflow);
}

TEST_F(ReferenceEdgeCases, ASuctionTemperatureBeyondTheRangeEndsBeforeAnyTextIsRewritten)
{
    compressor().subcooling = "abc";
    inputs.to = -1e308; // po underflows to 0; to + superheat overflows
    inputs.superheat = -1e308;
    check("actual suction temperature beyond the double range");
    EXPECT_EQ(last.fault, ref::Fault::Overflow);
    inputs.superheat = 10;
    compressor().superheatMode = true;
    compressor().superheat = "-1e308";
    check("rated suction temperature beyond the double range");
    EXPECT_EQ(last.fault, ref::Fault::Overflow);
}

TEST_F(ReferenceEdgeCases, CondenserModels)
{
    check("two-point condenser");
    inputs.condenserQuantity = 2;
    inputs.compressorQuantity = 3;
    check("two-point condenser, three compressors and two condensers");
    inputs.compressorQuantity = 1;
    inputs.condenserQuantity = 1;

    condenser().coeffA = "0.85";
    check("two-point model wins over A");
    condenser().dt2 = "";
    check("A model when the two points are incomplete");
    condenser().coeffA = "1.5";
    check("A = 1.5");
    condenser().coeffA = "0.0007";
    check("A of a huge condenser: balance at the first step");
    condenser().coeffA = "1e-320";
    check("A of a subnormal size: dT / A overflows in the first step");
    EXPECT_EQ(last.fault, ref::Fault::Overflow);
    condenser().coeffA = "0";
    check("A = 0 gives up");
    EXPECT_TRUE(last.gaveUp);
    condenser().coeffA = "";
    check("no condenser model");
    EXPECT_FALSE(last.ok);

    condenser().dt2 = "10.0";
    check("dt1 = dt2: division by zero");
    EXPECT_EQ(last.fault, ref::Fault::DivisionByZero);
    condenser().qk2 = "12.4";
    check("dt1 = dt2 and qk1 = qk2: 0 / 0");
    EXPECT_EQ(last.fault, ref::Fault::InvalidOperation);
}

TEST_F(ReferenceEdgeCases, SearchLimits)
{
    for (const double air : {69.85, 69.9, 69.95, 70.0, 75.0}) {
        inputs.airTemperature = air;
        condenser().coeffA = "";
        condenser().dt2 = "15";
        check("air near 70 C, ordinary condenser");
        condenser().coeffA = "0.0001";
        condenser().dt2 = "";
        check("air near 70 C, huge condenser");
    }
    inputs.airTemperature = 32;
    condenser().coeffA = "";
    condenser().dt2 = "15";
    for (const double heatFactor : {0.5, 1.0, 1.1, 1.25})
        for (const double air : {-10.0, 10.0, 28.3, 50.0}) {
            inputs.heatFactor = heatFactor;
            inputs.airTemperature = air;
            check("heat factors and air temperatures");
        }
}

TEST_F(ReferenceEdgeCases, RefrigerantChecks)
{
    check("matching pair");
    compressor().refrigerant = "R22";
    comparer.useRefrigerant("R22");
    check("different refrigerants: the other figures are kept");
    EXPECT_FALSE(last.ok);
    comparer.useRefrigerant(kAllRefrigerants, "R22.txt");
    check("Wszystkie and different refrigerants");
    compressor().refrigerant = "R404A";
    check("Wszystkie and a matching pair");
    comparer.useRefrigerant("R404A");
    check("back to a matching pair");

    inputs.compressor = 0;
    check("compressor link not found");
    inputs.condenser = 0;
    check("neither link found: 0 / 0");
    inputs.compressor = 1;
    inputs.condenser = 1;

    compressor().refrigerant = "R404A ";
    check("refrigerant texts compared exactly");
    compressor().refrigerant = "R404A";
    condenser().refrigerant = "R407C";
    check("pair of R404A and R407C with R404A in use");

    comparer.state().refrigerant.calculationEnabled = false;
    check("calculation disabled");
    comparer.state().refrigerant.calculationEnabled = true;
    condenser().refrigerant = "R404A";

    comparer.useRefrigerant("R404A", "");
    check("no property table loaded");
    EXPECT_EQ(last.missingTable, "R404A.txt");
    comparer.useRefrigerant("R404A");
    check("table loaded again");

    for (const char* refrigerant : {"R407C", "R22", "R134a"}) {
        compressor().refrigerant = refrigerant;
        condenser().refrigerant = refrigerant;
        comparer.useRefrigerant(refrigerant);
        for (const double to : {-30.0, -10.0, 5.0}) {
            inputs.to = to;
            check(std::string("pair of ") + refrigerant);
        }
    }
}

TEST_F(ReferenceEdgeCases, RatingConditionsAndTheirMessages)
{
    for (const char* subcooling : {"-2", "x", "0", "", "1.5", "5,0", "-0"}) {
        compressor().subcooling = subcooling;
        check(std::string("rated subcooling '") + subcooling + "'");
    }
    compressor().subcooling = "x";
    compressor().suctionTemperature = "";
    check("suction temperature and subcooling both unreadable: two messages in order");
    EXPECT_EQ(last.messages.size(), 2U);
    compressor().subcooling = "0";
    compressor().suctionTemperature = "18.3";
    check("suction temperature with a point");
    compressor().superheatMode = true;
    compressor().superheat = "10";
    check("superheat mode, 10 K");
    compressor().superheat = "x";
    check("superheat mode, unreadable superheat: 20 C absolute");
    compressor().superheat = "10";

    // Actual conditions equal to the rated ones: the correction is the identity up to rounding.
    inputs.superheat = 10;
    inputs.subcooling = 0;
    check("actual conditions equal to the rated ones");
    inputs.subcooling = 8.5;
    inputs.superheat = 0;
    check("no superheat, large subcooling");
    for (const double superheat : {0.0, 2.5, 7.0, 25.0, 40.0, 80.0}) {
        inputs.superheat = superheat;
        check("actual superheat sweep");
    }
}

// Suction states outside the table: no row qualifies and the last row is used.
TEST_F(ReferenceEdgeCases, SuctionStatesBeyondThePropertyTable)
{
    for (const double superheat : {150.0, 300.0}) {
        inputs.superheat = superheat;
        check("suction gas hotter than every row");
    }
    inputs.superheat = 10;
    condenser().dt1 = "1";
    condenser().qk1 = "200";
    condenser().dt2 = "2";
    condenser().qk2 = "400";
    for (const double to : {45.0, 60.0}) {
        inputs.to = to;
        inputs.airTemperature = to;
        check("evaporating pressure above every row");
    }
}

// A property table whose rows follow no order: pressures up and down, temperatures repeated,
// and a blank last line. The lookups must still find the first qualifying row.
TEST_F(ReferenceEdgeCases, UnorderedPropertyTable)
{
    std::string text = "t;p;rho;v;h;s;cp\n";
    for (int k = 0; k < 61; ++k) {
        const int t = (k * 37) % 61 - 25;
        const int tenthsOfBar = 30 + ((k * 13) % 7) * 5;
        const int hundredths = 34000 + k * 73;
        text += std::to_string(t) + ";" + std::to_string(tenthsOfBar / 10) + "," +
                std::to_string(tenthsOfBar % 10) + ";1;1;" + std::to_string(hundredths / 100) +
                "," + std::to_string(hundredths % 100 / 10) + std::to_string(hundredths % 10) +
                ";1;1\n";
    }
    text += "\n";
    const RefrigerantTable table = parseRefrigerantTable(text);
    ASSERT_EQ(table.rowCount(), 62);
    comparer.useTable("R404A", table);
    int balanced = 0;
    for (const double to : {-22.0, -15.0, -10.0, -5.0, 0.0, 3.0})
        for (const double superheat : {0.0, 4.0, 10.0, 23.0, 45.0}) {
            inputs.to = to;
            inputs.superheat = superheat;
            check("unordered table");
            balanced += last.ok && last.fault == ref::Fault::None && !last.gaveUp;
        }
    EXPECT_GT(balanced, 10);
}

} // namespace
} // namespace kelvo
