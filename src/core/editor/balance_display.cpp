#include "core/editor/balance_display.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "core/catalogue/lookups.h"
#include "core/editor/editor_session.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

constexpr std::size_t kQuotedTextLimit = 60;

// A text typed by the user, fit to be quoted in a message: at most 60 bytes and no control
// bytes.
std::string quoted(std::string_view text)
{
    std::string out;
    const bool cut = text.size() > kQuotedTextLimit;
    for (const char c : text.substr(0, kQuotedTextLimit)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            out += hex;
        } else {
            out += c;
        }
    }
    if (cut)
        out += "…";
    return out;
}

// Qo and Pe are shown to 0.001, halves to even.
double roundToThousandth(double value)
{
    const double scaled = value * 1000;
    if (!std::isfinite(scaled))
        return value;
    return roundHalfEven(scaled) / 1000 + 0.0;
}

using NumberField = std::pair<std::string_view, double*>;

// Converts the texts in order into their targets; the message for the first that is no number.
std::optional<std::string> readNumbers(const std::array<NumberField, 6>& fields)
{
    for (const auto& [text, target] : fields) {
        const auto value = parseNumber(text);
        if (!value)
            return invalidNumberMessage(quoted(text));
        *target = *value;
    }
    return std::nullopt;
}

constexpr double kAbsoluteZero = -273.15;

// What the command line refuses of inputs that read as numbers, refused here too: a
// temperature below absolute zero, a heat factor that is no number above 0 (NaN here).
std::optional<std::string> refusedInputs(const PairInputs& inputs, const EditorInputs& typed)
{
    const std::pair<double, std::string_view> temperatures[] = {
        {inputs.to, typed.to}, {inputs.airTemperature, typed.ambient}};
    for (const auto& [value, text] : temperatures)
        if (value < kAbsoluteZero)
            return "'" + quoted(text) + "' jest poniżej zera bezwzględnego, -273,15 C";
    if (!(inputs.heatFactor > 0))
        return "Qk=(Qo+Pe) x: '" + quoted(std::string_view(typed.heatFactor)) +
               "' nie jest liczbą większą od 0";
    return std::nullopt;
}

} // namespace

void fillResultPanels(BalancePanels& panels, const PerformanceResult& r, double airTemperature,
                      char separator)
{
    const auto number = [separator](double value) { return formatNumber(value, separator); };
    panels.evaporatingPressure = "Po=" + number(r.evaporatingPressure) + " [bar] (abs)";
    panels.condensingPressure = "Pk=" + number(r.condensingPressure) + " [bar] (abs)";
    panels.condenserAt15K = "DT=15 / Qskr=" + number(r.condenserCapacityAt15K) + "kW";
    panels.capacity = number(roundToThousandth(r.refrigeratingCapacity)) + " [kW]";
    panels.power = number(roundToThousandth(r.powerInput)) + " [kW]";
    panels.condensingTemperature =
        number(shownCondensingTemperature(airTemperature, r.condensingDeltaT)) + " [C]";
}

// Runs the evaluation and shows it: the result panels and the chart, or cleared panels when
// it ends with an arithmetic error.
void EditorSession::evaluateAndShow(const PairInputs& inputs, BalanceDisplay& display,
                                    MessageSink& sink)
{
    display.evaluated = true;
    display.inputs = inputs;
    const PairEvaluation evaluation = workspace_.evaluate(refrigerant_, inputs, result_, sink);
    result_ = evaluation.result;
    display.figures = result_;
    display.outcome = evaluation.outcome;
    workspace_.keepTextsRead(evaluation.textsRead);
    if (display.outcome.error != EvaluationError::None) {
        clearPanels();
        chartWithoutPoint(inputs.compressor);
        display.cleared = true;
        display.chartDrawn = true;
        display.failure = evaluationErrorText(display.outcome.error);
        editor_.panels.status = display.failure;
        return;
    }
    fillResultPanels(editor_.panels, result_, inputs.airTemperature, workspace_.displaySeparator());
    display.gaveUp = display.outcome.gaveUp;
    editor_.panels.status = display.gaveUp ? kGaveUpNote : "";
    editor_.chart =
        ChartRequest{inputs.compressor,
                     display.outcome.ok,
                     condensingTemperature(inputs.airTemperature, result_.condensingDeltaT),
                     inputs.to,
                     workspace_.catalogue().compressors[inputs.compressor].envelopes,
                     display.gaveUp};
    display.chartDrawn = true;
}

void EditorSession::chartWithoutPoint(int compressorIndex)
{
    editor_.chart = ChartRequest{compressorIndex, false, 0, 0,
                                 workspace_.catalogue().compressors[compressorIndex].envelopes};
}

namespace
{

// Makes current the last row of the grid that shows `index`; nullopt when none does.
std::optional<int> selectRowOfIndex(EditorGridView& grid, int index)
{
    std::optional<int> found;
    for (std::size_t r = 0; r < grid.rows.size(); ++r)
        if (grid.rows[r].index == index)
            found = static_cast<int>(r) + 1;
    if (found)
        grid.currentRow = *found;
    return found;
}

} // namespace

void EditorSession::clearPanels()
{
    BalancePanels& p = editor_.panels;
    for (std::string* panel :
         {&p.compressorIndex, &p.condenserIndex, &p.compressorModel, &p.condenserModel,
          &p.condensingPressure, &p.refrigerant, &p.condenserAt15K, &p.capacity, &p.power,
          &p.condensingTemperature, &p.evaporatingPressure, &p.frameName, &p.status})
        panel->clear();
}

