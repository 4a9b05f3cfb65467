#include "gui/selection/performance_curves_page.h"

#include <QPainter>

#include "core/app/language_table.h"
#include "core/selection/selection_session.h"
#include "core/workspace/workspace.h"
#include "gui/editor/chart_painter.h"

namespace kelvo::gui
{

PerformanceCurvesPage::PerformanceCurvesPage(const SelectionSession& session, QWidget* parent)
    : QWidget(parent), session_(session)
{
    setObjectName("PerformanceCurves");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
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

void PerformanceCurvesPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (curves_)
        paintChart(painter, drawPerformanceCurves(*curves_, width(), height(),
                                                  session_.workspace().displaySeparator(),
                                                  session_.languages().currentLanguage()));
}

} // namespace kelvo::gui
