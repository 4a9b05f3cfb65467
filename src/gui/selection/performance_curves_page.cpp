#include "gui/selection/performance_curves_page.h"

namespace kelvo::gui
{

PerformanceCurvesPage::PerformanceCurvesPage(const SelectionSession& session, QWidget* parent)
    : ChartPage(session, "PerformanceCurves", parent)
{
}

void PerformanceCurvesPage::show(const PerformanceCurves& curves)
{
    curves_ = curves;
    update();
}

void PerformanceCurvesPage::clear()
{
    curves_.reset();
    update();
}

std::vector<ChartPrimitive> PerformanceCurvesPage::draw(int width, int height, char separator,
                                                        int language) const
{
    if (!curves_)
        return {};
    return drawPerformanceCurves(*curves_, width, height, separator, language);
}

} // namespace kelvo::gui
