#include "core/selection/unit_envelope.h"

#include "core/app/own_texts.h"
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
                                             char separator, int language)
{
    const auto text = [language](OwnText text) { return std::string(ownText(text, language)); };
    const LabelledChartTexts texts{text(OwnText::ChartToTitle),
                                   text(OwnText::ChartTkTitle),
                                   {text(OwnText::ChartEnvelope1), text(OwnText::ChartEnvelope2)},
                                   text(OwnText::ChartWorkingPoint),
                                   text(OwnText::ChartRangeInside),
                                   text(OwnText::ChartRangeOutside)};
    const LabelledChartContent content{view.compressor.envelopes, view.hasPoint, view.to, view.tk,
                                       view.rangePoints};
    return drawLabelledChart(content, texts, width, height, separator);
}

} // namespace kelvo
