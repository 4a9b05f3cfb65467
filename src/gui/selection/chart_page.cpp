#include "gui/selection/chart_page.h"

#include <QPainter>

#include "core/app/language_table.h"
#include "core/selection/selection_session.h"
#include "core/workspace/workspace.h"
#include "gui/editor/chart_painter.h"

namespace kelvo::gui
{

ChartPage::ChartPage(const SelectionSession& session, const char* objectName, QWidget* parent)
    : QWidget(parent), session_(session)
{
    setObjectName(objectName);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintChart(painter, draw(width(), height(), session_.workspace().displaySeparator(),
                             session_.languages().currentLanguage()));
}

} // namespace kelvo::gui
