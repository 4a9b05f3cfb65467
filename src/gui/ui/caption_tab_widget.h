#pragma once

#include <QStringList>
#include <QTabWidget>

namespace kelvo::gui
{

// A tab widget that keeps every tab caption whole and visible: when the captions on one line
// are wider than the widget, the widest ones break at a space onto a second line (the tabs
// grow to hold it), so no tab is cut short or hidden behind scroll arrows.
class CaptionTabWidget : public QTabWidget
{
    Q_OBJECT
  public:
    explicit CaptionTabWidget(QWidget* parent = nullptr);
    // The captions in tab order, each on one line.
    void setCaptions(const QStringList& captions);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fit();

    QStringList captions_;
};

// `caption` broken at the space nearest its middle; unchanged without a space.
QString inTwoLines(const QString& caption);

} // namespace kelvo::gui
