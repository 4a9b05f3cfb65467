#include "gui/ui/caption_tab_widget.h"

#include <QResizeEvent>
#include <QStyle>
#include <QTabBar>
#include <algorithm>
#include <functional>
#include <vector>

namespace kelvo::gui
{
namespace
{

// Room above and below a caption of more lines than one, which some styles draw lower on tabs that
// are not the current one.
constexpr int kLinesPadding = 8;

class CaptionTabBar : public QTabBar
{
  public:
    using QTabBar::QTabBar;

    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        // Each further line needs the room again: a caption of three lines was cut at its top.
        size.rheight() += kLinesPadding * static_cast<int>(tabText(index).count('\n'));
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
    // The minimum width follows the captions.
    updateGeometry();
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

int CaptionTabWidget::captionWidth(const QString& text) const
{
    const int padding = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabBar()) + 1;
    return tabBar()->fontMetrics().size(Qt::TextShowMnemonic, text).width() + padding;
}

QSize CaptionTabWidget::minimumSizeHint() const
{
    // As narrow as the captions broken onto their most lines allow, so that the layout may
    // give the widget less room than the captions need on one line.
    QSize hint = QTabWidget::minimumSizeHint();
    int captions = 4;
    for (const QString& caption : captions_)
        captions += captionWidth(inLines(caption, kMostLines));
    hint.setWidth(
        std::max(captions, currentWidget() ? currentWidget()->minimumSizeHint().width() : 0));
    return hint;
}

void CaptionTabWidget::fit()
{
    const int tabs = std::min(static_cast<int>(captions_.size()), count());
    std::vector<int> lines(static_cast<std::size_t>(tabs), 1);
    QStringList shown = captions_.mid(0, tabs);
    const auto total = [&] {
        int sum = 0;
        for (const QString& text : shown)
            sum += captionWidth(text);
        return sum;
    };
    // The widest caption that can take one more line takes it, until the captions fit.
    while (total() > width() - 4) {
        int widest = -1;
        for (int i = 0; i < tabs; ++i) {
            const auto n = static_cast<std::size_t>(i);
            if (lines[n] < kMostLines && inLines(captions_[i], lines[n] + 1) != shown[i] &&
                (widest < 0 || captionWidth(shown[i]) > captionWidth(shown[widest])))
                widest = i;
        }
        if (widest < 0)
            break;
        const auto w = static_cast<std::size_t>(widest);
        shown[widest] = inLines(captions_[widest], ++lines[w]);
    }
    for (int i = 0; i < tabs; ++i)
        if (tabText(i) != shown[i])
            setTabText(i, shown[i]);
}

QString inLines(const QString& caption, int lines)
{
    const QStringList words = caption.split(' ');
    const auto count = static_cast<int>(words.size());
    lines = std::min(lines, count);
    if (lines <= 1)
        return caption;
    // Every way of breaking after lines - 1 of the words (few words, few ways): the one whose
    // longest line is shortest.
    QString best;
    qsizetype bestLongest = -1;
    std::vector<int> breaks(static_cast<std::size_t>(lines - 1));
    const std::function<void(int, int)> choose = [&](int from, int k) {
        if (k == lines - 1) {
            QString text;
            qsizetype longest = 0;
            qsizetype lineLength = 0;
            for (int w = 0; w < count; ++w) {
                const bool breakBefore = std::find(breaks.begin(), breaks.end(), w) != breaks.end();
                if (w > 0) {
                    text += breakBefore ? '\n' : ' ';
                    lineLength = breakBefore ? 0 : lineLength + 1;
                }
                text += words[w];
                lineLength += words[w].size();
                longest = std::max(longest, lineLength);
            }
            if (bestLongest < 0 || longest < bestLongest) {
                bestLongest = longest;
                best = text;
            }
            return;
        }
        for (int w = from; w < count; ++w) {
            breaks[static_cast<std::size_t>(k)] = w;
            choose(w + 1, k + 1);
        }
    };
    choose(1, 0);
    return best;
}

} // namespace kelvo::gui
