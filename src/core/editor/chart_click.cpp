#include "core/editor/chart_click.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/app/application_state.h"
#include "core/app/message_sink.h"
#include "core/editor/editor_session.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

// The clicked to on the 0.5 K raster, inside the range the list offers.
double evaporatingTemperatureAt(const EditorInputs& inputs, double to)
{
    double value = roundHalfEven(to * 2) / 2 + 0.0;
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const std::string& item : inputs.evaporatingItems) {
        if (const auto number = parseNumber(item)) {
            low = std::min(low, *number);
            high = std::max(high, *number);
        }
    }
    if (low <= high)
        value = std::clamp(value, low, high);
    return value;
}

} // namespace

BalanceDisplay chooseInputsAtChartPoint(ApplicationState& state, double to, double tk,
                                        MessageSink& sink)
{
    if (state.editor.selectionKind == EditorSelectionKind::None || !std::isfinite(to) ||
        !std::isfinite(tk))
        return {};
    EditorInputs& inputs = state.editor.inputs;
    const char separator = state.displayDecimalSeparator;
    inputs.to = formatNumber(evaporatingTemperatureAt(inputs, to), separator);

    // The trial evaluations leave no trace: what the final display does not set stays as it was.
    const std::string ambientBefore = inputs.ambient;
    const auto chartBefore = state.editor.chart;
    const BalancePanels panelsBefore = state.editor.panels;
    const std::string* best = nullptr;
    double bestDistance = std::numeric_limits<double>::infinity();
    const InputList ambients = ambientList(separator);
    DiscardingMessageSink trial;
    for (const std::string& item : ambients.items) {
        inputs.ambient = item;
        const BalanceDisplay display = inputChanged(state, trial);
        if (!display.evaluated || !display.outcome.succeeded() || !state.editor.chart)
            continue;
        const double distance = std::fabs(state.editor.chart->tk - tk);
        // The items run from warm to cold, so an equal distance moves to the colder one.
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = &item;
        }
    }
    inputs.ambient = best ? *best : ambientBefore;
    state.editor.chart = chartBefore;
    state.editor.panels = panelsBefore;
    return inputChanged(state, sink);
}

std::string chartPointHint(const ChartGeometry& geometry, int x, int y, char separator)
{
    if (x < geometry.left || x > geometry.right || y < geometry.top || y > geometry.bottom)
        return {};
    const ChartWorldPoint p = pixelToWorld(geometry, x, y);
    const auto tenth = [separator](double value) {
        return formatNumber(roundToTenth(value) + 0.0, separator);
    };
    return "to = " + tenth(p.to) + " [C]\ntk = " + tenth(p.tk) + " [C]";
}

} // namespace kelvo
