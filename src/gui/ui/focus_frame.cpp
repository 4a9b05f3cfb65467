#include "gui/ui/focus_frame.h"

#include <QPainter>
#include <QPen>
#include <QWidget>

namespace kelvo::gui
{

void paintFocusFrame(QWidget* widget)
{
    QPainter painter(widget);
    QPen pen(widget->palette().color(QPalette::Highlight), 2, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(widget->rect().adjusted(2, 2, -3, -3));
}

bool activatesButton(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

} // namespace kelvo::gui
