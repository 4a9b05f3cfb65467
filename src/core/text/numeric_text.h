#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvo
{

// Numeric text as the catalogue writes it: "," or "." as decimal separator, whatever the
// process locale says. Nothing here reads the C or C++ locale.

// Optional blanks, optional sign, digits with at most one "." or ",", optional exponent,
// optional blanks. Anything else, inf/nan, hex or a value beyond the double range fails;
// an underflow gives 0.
std::optional<double> parseNumber(std::string_view text);

// Whole numbers (count lines, indexes): blanks, optional sign, decimal digits, 32-bit range.
std::optional<std::int32_t> parseInteger(std::string_view text);

// The conversion failures the program reports to the user, with the user's text quoted.
class ConversionError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};
std::string invalidNumberMessage(std::string_view text);
std::string invalidIntegerMessage(std::string_view text);

// parseNumber / parseInteger that throw ConversionError on failure.
double toNumber(std::string_view text);
std::int32_t toInteger(std::string_view text);

// Shortest form with up to 15 significant digits ("%.15g") for 1e-4 <= |x| < 1e15,
// otherwise mantissa and "E" exponent ("1,5E-7", "1E15"); -0 shows "0".
std::string formatNumber(double value, char decimalSeparator);

// Nearest whole number, halves to the even neighbour.
double roundHalfEven(double value);
// (x * 10, rounded half to even) / 10.
double roundToTenth(double value);

// Every "." replaced by ","; the length never changes.
void dotToComma(std::string& text);
// parseNumber of the text with every "." read as "," (as the catalogue keeps the texts the
// calculation reads): "1.234,5" fails as "1,234,5" does.
std::optional<double> parseNumberWithComma(std::string_view text);

} // namespace kelvo
