#pragma once

#include <QObject>
#include <QStringList>

class QTabWidget;

namespace kelvo::gui
{

// Keeps every tab caption of a tab widget whole and visible: when the captions on one line are
// wider than the widget, the widest ones break at a space onto a second line, so no tab is cut
// short or hidden behind scroll arrows. Follows the widget's width and caption changes.
class TabCaptionFitter : public QObject
{
    Q_OBJECT
  public:
    explicit TabCaptionFitter(QTabWidget* pages);
    // The captions in tab order, each on one line.
    void setCaptions(const QStringList& captions);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fit();

    QTabWidget* pages_;
    QStringList captions_;
};

// `caption` broken at the space nearest its middle; unchanged without a space.
QString inTwoLines(const QString& caption);

} // namespace kelvo::gui
