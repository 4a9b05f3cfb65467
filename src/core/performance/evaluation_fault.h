#pragma once

#include <cfloat>
#include <cmath>
#include <stdexcept>
#include <string>

namespace kelvo
{

// An arithmetic fault that ends an evaluation instead of producing a non-finite figure.
enum class EvaluationError { None, DivisionByZero, InvalidOperation, Overflow };

// "Floating point division by zero", "Invalid floating point operation",
// "Floating point overflow"; empty for None.
std::string evaluationErrorText(EvaluationError error);

// An arithmetic fault inside the calculation. It ends the evaluation where it happens, so
// that what was written before stays written; evaluatePair turns it into its outcome.
class EvaluationFault : public std::runtime_error
{
  public:
    explicit EvaluationFault(EvaluationError error)
        : std::runtime_error(evaluationErrorText(error)), error_(error)
    {
    }
    [[nodiscard]] EvaluationError error() const { return error_; }

  private:
    EvaluationError error_;
};

// The value, or an overflow fault when it is not finite. Operands are always finite, so a
// non-finite result means that something overflowed on the way.
inline double finiteOrFault(double value)
{
    if (!std::isfinite(value))
        throw EvaluationFault(EvaluationError::Overflow);
    return value;
}

// a / b with the faults the platform would raise: 0/0, x/0 and an overflowing quotient.
inline double divideOrFault(double a, double b)
{
    if (b == 0)
        throw EvaluationFault(a == 0 ? EvaluationError::InvalidOperation
                                     : EvaluationError::DivisionByZero);
    return finiteOrFault(a / b);
}

// The nearest double, or an overflow fault when that would be infinite.
inline double toDoubleOrFault(long double value)
{
    // Halfway between DBL_MAX and the next power of two rounds (to even) up to infinity.
    constexpr long double kOverflowThreshold = static_cast<long double>(DBL_MAX) + 0x1p970L;
    if (!(fabsl(value) < kOverflowThreshold))
        throw EvaluationFault(EvaluationError::Overflow);
    return static_cast<double>(value);
}

// The calculation's arithmetic as a balance search runs it. Checked: every figure is finite
// and every divisor nonzero, or the evaluation ends with the fault. Plain: the same operations
// in the same order without a check, for a search that reads the floating-point fault flags
// once at its end and, when one is raised, runs again checked.
struct CheckedArithmetic {
    static constexpr bool checked = true;
    static double finite(double value) { return finiteOrFault(value); }
    static double divide(double a, double b) { return divideOrFault(a, b); }
    static double toDouble(long double value) { return toDoubleOrFault(value); }
};
struct PlainArithmetic {
    static constexpr bool checked = false;
    static double finite(double value) { return value; }
    static double divide(double a, double b) { return a / b; }
    static double toDouble(long double value) { return static_cast<double>(value); }
};

} // namespace kelvo
