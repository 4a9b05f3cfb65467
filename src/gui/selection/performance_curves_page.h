#pragma once

#include <optional>

#include "core/selection/performance_curves.h"
#include "gui/selection/chart_page.h"

namespace kelvo::gui
{

// The details' tab page "Performance curves": the shown unit's range tables as the core draws
// them at the page's size, capacity and power input against the evaporating temperature, in the
// selection's language.
class PerformanceCurvesPage : public ChartPage
{
    Q_OBJECT
  public:
    PerformanceCurvesPage(const SelectionSession& session, QWidget* parent = nullptr);

    void show(const PerformanceCurves& curves);
    void clear();
    [[nodiscard]] const std::optional<PerformanceCurves>& curves() const { return curves_; }

  private:
    [[nodiscard]] std::vector<ChartPrimitive> draw(int width, int height, char separator,
                                                   int language) const override;

    std::optional<PerformanceCurves> curves_;
};

} // namespace kelvo::gui
