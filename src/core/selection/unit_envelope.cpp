#include "core/selection/unit_envelope.h"

#include "core/app/application_state.h"
#include "core/catalogue/lookups.h"
#include "core/selection/unit_details.h"

namespace kelvo
{

UnitEnvelopeView unitEnvelopeView(const ApplicationState& state, const UnitDetails& details)
{
    UnitEnvelopeView view;
    view.compressor =
        state.catalogue.compressors[findCompressorOfUnit(state.catalogue, details.unitIndex)];
    if (const auto& tk = details.data.condensingTemperatureUnrounded) {
        view.hasPoint = true;
        view.to = state.selection.evaporatingTemperature;
        view.tk = *tk;
        view.position = details.data.condensingEnvelope;
    }
    for (const RangeColumn& column : details.range.columns)
        for (const RangeCell& cell : column.capacity)
            if (cell.condensingTemperature)
                view.rangePoints.push_back({column.to, *cell.condensingTemperature,
                                            cell.envelope != EnvelopePosition::Outside});
    return view;
}

std::vector<ChartPrimitive> drawUnitEnvelope(const UnitEnvelopeView& view, int width, int height,
                                             char separator)
{
    return drawChart(view.compressor, view.hasPoint, view.tk, view.to, width, height, separator,
                     view.rangePoints);
}

} // namespace kelvo
