#include "gui/ui/secondary_window.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
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
    const QRect available = screen->availableGeometry();
    // Room for the window's frame and title bar, which the window manager adds.
    const QSize size = wanted.boundedTo(available.adjusted(0, 0, -16, -48).size());
    window->resize(size);
    QRect frame(QPoint(0, 0), size);
    frame.moveCenter(available.center());
    window->move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
}

void placeClearOf(QWidget* window, const QWidget* keepVisible)
{
    const QScreen* screen = keepVisible->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QRect clear(keepVisible->mapToGlobal(QPoint(0, 0)), keepVisible->size());
    const QSize size = window->size();
    const int gap = 8;
    int x = clear.right() + gap;
    if (x + size.width() > available.right() &&
        clear.left() - gap - size.width() >= available.left())
        x = clear.left() - gap - size.width();
    x = std::clamp(x, available.left(),
                   std::max(available.left(), available.right() - size.width()));
    const int y = std::clamp(clear.top(), available.top(),
                             std::max(available.top(), available.bottom() - size.height()));
    window->move(x, y);
}

namespace
{

// Gives the focus back when the watched window closes or goes away.
class FocusReturn : public QObject
{
  public:
    FocusReturn(QWidget* window, QWidget* opener)
        : QObject(window), target_(QApplication::focusWidget()), opener_(opener)
    {
        if (!target_ || target_->window() != opener->window())
            target_ = opener;
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close || event->type() == QEvent::Hide) {
            // After the close is done, so that the closing window gives up the focus first.
            QTimer::singleShot(0, opener_.data(), [target = target_, opener = opener_] {
                QWidget* widget = target ? target.data() : opener.data();
                if (!widget || !widget->isVisible())
                    return;
                widget->window()->activateWindow();
                widget->setFocus(Qt::ActiveWindowFocusReason);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QPointer<QWidget> target_;
    QPointer<QWidget> opener_;
};

} // namespace

void returnFocusOnClose(QWidget* window, QWidget* opener)
{
    if (opener)
        new FocusReturn(window, opener);
}

} // namespace kelvo::gui
