#include "gui/drawing/drawing_view.h"

#include <QPainter>

#include "core/editor/record_editor_session.h"

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
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -4);
    const QRectF bounds = drawing_.bounds();
    const bool stretch = stretched_ && previewMayStretch(bounds.width(), bounds.height(),
                                                         area.width(), area.height());
    drawing_.paint(painter, area, stretch ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio);
}

} // namespace kelvo::gui
