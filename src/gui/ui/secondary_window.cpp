#include "gui/ui/secondary_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

#include "core/app/control_captions.h"
#include "gui/ui/qt_text.h"

namespace kelvo::gui
{

void closeWithEscape(QWidget* window)
{
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

QHBoxLayout* closeButtonRow(QWidget* window, int language)
{
    auto* button = new QPushButton(
        "&" + fromUtf8Text(controlCaption(ControlCaption::Close, language)), window);
    button->setObjectName("CloseButton");
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, window, &QWidget::close);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(8, 4, 8, 8);
    row->addStretch(1);
    row->addWidget(button);
    return row;
}

void fitIntoScreen(QWidget* window, QSize wanted)
{
    const QScreen* screen = window->screen();
    if (!screen) {
        window->resize(wanted);
        return;
    }
    // Room for the window's frame and title bar, which the window manager adds.
    const QRect available = screen->availableGeometry().adjusted(0, 0, -16, -48);
    const QSize size = wanted.boundedTo(available.size());
    window->resize(size);
    QRect frame(QPoint(0, 0), size);
    frame.moveCenter(available.center());
    window->move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
}

} // namespace kelvo::gui
