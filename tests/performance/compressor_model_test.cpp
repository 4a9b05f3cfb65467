#include <gtest/gtest.h>
#include <random>

#include "core/catalogue/decimal_commas.h"
#include "core/performance/compressor_model.h"
#include "core/refrigerant/refrigerant_registry.h"
#include "core/refrigerant/table_loader.h"
#include "core/text/message_sink.h"
#include "support/pair_bench.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

void setCoefficients(CoefficientSet& set, std::initializer_list<const char*> texts)
{
    std::size_t i = 0;
    for (const char* text : texts)
        set.c[i++] = text;
}

TEST(CompressorModel, ReadsCoefficientSetsAndPicksTheirForm)
{
    CompressorRecord compressor;
    auto& set = compressor.capacitySet();
    set.multiplier = "0.5";
    setCoefficients(set, {"1.5e-3", "2", "", "x", "-4,25", "5", "6", "7", "8", "9"});
    auto values = readCoefficientSet(compressor, 1);
    EXPECT_EQ(set.c[0], "1.5e-3") << "reading leaves the record alone";
    writeEvaluatedTextsWithCommas(compressor);
    EXPECT_EQ(set.c[0], "1,5e-3") << "the catalogue keeps the comma";
    EXPECT_EQ(set.multiplier, "0.5") << "the multiplier is never rewritten";
    EXPECT_EQ(readCoefficientSet(compressor, 1).c[0], values.c[0]);
    EXPECT_EQ(values.multiplier, 0.5);
    EXPECT_EQ(values.c[0], 1.5e-3);
    EXPECT_FALSE(values.converted[2]);
    EXPECT_EQ(values.form(), PolynomialForm::None);
    EXPECT_FALSE(ratedCapacity(values, -10, 40).usable);
    set.multiplier = "abc";
    EXPECT_EQ(readCoefficientSet(compressor, 1).multiplier, 1.0);

    set.multiplier = "2";
    setCoefficients(set, {"1000", "10", "20", "1", "2", "3", "0,1", "0,2", "0,3", "0,4"});
    values = readCoefficientSet(compressor, 1);
    const double x = -10, y = 40;
    const double watts = 1000 + 10 * x + 20 * y + 1 * x * x + 2 * x * y + 3 * y * y +
                         0.1 * x * x * x + 0.2 * x * x * y + 0.3 * x * y * y + 0.4 * y * y * y;
    EXPECT_NEAR(ratedCapacity(values, x, y).kW, watts * 2 / 1000, 1e-9);

    // C0 .. C5 only: kilowatts, C5 the constant term and C0 the factor of y^2.
    for (std::size_t i = 6; i < 10; ++i)
        set.c[i] = "";
    values = readCoefficientSet(compressor, 1);
    const double kW = 3 + 2 * x + 1 * y + 10 * x * x + 20 * x * y + 1000 * y * y;
    EXPECT_NEAR(ratedPower(values, x, y).kW, kW * 2, 1e-9);
    EXPECT_EQ(ratedPower(values, 0, 0).kW, 6);
}

TEST(CompressorModel, SearchPolynomialEqualsTheFullFormulaBitForBit)
{
    std::mt19937 random(42);
    std::uniform_real_distribution<double> coefficient(-1e3, 1e3);
    std::uniform_real_distribution<double> temperature(-60, 80);
    for (const int used : {10, 6}) {
        for (int trial = 0; trial < 200; ++trial) {
            CoefficientValues values;
            values.multiplier = coefficient(random) / 100;
            for (std::size_t i = 0; i < static_cast<std::size_t>(used); ++i) {
                values.c[i] = coefficient(random) * std::pow(10.0, -static_cast<int>(i / 2));
                values.converted[i] = true;
            }
            const double to = temperature(random);
            const RatedPolynomial polynomial(values, to);
            for (int step = 0; step < 20; ++step) {
                const double tk = temperature(random);
                ASSERT_EQ(polynomial.at(tk), ratedCapacity(values, to, tk).kW)
                    << used << " coefficients, to=" << to << " tk=" << tk;
            }
        }
    }
}

TEST(CompressorModel, RatingConditionsAndTheirFallbacks)
{
    CompressorRecord c;
    c.superheatMode = true;
    c.superheat = "10";
    c.subcooling = "0";
    CollectingMessageSink sink;
    EXPECT_EQ(ratedConditions(c, -10, sink).suctionTemperature, 0);
    c.superheatMode = false;
    c.suctionTemperature = "20";
    EXPECT_EQ(ratedConditions(c, -30, sink).suctionTemperature, 20);
    EXPECT_TRUE(sink.messages.empty()) << "subcooling 0 is accepted";

    c.superheatMode = true; // an unreadable text gives 20 C absolute, not to + 20
    c.superheat = "";
    c.subcooling = "-2";
    EXPECT_EQ(ratedConditions(c, -10, sink).suctionTemperature, 20);
    c.subcooling = "x";
    EXPECT_EQ(readRatedSubcooling(c, sink), 0);
    EXPECT_EQ(sink.messages, (std::vector<std::string>{
                                 "Błąd !\rPrzyjąłem jako wzorcową temperaturę na ssaniu t=20C",
                                 "Błąd !\rDochłodzenie wzorcowe mniejsze od zera\r"
                                 "Przyjąłem jako dochłodzenie wzorcowe t=0K",
                                 "Błąd !\rPrzyjąłem jako dochłodzenie wzorcowe t=0K"}));
}

TEST(CompressorModel, AtRatingConditionsTheCorrectionChangesNothing)
{
    test::PairRefrigerant data;
    test::loadRefrigerantTable(data, test::sampleDataFolder(), "R404A.txt");
    for (const double tk : {30.0, 45.0, 60.0}) {
        // Suction gas -10 + 30 = 20 C and subcooling 5 K, as rated.
        const auto one =
            correctToActual(5.0, 2.0, RefrigerantRegistry::builtIn().correlationsOf("R404A"),
                            data.table, -10, tk, 4.3, 30, 5, {20, 5});
        EXPECT_NEAR(one.capacity, 5.0, 1e-12) << tk;
        EXPECT_NEAR(one.power, 2.0, 1e-12) << tk;
    }
    const auto subcooled =
        correctToActual(5.0, 2.0, RefrigerantRegistry::builtIn().correlationsOf("R404A"),
                        data.table, -10, 45, 4.3, 30, 10, {20, 5});
    EXPECT_GT(subcooled.capacity, 5.0);
    EXPECT_NEAR(subcooled.power / subcooled.capacity, 2.0 / 5.0, 1e-12);
}

} // namespace
} // namespace kelvo
