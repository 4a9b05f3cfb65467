#include "gui/ui/clickable_picture.h"

#include <QMouseEvent>
#include <QSvgRenderer>

namespace kelvo::gui
{

ClickablePicture::ClickablePicture(const QString& objectName, const QString& path, QWidget* parent)
    : QSvgWidget(path, parent)
{
    setObjectName(objectName);
    renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QSvgWidget::mouseReleaseEvent(event);
}

} // namespace kelvo::gui
