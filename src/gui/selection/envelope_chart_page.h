#pragma once

#include <QWidget>
#include <optional>

#include "core/selection/unit_envelope.h"

namespace kelvo
{
class SelectionSession;
}

namespace kelvo::gui
{

// The details' tab page "Operating envelope": the shown unit's compressor envelope with the
// chosen working point as the red cross-hair and the range tables' points as small squares
// (filled inside the envelope, outlined outside), with axis titles and a legend in the
// selection's language, as the core's chart draws them at the page's size.
class EnvelopeChartPage : public QWidget
{
    Q_OBJECT
  public:
    EnvelopeChartPage(const SelectionSession& session, QWidget* parent = nullptr);

    void show(const UnitEnvelopeView& view);
    void clearRangePoints();
    void clear();

    QSize sizeHint() const override { return {560, 300}; }
    QSize minimumSizeHint() const override { return {250, 160}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const SelectionSession& session_;
    std::optional<UnitEnvelopeView> view_;
};

} // namespace kelvo::gui
