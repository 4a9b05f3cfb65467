#include "gui/ui/caption_tab_widget.h"

#include <QResizeEvent>
#include <QStyle>
#include <QTabBar>
#include <cstdlib>

namespace kelvo::gui
{
namespace
{

// Room above and below a caption of two lines, which some styles draw lower on tabs that are
// not the current one.
constexpr int kTwoLinePadding = 8;

class CaptionTabBar : public QTabBar
{
  public:
    using QTabBar::QTabBar;

    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        if (tabText(index).contains('\n'))
            size.rheight() += kTwoLinePadding;
        return size;
    }
};

} // namespace

CaptionTabWidget::CaptionTabWidget(QWidget* parent) : QTabWidget(parent)
{
    setTabBar(new CaptionTabBar(this));
    tabBar()->setUsesScrollButtons(false);
    tabBar()->setElideMode(Qt::ElideNone);
}

void CaptionTabWidget::setCaptions(const QStringList& captions)
{
    captions_ = captions;
    for (int i = 0; i < count() && i < captions_.size(); ++i)
        setTabToolTip(i, captions_[i]);
    fit();
}

void CaptionTabWidget::resizeEvent(QResizeEvent* event)
{
    QTabWidget::resizeEvent(event);
    // Only the width decides the captions; a caption's second line changes the height, which
    // must not start another round.
    if (event->size().width() != event->oldSize().width())
        fit();
}

void CaptionTabWidget::fit()
{
    const QFontMetrics metrics = tabBar()->fontMetrics();
    const int padding = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabBar()) + 4;
    const auto widthOf = [&](const QString& text) {
        return metrics.size(Qt::TextShowMnemonic, text).width() + padding;
    };
    const int tabs = std::min(static_cast<int>(captions_.size()), count());
    QStringList shown = captions_.mid(0, tabs);
    const auto total = [&] {
        int sum = 0;
        for (const QString& text : shown)
            sum += widthOf(text);
        return sum;
    };
    while (total() > width() - 4) {
        int widest = -1;
        for (int i = 0; i < tabs; ++i)
            if (!shown[i].contains('\n') && shown[i].contains(' ') &&
                (widest < 0 || widthOf(shown[i]) > widthOf(shown[widest])))
                widest = i;
        if (widest < 0)
            break;
        shown[widest] = inTwoLines(shown[widest]);
    }
    for (int i = 0; i < tabs; ++i)
        if (tabText(i) != shown[i])
            setTabText(i, shown[i]);
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
