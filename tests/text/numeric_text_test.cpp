#include "core/text/numeric_text.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace kelvo
{
namespace
{

TEST(NumericText, AcceptsBothSeparatorsBlanksSignsAndExponents)
{
    EXPECT_EQ(parseNumber("1.5e-3"), 1.5e-3);
    EXPECT_EQ(parseNumber("1,5e-3"), 1.5e-3);
    EXPECT_EQ(parseNumber(" 12,5 "), 12.5);
    EXPECT_EQ(parseNumber("-7"), -7.0);
    EXPECT_EQ(parseNumber("+2.25"), 2.25);
    EXPECT_EQ(parseNumber(".5"), 0.5);
    EXPECT_EQ(parseNumber("5."), 5.0);
    EXPECT_EQ(parseNumber("1E3"), 1000.0);
    EXPECT_EQ(parseNumber("2e+2"), 200.0);
    EXPECT_EQ(parseNumber("1e-400"), 0.0); // underflow
}

TEST(NumericText, RejectsEverythingElse)
{
    for (const char* bad : {"1.2.3", "", " ", "abc", "+-1", "1,2,3", "1.2,3", "1e", "e5", ".", "-",
                            "1 000", "\t1", "inf", "nan", "0x10", "1e400", "12a", "1,5 e3"})
        EXPECT_FALSE(parseNumber(bad).has_value()) << '"' << bad << '"';
}

TEST(NumericText, BeyondTheDoubleRangeFailsHoweverItIsSpelled)
{
    const std::string zeros(100001, '0');
    for (const std::string& text :
         {std::string("1e400"), std::string("-1e400"), std::string("1,8e308"),
          "0," + zeros + "1e99999999", "0." + zeros + "1E+100500", zeros + "2e308",
          "1" + zeros + "e300", std::string("1e99999999999999999999999"),
          "-0," + zeros + "5e9999999999"}) {
        EXPECT_FALSE(parseNumber(text)) << text.substr(0, 12) << "… (" << text.size() << ")";
    }
    // Tiny values underflow to 0 however spelled; long mantissas in range still convert.
    EXPECT_EQ(parseNumber("1e-400"), 0.0);
    EXPECT_EQ(parseNumber("0," + zeros + "1e-99999999"), 0.0);
    EXPECT_EQ(parseNumber("1" + zeros + "e-100001"), 1.0);
    EXPECT_EQ(parseNumber("0," + zeros + "1e100002"), 1.0);
    EXPECT_EQ(parseNumber(zeros + "2,5"), 2.5);
}

TEST(NumericText, WholeNumbersStayWithin32Bits)
{
    EXPECT_EQ(parseInteger("152"), 152);
    EXPECT_EQ(parseInteger(" -3 "), -3);
    EXPECT_EQ(parseInteger("+0"), 0);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"2147483648", "1.0", "", "12x", "- 1", "1e3"})
        EXPECT_FALSE(parseInteger(bad).has_value()) << bad;
    EXPECT_THROW(toInteger("x"), ConversionError);
    EXPECT_EQ(invalidIntegerMessage("x"), "''x'' is not a valid integer value");
    EXPECT_EQ(invalidNumberMessage("x"), "'x' is not a valid floating point value");
}

TEST(NumericText, DisplayFormUsesTheGivenSeparator)
{
    EXPECT_EQ(formatNumber(12300, ','), "12300");
    EXPECT_EQ(formatNumber(4.3, ','), "4,3");
    EXPECT_EQ(formatNumber(4.3, '.'), "4.3");
    EXPECT_EQ(formatNumber(5, ','), "5");
    EXPECT_EQ(formatNumber(-0.0, ','), "0");
    EXPECT_EQ(formatNumber(0.1 + 0.2, ','), "0,3");
    EXPECT_EQ(formatNumber(1e-4, ','), "0,0001");
    EXPECT_EQ(formatNumber(1.5e-7, ','), "1,5E-7");
    EXPECT_EQ(formatNumber(1e15, ','), "1E15");
    EXPECT_EQ(formatNumber(123456789012345.0, ','), "123456789012345");
    EXPECT_EQ(formatNumber(-12.5, ','), "-12,5");
}

// The general "%.15g" form, as the display form is defined (for 1e-4 <= |x| < 1e15).
std::string generalForm(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.')
            c = ',';
    return text;
}

TEST(NumericText, WholeNumbersAndTenthsPrintAsTheGeneralFormDoes)
{
    std::mt19937_64 random(17);
    std::vector<long long> tenths;
    for (long long n = -2000; n <= 2000; ++n)
        tenths.push_back(n);
    for (const long long n : {999999999999999LL, -999999999999999LL, 100000000000000LL,
                              123456789012345LL, 10LL, 1000000LL})
        tenths.push_back(n);
    for (int i = 0; i < 20000; ++i) {
        const auto digits = static_cast<int>(random() % 15) + 1;
        const auto n = static_cast<long long>(
            random() % static_cast<unsigned long long>(std::pow(10.0, digits)));
        tenths.push_back(i % 2 != 0 ? -n : n);
    }
    for (const long long n : tenths) {
        if (n == 0)
            continue;
        const double value = static_cast<double>(n) / 10;
        EXPECT_EQ(formatNumber(value, ','), generalForm(value)) << n << " tenths";
        const double whole = static_cast<double>(n);
        if (std::fabs(whole) < 1e15) {
            EXPECT_EQ(formatNumber(whole, ','), generalForm(whole)) << n;
        }
    }
    // Close to a tenth is no tenth: all the digits the general form gives.
    EXPECT_EQ(formatNumber(0.30000000000000004, ','), "0,3");
    EXPECT_EQ(formatNumber(1.2345, ','), "1,2345");
    EXPECT_EQ(formatNumber(-7.05, '.'), "-7.05");
}

TEST(NumericText, RoundingSendsHalvesToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(122.5), 122);
    EXPECT_EQ(roundHalfEven(127.5), 128);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.6), 3);
    EXPECT_EQ(roundToTenth(4.25), 4.2);
    EXPECT_EQ(roundToTenth(4.75), 4.8);
    EXPECT_EQ(formatNumber(roundHalfEven(12.3456 * 10) * 100, ','), "12300");
}

TEST(NumericText, IgnoresTheProcessLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "pl_PL.UTF-8"))
        GTEST_SKIP() << "pl_PL.UTF-8 is not installed";
    EXPECT_EQ(parseNumber("2.5"), 2.5);
    EXPECT_EQ(parseNumber("2,5"), 2.5);
    EXPECT_EQ(formatNumber(0.3, '.'), "0.3");
    EXPECT_EQ(formatNumber(1.5e-7, '.'), "1.5E-7");
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(NumericText, DotToCommaKeepsTheLength)
{
    std::string text = "1.2.3";
    dotToComma(text);
    EXPECT_EQ(text, "1,2,3");
    EXPECT_FALSE(parseNumber(text).has_value());
}

} // namespace
} // namespace kelvo
