#include "gui/selection/envelope_chart_page.h"

#include "core/selection/details_in_units.h"
#include "core/selection/selection_session.h"

namespace kelvo::gui
{

EnvelopeChartPage::EnvelopeChartPage(const SelectionSession& session, QWidget* parent)
    : ChartPage(session, "EnvelopeChart", parent)
{
}

void EnvelopeChartPage::show(const UnitEnvelopeView& view)
{
    view_ = view;
    update();
}

void EnvelopeChartPage::clearRangePoints()
{
    // A rebuild empties the range tables; their points go with them.
    if (view_)
        view_->rangePoints.clear();
    update();
}

void EnvelopeChartPage::clear()
{
    view_.reset();
    update();
}

std::vector<ChartPrimitive> EnvelopeChartPage::draw(int width, int height, char separator,
                                                    int language) const
{
    if (!view_)
        return {};
    auto primitives = drawUnitEnvelope(*view_, width, height, separator, language);
    temperatureChartIn(primitives, session().units(), separator);
    return primitives;
}

} // namespace kelvo::gui
