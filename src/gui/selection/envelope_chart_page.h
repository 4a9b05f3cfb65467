#pragma once

#include <optional>

#include "core/selection/unit_envelope.h"
#include "gui/selection/chart_page.h"

namespace kelvo::gui
{

// The details' tab page "Operating envelope": the shown unit's compressor envelope with the
// chosen working point as the red cross-hair and the range tables' points as small squares
// (filled inside the envelope, outlined outside), with axis titles and a legend in the
// selection's language, as the core's chart draws them at the page's size.
class EnvelopeChartPage : public ChartPage
{
    Q_OBJECT
  public:
    EnvelopeChartPage(const SelectionSession& session, QWidget* parent = nullptr);

    void show(const UnitEnvelopeView& view);
    void clearRangePoints();
    void clear();

  private:
    [[nodiscard]] std::vector<ChartPrimitive> draw(int width, int height, char separator,
                                                   int language) const override;

    std::optional<UnitEnvelopeView> view_;
};

} // namespace kelvo::gui
