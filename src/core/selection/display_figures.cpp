#include "core/selection/display_figures.h"

#include "core/text/numeric_text.h"

namespace kelvo
{

double capacityFigureW(double capacityKW)
{
    // "+ 0.0" turns a negative zero into zero, so that no "-0" reaches a display or a file.
    return roundHalfEven(capacityKW * 10.0) * 100.0 + 0.0;
}

double powerFigureKW(double powerKW)
{
    return roundToTenth(powerKW) + 0.0;
}

} // namespace kelvo
