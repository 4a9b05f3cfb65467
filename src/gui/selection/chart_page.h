#pragma once

#include <QWidget>
#include <vector>

#include "core/chart/envelope_chart.h"

namespace kelvo
{
class SelectionSession;
}

namespace kelvo::gui
{

// A details' tab page that shows a chart the core draws at the page's size, in the selection's
// language and decimal separator, on white.
class ChartPage : public QWidget
{
    Q_OBJECT
  public:
    ChartPage(const SelectionSession& session, const char* objectName, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {560, 300}; }
    QSize minimumSizeHint() const override { return {250, 160}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    // The chart's primitives for a canvas of width x height; none while nothing is shown.
    [[nodiscard]] virtual std::vector<ChartPrimitive> draw(int width, int height, char separator,
                                                           int language) const = 0;
    [[nodiscard]] const SelectionSession& session() const { return session_; }

  private:
    const SelectionSession& session_;
};

} // namespace kelvo::gui
