#include "gui/ui/tab_caption_fitter.h"

#include <QEvent>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <cstdlib>

namespace kelvo::gui
{

TabCaptionFitter::TabCaptionFitter(QTabWidget* pages) : QObject(pages), pages_(pages)
{
    pages_->tabBar()->setUsesScrollButtons(false);
    pages_->tabBar()->setElideMode(Qt::ElideNone);
    pages_->installEventFilter(this);
}

void TabCaptionFitter::setCaptions(const QStringList& captions)
{
    captions_ = captions;
    for (int i = 0; i < pages_->count() && i < captions_.size(); ++i)
        pages_->setTabToolTip(i, captions_[i]);
    fit();
}

bool TabCaptionFitter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pages_ && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

void TabCaptionFitter::fit()
{
    QTabBar* bar = pages_->tabBar();
    const int count = std::min(static_cast<int>(captions_.size()), pages_->count());
    for (int i = 0; i < count; ++i)
        pages_->setTabText(i, captions_[i]);
    const int room = pages_->width() - 4;
    // A tab's width as the style lays it out: its text and the style's padding.
    const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar) + 4;
    const auto widthOf = [&](int i) {
        return bar->fontMetrics().size(Qt::TextShowMnemonic, pages_->tabText(i)).width() + padding;
    };
    const auto total = [&] {
        int width = 0;
        for (int i = 0; i < count; ++i)
            width += widthOf(i);
        return width;
    };
    while (total() > room) {
        int widest = -1;
        for (int i = 0; i < count; ++i)
            if (!pages_->tabText(i).contains('\n') && pages_->tabText(i).contains(' ') &&
                (widest < 0 || widthOf(i) > widthOf(widest)))
                widest = i;
        if (widest < 0)
            break;
        pages_->setTabText(widest, inTwoLines(captions_[widest]));
    }
}

QString inTwoLines(const QString& caption)
{
    const qsizetype middle = caption.size() / 2;
    qsizetype best = -1;
    for (qsizetype i = 0; i < caption.size(); ++i)
        if (caption[i] == ' ' && (best < 0 || std::abs(i - middle) < std::abs(best - middle)))
            best = i;
    if (best < 0)
        return caption;
    QString broken = caption;
    broken[best] = '\n';
    return broken;
}

} // namespace kelvo::gui
