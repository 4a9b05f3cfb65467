#pragma once

#include <QStringList>
#include <QTabWidget>

namespace kelvo::gui
{

// A tab widget that keeps every tab caption whole and visible: when the captions on one line
// are wider than the widget, the widest ones break at spaces onto a second line (the tabs grow
// to hold it), so no tab is cut short or hidden behind scroll arrows. Its minimum width is what
// the captions need on two lines: a third line was cut off on tabs that are not the current one.
class CaptionTabWidget : public QTabWidget
{
    Q_OBJECT
  public:
    explicit CaptionTabWidget(QWidget* parent = nullptr);
    // The captions in tab order, each on one line.
    void setCaptions(const QStringList& captions);
    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    static constexpr int kMostLines = 2;
    void fit();
    [[nodiscard]] int captionWidth(const QString& text) const;

    QStringList captions_;
};

// `caption` on at most `lines` lines, broken at spaces so that its longest line is shortest;
// unchanged without a space or for one line.
QString inLines(const QString& caption, int lines);

} // namespace kelvo::gui
