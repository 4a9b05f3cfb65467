#include "gui/ui/progress_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QScreen>

namespace kelvo::gui
{

ProgressWindow::ProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint), bar_(new QProgressBar(this))
{
    setObjectName("TForm7");
    setWindowTitle("Info");
    bar_->setObjectName("ProgressBar1");
    bar_->setTextVisible(false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    resize(457, 24);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void ProgressWindow::setMaximum(int maximum)
{
    bar_->setMaximum(qMax(1, maximum));
}

void ProgressWindow::setPosition(int position)
{
    bar_->setValue(position);
}

ProgressScope::ProgressScope(QWidget* owner) : window_(new ProgressWindow(owner))
{
    window_->setAttribute(Qt::WA_DeleteOnClose);
    timer_.start();
}

ProgressScope::~ProgressScope()
{
    if (window_) {
        window_->setPosition(0);
        window_->close(); // deletes it
    }
}

void ProgressScope::setMaximum(int maximum)
{
    if (window_)
        window_->setMaximum(maximum);
}

ProgressReport ProgressScope::report()
{
    return [this](int done, int total) {
        setMaximum(total);
        setPosition(done);
    };
}

void ProgressScope::setPosition(int position)
{
    if (!window_)
        return;
    window_->setPosition(position);
    if (!shown_ && timer_.elapsed() >= showDelayMs) {
        shown_ = true;
        window_->show();
    }
    if (shown_)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace kelvo::gui
