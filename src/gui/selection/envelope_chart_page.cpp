#include "gui/selection/envelope_chart_page.h"

#include <QPainter>

#include "core/app/language_table.h"
#include "core/selection/selection_session.h"
#include "core/workspace/workspace.h"
#include "gui/editor/chart_painter.h"

namespace kelvo::gui
{

EnvelopeChartPage::EnvelopeChartPage(const SelectionSession& session, QWidget* parent)
    : QWidget(parent), session_(session)
{
    setObjectName("EnvelopeChart");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
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

void EnvelopeChartPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (view_)
        paintChart(painter, drawUnitEnvelope(*view_, width(), height(),
                                             session_.workspace().displaySeparator(),
                                             session_.languages().currentLanguage()));
}

} // namespace kelvo::gui
