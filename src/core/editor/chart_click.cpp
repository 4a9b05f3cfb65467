#include "core/editor/chart_click.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/editor/editor_session.h"
#include "core/text/message_sink.h"
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

BalanceDisplay EditorSession::chooseChartPoint(double to, double tk, MessageSink& sink)
{
    if (editor_.selectionKind == EditorSelectionKind::None || !std::isfinite(to) ||
        !std::isfinite(tk))
        return {};
    EditorInputs typed = editor_.inputs;
    const char separator = workspace_.displaySeparator();
    typed.to = formatNumber(evaporatingTemperatureAt(typed, to), separator);
    editor_.inputs.to = typed.to;
    // The trial evaluations leave no trace: what the final display does not set stays as it was.
    const std::string ambientBefore = editor_.inputs.ambient;
    const auto chartBefore = editor_.chart;
    const BalancePanels panelsBefore = editor_.panels;
    const std::string* best = nullptr;
    double bestDistance = std::numeric_limits<double>::infinity();
    const InputList ambients = ambientList(separator);
    DiscardingMessageSink trial;
    for (const std::string& item : ambients.items) {
        editor_.inputs.ambient = item;
        const BalanceDisplay display = runDisplay(trial);
        if (!display.evaluated || !display.outcome.succeeded() || !editor_.chart)
            continue;
        const double distance = std::fabs(editor_.chart->tk - tk);
        // The items run from warm to cold, so an equal distance moves to the colder one.
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = &item;
        }
    }
    typed.ambient = best ? *best : ambientBefore;
    editor_.chart = chartBefore;
    editor_.panels = panelsBefore;
    return setInputs(typed, sink);
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
