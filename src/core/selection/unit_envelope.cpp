#include "core/selection/unit_envelope.h"

#include "core/catalogue/lookups.h"
#include "core/selection/selection_session.h"
#include "core/selection/unit_details.h"

namespace kelvo
{

UnitEnvelopeView unitEnvelopeView(const SelectionSession& session, const UnitDetails& details)
{
    const Catalogue& catalogue = session.workspace().catalogue();
    UnitEnvelopeView view;
    view.compressor = catalogue.compressors[findCompressorOfUnit(catalogue, details.unitIndex)];
    if (const auto& tk = details.data.condensingTemperatureUnrounded) {
        view.hasPoint = true;
        view.to = session.state().evaporatingTemperature;
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
