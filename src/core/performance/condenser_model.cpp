#include "core/performance/condenser_model.h"

#include <optional>

#include "core/catalogue/lookups.h"
#include "core/performance/evaluation_fault.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

template <std::size_t N> std::optional<double> readRewritten(const FixedText<N>& text)
{
    return parseNumberWithComma(text.view());
}

} // namespace

CondenserModel CondenserModel::read(const CondenserRecord& condenser)
{
    const auto dt1 = readRewritten(condenser.dt1);
    const auto qk1 = readRewritten(condenser.qk1);
    const auto dt2 = readRewritten(condenser.dt2);
    const auto qk2 = readRewritten(condenser.qk2);
    const auto a = readRewritten(condenser.coeffA);

    // The constants do not depend on dT; a fault among them is kept for the first step.
    CondenserModel model;
    try {
        if (dt1 && qk1 && dt2 && qk2) {
            model.kind_ = CondenserModelKind::TwoPoint;
            model.slope_ = divideOrFault(finiteOrFault(*qk2 - *qk1), finiteOrFault(*dt2 - *dt1));
            model.offset_ = finiteOrFault(*qk1 - finiteOrFault(model.slope_ * *dt1));
            model.at15K_ = finiteOrFault(finiteOrFault(model.slope_ * 15) + model.offset_);
        } else if (a) {
            model.kind_ = CondenserModelKind::CoefficientA;
            model.coefficientA_ = *a;
            if (*a != 0)
                model.at15K_ = roundHalfEven(divideOrFault(1000.0 * 15, *a)) / 1000;
        }
    } catch (const EvaluationFault& fault) {
        model.fault_ = fault.error();
    }
    return model;
}

} // namespace kelvo
