#include "gui/selection/performance_curves_page.h"

#include "core/selection/details_in_units.h"
#include "core/selection/selection_session.h"

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
    return drawPerformanceCurvesIn(*curves_, width, height, separator, language, session().units());
}

} // namespace kelvo::gui
