#pragma once

#include "core/catalogue/records.h"
#include "core/performance/evaluation_fault.h"

namespace kelvo
{

enum class CondenserModelKind {
    TwoPoint,     // a straight line through (dt1, qk1) and (dt2, qk2)
    CoefficientA, // Qk = dT / A
    None          // neither model's texts convert
};

// Heat rejection capacity of one condenser in kW against the temperature difference between
// condensing temperature and air. The two-point model wins when both are usable.
class CondenserModel
{
  public:
    // Converts dt1, qk1, dt2, qk2 and coeffA of the record, each read with "." as ",".
    static CondenserModel read(const CondenserRecord& condenser);

    [[nodiscard]] CondenserModelKind kind() const { return kind_; }
    // Capacity at 15 K; 0 when there is no model or A is 0. A fault of the model's constants
    // (dt1 = dt2, an overflow) is raised here as EvaluationFault.
    [[nodiscard]] double capacityAt15K() const;
    // The model's constants hold a fault that capacityAt15K raises.
    [[nodiscard]] bool faulty() const { return fault_ != EvaluationError::None; }
    // Capacity at dT; 0 when there is no model or A is 0.
    template <class Arithmetic = CheckedArithmetic>
    [[nodiscard]] double capacityAt(double dT) const;
    // capacityAt() for a model known to be of the kind.
    template <CondenserModelKind Kind, class Arithmetic>
    [[nodiscard]] double capacityIn(double dT) const;

  private:
    CondenserModelKind kind_ = CondenserModelKind::None;
    double slope_ = 0;  // two-point: a
    double offset_ = 0; // two-point: b
    double coefficientA_ = 0;
    double at15K_ = 0;
    EvaluationError fault_ = EvaluationError::None;
};

inline double CondenserModel::capacityAt15K() const
{
    if (fault_ != EvaluationError::None)
        throw EvaluationFault(fault_);
    return at15K_;
}

template <CondenserModelKind Kind, class Arithmetic>
inline double CondenserModel::capacityIn(double dT) const
{
    if constexpr (Kind == CondenserModelKind::TwoPoint)
        return Arithmetic::finite(Arithmetic::finite(slope_ * dT) + offset_);
    else if constexpr (Kind == CondenserModelKind::CoefficientA)
        return coefficientA_ != 0 ? Arithmetic::divide(dT, coefficientA_) : 0.0;
    else
        return 0.0;
}

template <class Arithmetic> inline double CondenserModel::capacityAt(double dT) const
{
    switch (kind_) {
    case CondenserModelKind::TwoPoint:
        return capacityIn<CondenserModelKind::TwoPoint, Arithmetic>(dT);
    case CondenserModelKind::CoefficientA:
        return capacityIn<CondenserModelKind::CoefficientA, Arithmetic>(dT);
    case CondenserModelKind::None:
        break;
    }
    return 0.0;
}

} // namespace kelvo