void EditorSession::refuseDisplay(int compressorIndex, std::string failure, BalanceDisplay& display)
{
    clearPanels();
    chartWithoutPoint(compressorIndex);
    display.cleared = true;
    display.chartDrawn = true;
    display.failure = std::move(failure);
    editor_.panels.status = display.failure;
}

void EditorSession::clearResultPanels()
{
    BalancePanels& p = editor_.panels;
    for (std::string* panel : {&p.condensingPressure, &p.condenserAt15K, &p.capacity, &p.power,
                               &p.condensingTemperature, &p.evaporatingPressure, &p.status})
        panel->clear();
}

BalanceDisplay EditorSession::showPairBalance(int compressorIndex, int condenserIndex,
                                              MessageSink& sink)
{
    BalanceDisplay display;
    if (!calculating_)
        return display;
    display.ran = true;
    const Catalogue& catalogue = workspace_.catalogue();
    BalancePanels& panels = editor_.panels;
    // The red marks belong to a unit's model copies; a pair has none.
    panels.compressorModelDiffers = false;
    panels.condenserModelDiffers = false;
    panels.compressorModel = catalogue.compressors[compressorIndex].model.str();
    panels.condenserModel = catalogue.condensers[condenserIndex].model.str();
    panels.compressorIndex = std::to_string(compressorIndex);
    panels.condenserIndex = std::to_string(condenserIndex);
    // A display cleared before took the refrigerant's panel with it.
    panels.refrigerant = refrigerant_;

    const EditorInputs& in = editor_.inputs;
    PairInputs inputs;
    inputs.compressor = compressorIndex;
    inputs.condenser = condenserIndex;
    inputs.heatFactor = heatFactor_.value_or(std::nan(""));
    auto failure = readNumbers({{{in.to, &inputs.to},
                                 {in.ambient, &inputs.airTemperature},
                                 {in.superheat, &inputs.superheat},
                                 {in.subcooling, &inputs.subcooling},
                                 {in.compressorCount, &inputs.compressorQuantity},
                                 {in.condenserCount, &inputs.condenserQuantity}}});
    if (!failure)
        failure = refusedInputs(inputs, in);
    if (failure) {
        refuseDisplay(compressorIndex, std::move(*failure), display);
        return display;
    }
    evaluateAndShow(inputs, display, sink);
    if (!display.cleared && !display.outcome.ok) {
        clearPanels();
        display.cleared = true;
    }
    return display;
}

BalanceDisplay EditorSession::showUnitBalance(int unitIndex, MessageSink& sink)
{
    BalanceDisplay display;
    BalancePanels& panels = editor_.panels;
    panels.compressorModelDiffers = false;
    panels.condenserModelDiffers = false;
    if (!calculating_)
        return display;
    display.ran = true;

    const Catalogue& catalogue = workspace_.catalogue();
    const CondensingUnitRecord& unit = catalogue.units[unitIndex];
    const int ci = findCompressorOfUnit(catalogue, unitIndex);
    const int ki = findCondenserOfUnit(catalogue, unitIndex);
    const int fi = findFrameOfUnit(catalogue, unitIndex);
    panels.compressorIndex = std::to_string(ci);
    panels.refrigerant = unit.refrigerant.str();
    display.compressorRow = selectRowOfIndex(editor_.grid(EditorGrid::Compressors), ci);
    panels.condenserIndex = std::to_string(ki);
    display.condenserRow = selectRowOfIndex(editor_.grid(EditorGrid::Condensers), ki);
    panels.frameIndex = std::to_string(fi);
    display.frameRow = selectRowOfIndex(editor_.grid(EditorGrid::Frames), fi);
    panels.compressorModelDiffers =
        unit.compressorModel.view() != catalogue.compressors[ci].model.view();
    panels.condenserModelDiffers =
        unit.condenserModel.view() != catalogue.condensers[ki].model.view();

    if (ci == 0 || ki == 0) {
        if (ci == 0)
            sink.message(kNoCompressorMessage);
        if (ki == 0)
            sink.message(kNoCondenserMessage);
        // Nothing to evaluate: no figures of another record stay on show.
        clearResultPanels();
        panels.status = ci == 0 ? kNoCompressorMessage : kNoCondenserMessage;
        editor_.chart.reset();
        display.cleared = true;
        display.chartDrawn = true;
        return display;
    }

    const EditorInputs& in = editor_.inputs;
    PairInputs inputs;
    inputs.compressor = ci;
    inputs.condenser = ki;
    inputs.heatFactor = heatFactor_.value_or(std::nan(""));
    auto failure = readNumbers({{{in.to, &inputs.to},
                                 {in.ambient, &inputs.airTemperature},
                                 {in.superheat, &inputs.superheat},
                                 {in.subcooling, &inputs.subcooling},
                                 {unit.compressorCount.view(), &inputs.compressorQuantity},
                                 {unit.condenserCount.view(), &inputs.condenserQuantity}}});
    if (!failure)
        failure = refusedInputs(inputs, in);
    if (failure) {
        refuseDisplay(ci, std::move(*failure), display);
        return display;
    }
    evaluateAndShow(inputs, display, sink);
    return display;
}

} // namespace kelvo
