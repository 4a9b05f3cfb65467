#pragma once

#include <QWidget>
#include <optional>

#include "core/selection/unit_envelope.h"

namespace kelvo
{
class Workspace;
}

namespace kelvo::gui
{

// The details' tab page "Operating envelope": the shown unit's compressor envelope with the
// chosen working point as the red cross-hair and the range tables' points as small squares
// (filled inside the envelope, outlined outside), as the core's chart draws them.
class EnvelopeChartPage : public QWidget
{
    Q_OBJECT
  public:
    EnvelopeChartPage(const Workspace& workspace, QWidget* parent = nullptr);

    void show(const UnitEnvelopeView& view);
    void clearRangePoints();
    void clear();

    QSize sizeHint() const override { return {489, 300}; }
    QSize minimumSizeHint() const override { return {250, 160}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const Workspace& workspace_;
    std::optional<UnitEnvelopeView> view_;
};

} // namespace kelvo::gui
