#include "core/editor/chart_click.h"

#include "core/text/numeric_text.h"

namespace kelvo
{

std::string chartPointHint(const ChartGeometry& geometry, int x, int y, char separator)
{
    if (x < geometry.left || x > geometry.right || y < geometry.top || y > geometry.bottom)
        return {};
    const ChartWorldPoint p = pixelToWorld(geometry, x, y);
    const auto tenth = [separator](double value) {
        return formatNumber(roundToTenth(value) + 0.0, separator);
    };
    return "to = " + tenth(p.to) + " [C]\ntk = " + tenth(p.tk) + " [C]";
}

} // namespace kelvo
