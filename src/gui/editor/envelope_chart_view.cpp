#include "gui/editor/envelope_chart_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "core/chart/envelope_chart.h"
#include "core/editor/chart_click.h"
#include "core/editor/editor_session.h"
#include "gui/editor/chart_painter.h"

namespace kelvo::gui
{

EnvelopeChartView::EnvelopeChartView(const EditorSession& session, QWidget* parent)
    : QWidget(parent), session_(session)
{
    setObjectName("Image1");
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::CrossCursor);
}

void EnvelopeChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    // Nothing is drawn until a display has run.
    const auto& request = session_.chart();
    if (!request)
        return;
    CompressorRecord shown;
    shown.envelopes = request->envelopes;
    paintChart(painter,
               drawChart(shown, request->ok, request->tk, request->to, width(), height(),
                         session_.workspace().displaySeparator(),
                         request->noBalance ? BalanceNote::NoBalance : BalanceNote::Point));
}

bool EnvelopeChartView::insidePlot(const QPoint& pixel) const
{
    const ChartGeometry g(width(), height());
    return pixel.x() >= g.left && pixel.x() <= g.right && pixel.y() >= g.top &&
           pixel.y() <= g.bottom;
}

void EnvelopeChartView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pixel = event->position().toPoint();
    const std::string hint = chartPointHint(ChartGeometry(width(), height()), pixel.x(), pixel.y(),
                                            session_.workspace().displaySeparator());
    if (hint.empty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPosition().toPoint(), QString::fromStdString(hint), this);
}

void EnvelopeChartView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint pixel = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !insidePlot(pixel))
        return;
    const ChartWorldPoint p = pixelToWorld(ChartGeometry(width(), height()), pixel.x(), pixel.y());
    emit pointClicked(p.to, p.tk);
}

} // namespace kelvo::gui
