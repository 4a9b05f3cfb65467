#pragma once

#include <QWidget>
#include <optional>

#include "core/selection/performance_curves.h"

namespace kelvo
{
class SelectionSession;
}

namespace kelvo::gui
{

// The details' tab page "Performance curves": the shown unit's range tables as the core draws
// them at the page's size, capacity and power input against the evaporating temperature, in the
// selection's language.
class PerformanceCurvesPage : public QWidget
{
    Q_OBJECT
  public:
    PerformanceCurvesPage(const SelectionSession& session, QWidget* parent = nullptr);

    void show(const PerformanceCurves& curves);
    void clear();
    [[nodiscard]] const std::optional<PerformanceCurves>& curves() const { return curves_; }

    QSize sizeHint() const override { return {560, 300}; }
    QSize minimumSizeHint() const override { return {250, 160}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const SelectionSession& session_;
    std::optional<PerformanceCurves> curves_;
};

} // namespace kelvo::gui
