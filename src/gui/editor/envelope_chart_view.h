#pragma once

#include <QWidget>
#include <functional>

namespace kelvo
{
class EditorSession;
}

namespace kelvo::gui
{

// The editor's chart "Image1": paints what the core's chart gives for the last display at the
// widget's current size (a resize draws it again), shows the pointer's to and tk as a hint
// over the plot area, and reports clicks there as world points.
class EnvelopeChartView : public QWidget
{
    Q_OBJECT
  public:
    EnvelopeChartView(const EditorSession& session, QWidget* parent);

    QSize sizeHint() const override { return {489, 385}; }
    QSize minimumSizeHint() const override { return {250, 190}; }

  signals:
    void pointClicked(double to, double tk);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool insidePlot(const QPoint& pixel) const;

    const EditorSession& session_;
};

} // namespace kelvo::gui
