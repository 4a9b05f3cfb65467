#include "gui/selection/drawing_view.h"

#include <QPainter>

namespace kelvo::gui
{

DrawingView::DrawingView(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(200, 140);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void DrawingView::load(const std::filesystem::path& wmfPath)
{
    drawing_ = loadDrawing(wmfPath);
    update();
}

void DrawingView::paintEvent(QPaintEvent*)
{
    if (drawing_.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing_.paint(painter, QRectF(rect()).adjusted(4, 4, -4, -4));
}

} // namespace kelvo::gui
