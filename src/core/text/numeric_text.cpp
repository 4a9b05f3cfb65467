#include "core/text/numeric_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "core/text/untrusted_text.h"

namespace kelvo
{
namespace
{

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// Checks the form and rewrites it as "[-]digits[.digits][e[-]digits]" for from_chars,
// which accepts neither a leading "+" nor a ",". Also reports the decimal exponent of the
// first significant digit, to tell an underflow from an overflow.
struct NormalisedNumber {
    std::string text;
    std::int64_t leadingExponent = 0; // of the first non-zero digit; meaningless if allZero
    bool allZero = true;
    bool negative = false;
};

std::optional<NormalisedNumber> normalise(std::string_view raw)
{
    std::string_view text = trimBlanks(raw);
    NormalisedNumber out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        out.negative = text[i] == '-';
        if (out.negative)
            out.text.push_back('-');
        ++i;
    }
    std::int64_t mantissaDigits = 0;
    bool seenSeparator = false;
    std::int64_t digitsBeforeSeparator = 0;
    std::int64_t firstNonZero = -1; // index among mantissa digits
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            if (c != '0' && firstNonZero < 0)
                firstNonZero = mantissaDigits;
            ++mantissaDigits;
            if (!seenSeparator)
                ++digitsBeforeSeparator;
            out.text.push_back(c);
        } else if ((c == '.' || c == ',') && !seenSeparator) {
            seenSeparator = true;
            out.text.push_back('.');
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    // Saturates far beyond any text's length, so that leading or trailing zeros can never
    // bring a huge exponent back into range ("0,000…0001e99999999" overflows).
    constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;
    std::int64_t exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        out.text.push_back('e');
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            if (negativeExponent)
                out.text.push_back('-');
            ++i;
        }
        std::size_t exponentDigits = 0;
        for (; i < text.size() && isDigit(text[i]); ++i, ++exponentDigits) {
            out.text.push_back(text[i]);
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (exponentDigits == 0)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != text.size())
        return std::nullopt;
    if (firstNonZero >= 0) {
        out.allZero = false;
        out.leadingExponent = digitsBeforeSeparator - 1 - firstNonZero + exponent;
    }
    return out;
}

// n / 10 written out: "-12,3", "0,5", "120".
std::string tenthsText(long long tenths, char decimalSeparator)
{
    char digits[24];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, tenths < 0 ? -tenths : tenths).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    std::string out = tenths < 0 ? "-" : "";
    if (count == 1)
        out += '0';
    else
        out.append(digits, count - 1);
    if (digits[count - 1] != '0') {
        out += decimalSeparator;
        out += digits[count - 1];
    }
    return out;
}

} // namespace

std::optional<double> parseNumber(std::string_view text)
{
    const auto normalised = normalise(text);
    if (!normalised)
        return std::nullopt;
    const std::string& s = normalised->text;
    double value = 0.0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (normalised->allZero || normalised->leadingExponent < 0)
            return normalised->negative ? -0.0 : 0.0; // underflow
        return std::nullopt;                          // beyond the double range
    }
    if (error != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> parseInteger(std::string_view raw)
{
    std::string_view text = trimBlanks(raw);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string invalidNumberMessage(std::string_view text)
{
    return "'" + quotedText(text) + "' is not a valid floating point value";
}

std::string invalidIntegerMessage(std::string_view text)
{
    return "''" + quotedText(text) + "'' is not a valid integer value";
}

double toNumber(std::string_view text)
{
    if (const auto value = parseNumber(text))
        return *value;
    throw ConversionError(invalidNumberMessage(text));
}

std::int32_t toInteger(std::string_view text)
{
    if (const auto value = parseInteger(text))
        return *value;
    throw ConversionError(invalidIntegerMessage(text));
}

std::string formatNumber(double value, char decimalSeparator)
{
    if (!std::isfinite(value))
        return "?"; // never shown as "inf"/"nan"; callers mark such figures themselves
    if (value == 0.0)
        return "0";
    char buffer[64];
    const double magnitude = std::fabs(value);
    if (magnitude < 1e14) {
        // Whole numbers and tenths, as most figures are, skip the general conversion: with at
        // most 15 significant digits the nearest double prints back as the same digits.
        const double tenths = std::nearbyint(value * 10);
        if (tenths / 10 == value)
            return tenthsText(static_cast<long long>(tenths), decimalSeparator);
    }
    std::string out;
    if (magnitude >= 1e-4 && magnitude < 1e15) {
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
        out.assign(buffer, result.ptr);
        // %.15g of a value below 1e15 may still round up to an exponent form ("1e+15").
        if (out.find('e') != std::string::npos)
            return formatNumber(std::stod(out), decimalSeparator);
    } else {
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
        std::string text(buffer, result.ptr);
        const auto e = text.find('e');
        std::string mantissa = text.substr(0, e);
        const int exponent = std::stoi(text.substr(e + 1));
        if (mantissa.find('.') != std::string::npos) {
            while (mantissa.back() == '0')
                mantissa.pop_back();
            if (mantissa.back() == '.')
                mantissa.pop_back();
        }
        out = mantissa + "E" + std::to_string(exponent);
    }
    for (char& c : out)
        if (c == '.')
            c = decimalSeparator;
    return out;
}

double roundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which this program never changes from
    // round-to-nearest-even.
    return std::nearbyint(value);
}

double roundToTenth(double value)
{
    return roundHalfEven(value * 10.0) / 10.0;
}

void dotToComma(std::string& text)
{
    for (char& c : text)
        if (c == '.')
            c = ',';
}

std::optional<double> parseNumberWithComma(std::string_view text)
{
    if (text.find('.') == std::string_view::npos)
        return parseNumber(text);
    std::string rewritten(text);
    dotToComma(rewritten);
    return parseNumber(rewritten);
}

} // namespace kelvo
