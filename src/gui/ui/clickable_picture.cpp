#include "gui/ui/clickable_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSvgRenderer>

#include "gui/ui/focus_frame.h"

namespace kelvo::gui
{

ClickablePicture::ClickablePicture(const QString& objectName, const QString& path, QWidget* parent)
    : QSvgWidget(path, parent)
{
    setObjectName(objectName);
    renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
    setFocusPolicy(Qt::StrongFocus);
}

void ClickablePicture::keyPressEvent(QKeyEvent* event)
{
    if (activatesButton(event->key()) && !event->isAutoRepeat()) {
        emit clicked();
        return;
    }
    QSvgWidget::keyPressEvent(event);
}

void ClickablePicture::paintEvent(QPaintEvent* event)
{
    QSvgWidget::paintEvent(event);
    if (hasFocus())
        paintFocusFrame(this);
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QSvgWidget::mouseReleaseEvent(event);
}

} // namespace kelvo::gui
