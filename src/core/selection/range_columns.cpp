#include "core/selection/range_columns.h"

#include <cmath>

namespace kelvo
{

RangeColumnPlan rangeColumnTemperatures(double toMax, double toMin)
{
    RangeColumnPlan plan;
    auto add = [&plan](double t) {
        if (static_cast<int>(plan.temperatures.size()) >= kMaxRangeColumns) {
            plan.cut = true;
            return false;
        }
        plan.temperatures.push_back(t);
        return true;
    };
    // fmod keeps the sign of its first argument, so a negative step moves down as well.
    double step = std::trunc(toMax);
    const double remainder = std::fmod(step, 5.0);
    bool snap = remainder != 0;
    if (snap)
        step -= remainder < 0 ? remainder + 5.0 : remainder;
    double t = toMax;
    while (t >= toMin) {
        if (!add(t))
            return plan;
        if (snap) {
            t = step;
            snap = false;
        } else {
            t = t - 5.0;
        }
    }
    if (t + 5.0 != toMin)
        add(toMin);
    return plan;
}

} // namespace kelvo
