#include "core/refrigerant/refrigerant_table.h"

#include <algorithm>
#include <cmath>

namespace kelvo
{

RefrigerantTable::RefrigerantTable()
{
    for (auto& column : columns_)
        column.assign(1, 0.0F);
}

float RefrigerantTable::value(int column, int row) const
{
    if (column < 0 || column >= columnCount || row < 0 || row > rowCount_)
        return 0.0F;
    return columns_[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
}

void RefrigerantTable::appendRow(const Row& fields)
{
    columns_[0].push_back(0.0F);
    for (int k = 1; k < columnCount; ++k) {
        const float v = fields[static_cast<std::size_t>(k - 1)];
        columns_[static_cast<std::size_t>(k)].push_back(std::isfinite(v) ? v : 0.0F);
    }
    ++rowCount_;

    const float t = columns_[temperatureColumn].back();
    const float p = columns_[pressureColumn].back();
    if (!runs_.empty() && runs_.back().pressure == p && runs_.back().lastTemperature <= t) {
        runs_.back().lastTemperature = t;
        runs_.back().lastRow = rowCount_;
        return;
    }
    if (!runs_.empty() && p < runs_.back().pressure)
        runPressuresAscending_ = false;
    runs_.push_back({p, t, rowCount_, rowCount_});
}

double RefrigerantTable::findVapourEnthalpyByScan(double t, double p) const
{
    if (rowCount_ == 0)
        return 0.0;
    const auto& temperatures = columns_[temperatureColumn];
    const auto& pressures = columns_[pressureColumn];
    int i = 1;
    while (!(temperatures[static_cast<std::size_t>(i)] >= t &&
             pressures[static_cast<std::size_t>(i)] >= p) &&
           i < rowCount_)
        ++i;
    return columns_[enthalpyColumn][static_cast<std::size_t>(i)];
}

double RefrigerantTable::findVapourEnthalpy(double t, double p) const
{
    if (rowCount_ == 0)
        return 0.0;
    auto run = runs_.begin();
    if (runPressuresAscending_)
        run = std::partition_point(runs_.begin(), runs_.end(),
                                   [p](const Run& r) { return !(r.pressure >= p); });
    for (; run != runs_.end(); ++run) {
        if (!(run->pressure >= p && run->lastTemperature >= t))
            continue;
        const auto& temperatures = columns_[temperatureColumn];
        const auto first = temperatures.begin() + run->firstRow;
        const auto last = temperatures.begin() + run->lastRow + 1;
        const auto found =
            std::partition_point(first, last, [t](float value) { return !(value >= t); });
        return columns_[enthalpyColumn][static_cast<std::size_t>(found - temperatures.begin())];
    }
    return columns_[enthalpyColumn][static_cast<std::size_t>(rowCount_)];
}

} // namespace kelvo
