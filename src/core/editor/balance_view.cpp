#include "core/editor/balance_view.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

#include "core/catalogue/lookups.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "core/workspace/workspace.h"

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

void BalanceView::reset()
{
    selectionKind_ = EditorSelectionKind::None;
    inputs_ = initialEditorInputs(workspace_.displaySeparator());
    panels_ = BalancePanels{};
    chart_.reset();
    heatFactor_ = kDefaultCondenserHeatFactor;
}

void BalanceView::showRefrigerant()
{
    panels_.refrigerant = listing_.refrigerant();
}

void BalanceView::type(EditorInputBox box, std::string_view text)
{
    inputText(inputs_, box) = std::string(text);
}

void BalanceView::typeInputs(const EditorInputs& typed)
{
    for (const EditorInputBox box : kEveryInputBox)
        inputText(inputs_, box) = inputText(typed, box);
}

void BalanceView::setHeatFactorText(std::string_view text)
{
    inputs_.heatFactor = std::string(text);
    heatFactor_ = heatFactorFromText(text);
}

BalanceDisplay BalanceView::clickPair(EditorSelectionKind kind, MessageSink& sink)
{
    if (!calculating_)
        return {};
    const auto pair = currentPair(listing_);
    if (!pair)
        return {};
    selectionKind_ = kind;
    inputs_.countsEnabled = true;
    setEvaporatingList(inputs_, pairEvaporatingList(workspace_.displaySeparator()));
    return showPair(pair->compressor, pair->condenser, sink);
}

BalanceDisplay BalanceView::clickUnit(MessageSink& sink)
{
    if (!calculating_)
        return {};
    const auto unit = listing_.currentIndex(EditorGrid::Units);
    if (!unit)
        return {};
    selectionKind_ = EditorSelectionKind::Unit;
    inputs_.countsEnabled = false;
    showUnitRecord(*unit);
    return showUnitBalance(*unit, sink);
}

void BalanceView::clickFrame()
{
    if (!calculating_)
        return;
    const auto frame = listing_.currentIndex(EditorGrid::Frames);
    if (!frame)
        return;
    inputs_.countsEnabled = true;
    panels_.frameName = workspace_.catalogue().frames[*frame].name.str();
    panels_.frameIndex = std::to_string(*frame);
}

BalanceDisplay BalanceView::showUnit(int unit, const EditorInputs& typed, MessageSink& sink)
{
    if (!calculating_)
        return {};
    selectionKind_ = EditorSelectionKind::Unit;
    inputs_.countsEnabled = false;
    showUnitRecord(unit);
    inputs_.to = typed.to;
    inputs_.ambient = typed.ambient;
    inputs_.superheat = typed.superheat;
    inputs_.subcooling = typed.subcooling;
    return showUnitBalance(unit, sink);
}

void BalanceView::showUnitPanels(int unitIndex)
{
    const Catalogue& catalogue = workspace_.catalogue();
    const CondensingUnitRecord& unit = catalogue.units[unitIndex];
    panels_.compressorModel = unit.compressorModel.str();
    panels_.refrigerant = unit.refrigerant.str();
    panels_.condenserModel = unit.condenserModel.str();
    inputs_.compressorCount = unit.compressorCount.str();
    inputs_.condenserCount = unit.condenserCount.str();
    panels_.frameName = catalogue.frames[findFrameOfUnit(catalogue, unitIndex)].name.str();
}

void BalanceView::showUnitRecord(int unitIndex)
{
    showUnitPanels(unitIndex);
    // Refilling the list selects its first item, which must not run a display of its own.
    const CalculationPause pause(calculating_);
    setEvaporatingList(inputs_, unitEvaporatingList(workspace_.catalogue().units[unitIndex],
                                                    workspace_.displaySeparator()));
}

BalanceDisplay BalanceView::run(MessageSink& sink)
{
    if (selectionKind_ == EditorSelectionKind::Unit) {
        const auto unit = listing_.currentIndex(EditorGrid::Units);
        if (!unit)
            return {};
        return showUnitBalance(*unit, sink);
    }
    const auto pair = currentPair(listing_);
    if (!pair)
        return {};
    return showPair(pair->compressor, pair->condenser, sink);
}

void BalanceView::refresh(EditorUpdate& update)
{
    if (!calculating_ || selectionKind_ == EditorSelectionKind::None)
        return;
    update.panels = true;
    update.inputs = true;
    DistinctMessageSink sink;
    const auto clearAll = [this] {
        clearPanels();
        panels_.refrigerant = listing_.refrigerant();
        panels_.compressorModelDiffers = false;
        panels_.condenserModelDiffers = false;
        chart_.reset();
    };
    if (selectionKind_ == EditorSelectionKind::Unit) {
        const auto unit = listing_.currentIndex(EditorGrid::Units);
        if (!unit) {
            clearAll();
        } else {
            showUnitPanels(*unit);
            showUnitBalance(*unit, sink);
            for (const EditorGrid g :
                 {EditorGrid::Compressors, EditorGrid::Condensers, EditorGrid::Frames})
                update.cursor(g);
        }
    } else if (const auto pair = currentPair(listing_)) {
        showPair(pair->compressor, pair->condenser, sink);
    } else {
        clearAll();
    }
    update.messages.insert(update.messages.end(), sink.messages.begin(), sink.messages.end());
}

BalanceDisplay BalanceView::chooseChartPoint(double to, double tk, MessageSink& sink)
{
    if (selectionKind_ == EditorSelectionKind::None || !std::isfinite(to) || !std::isfinite(tk))
        return {};
    EditorInputs typed = inputs_;
    const char separator = workspace_.displaySeparator();
    typed.to = formatNumber(evaporatingTemperatureAt(typed, to), separator);
    inputs_.to = typed.to;
    // The trial evaluations leave no trace: what the final display does not set stays as it was.
    const std::string ambientBefore = inputs_.ambient;
    const auto chartBefore = chart_;
    const BalancePanels panelsBefore = panels_;
    const std::string* best = nullptr;
    double bestDistance = std::numeric_limits<double>::infinity();
    const InputList ambients = ambientList(separator);
    DiscardingMessageSink trial;
    for (const std::string& item : ambients.items) {
        inputs_.ambient = item;
        const BalanceDisplay display = run(trial);
        if (!display.evaluated || !display.outcome.succeeded() || !chart_)
            continue;
        const double distance = std::fabs(chart_->tk - tk);
        // The items run from warm to cold, so an equal distance moves to the colder one.
        if (distance <= bestDistance) {
            bestDistance = distance;
            best = &item;
        }
    }
    typed.ambient = best ? *best : ambientBefore;
    chart_ = chartBefore;
    panels_ = panelsBefore;
    typeInputs(typed);
    return run(sink);
}

void BalanceView::followFrame(const WorkspaceChange& change)
{
    if (const auto frame = parseInteger(panels_.frameIndex);
        frame && change.touches(EditorGrid::Frames)) {
        const Catalogue& catalogue = workspace_.catalogue();
        const auto now = change.slotAfter(EditorGrid::Frames, *frame, catalogue.frames.count());
        panels_.frameIndex = now ? std::to_string(*now) : std::string();
        panels_.frameName = now ? catalogue.frames[*now].name.str() : std::string();
    }
}

void BalanceView::showFrameOf(int unit)
{
    const Catalogue& catalogue = workspace_.catalogue();
    panels_.frameName = catalogue.frames[findFrameOfUnit(catalogue, unit)].name.str();
}

// Runs the evaluation and shows it: the result panels and the chart, or cleared panels when
// it ends with an arithmetic error.
void BalanceView::evaluateAndShow(const PairInputs& inputs, BalanceDisplay& display,
                                  MessageSink& sink)
{
    display.evaluated = true;
    display.inputs = inputs;
    const PairEvaluation evaluation =
        workspace_.evaluate(listing_.refrigerant(), inputs, result_, sink);
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
        panels_.status = display.failure;
        return;
    }
    fillResultPanels(panels_, result_, inputs.airTemperature, workspace_.displaySeparator());
    display.gaveUp = display.outcome.gaveUp;
    panels_.status = display.gaveUp ? kGaveUpNote : "";
    chart_ = ChartRequest{inputs.compressor,
                          display.outcome.ok,
                          condensingTemperature(inputs.airTemperature, result_.condensingDeltaT),
                          inputs.to,
                          workspace_.catalogue().compressors[inputs.compressor].envelopes,
                          display.gaveUp};
    display.chartDrawn = true;
}

void BalanceView::chartWithoutPoint(int compressorIndex)
{
    chart_ = ChartRequest{compressorIndex, false, 0, 0,
                          workspace_.catalogue().compressors[compressorIndex].envelopes};
}

void BalanceView::clearPanels()
{
    BalancePanels& p = panels_;
    for (std::string* panel :
         {&p.compressorIndex, &p.condenserIndex, &p.compressorModel, &p.condenserModel,
          &p.condensingPressure, &p.refrigerant, &p.condenserAt15K, &p.capacity, &p.power,
          &p.condensingTemperature, &p.evaporatingPressure, &p.frameName, &p.status})
        panel->clear();
}

void BalanceView::refuseDisplay(int compressorIndex, std::string failure, BalanceDisplay& display)
{
    clearPanels();
    chartWithoutPoint(compressorIndex);
    display.cleared = true;
    display.chartDrawn = true;
    display.failure = std::move(failure);
    panels_.status = display.failure;
}

void BalanceView::clearResultPanels()
{
    BalancePanels& p = panels_;
    for (std::string* panel : {&p.condensingPressure, &p.condenserAt15K, &p.capacity, &p.power,
                               &p.condensingTemperature, &p.evaporatingPressure, &p.status})
        panel->clear();
}

BalanceDisplay BalanceView::showPair(int compressorIndex, int condenserIndex, MessageSink& sink)
{
    BalanceDisplay display;
    if (!calculating_)
        return display;
    display.ran = true;
    const Catalogue& catalogue = workspace_.catalogue();
    BalancePanels& panels = panels_;
    // The red marks belong to a unit's model copies; a pair has none.
    panels.compressorModelDiffers = false;
    panels.condenserModelDiffers = false;
    panels.compressorModel = catalogue.compressors[compressorIndex].model.str();
    panels.condenserModel = catalogue.condensers[condenserIndex].model.str();
    panels.compressorIndex = std::to_string(compressorIndex);
    panels.condenserIndex = std::to_string(condenserIndex);
    // A display cleared before took the refrigerant's panel with it.
    panels.refrigerant = listing_.refrigerant();

    const EditorInputs& in = inputs_;
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

BalanceDisplay BalanceView::showUnitBalance(int unitIndex, MessageSink& sink)
{
    BalanceDisplay display;
    BalancePanels& panels = panels_;
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
    display.compressorRow = listing_.selectRowOfIndex(EditorGrid::Compressors, ci);
    panels.condenserIndex = std::to_string(ki);
    display.condenserRow = listing_.selectRowOfIndex(EditorGrid::Condensers, ki);
    panels.frameIndex = std::to_string(fi);
    display.frameRow = listing_.selectRowOfIndex(EditorGrid::Frames, fi);
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
        chart_.reset();
        display.cleared = true;
        display.chartDrawn = true;
        return display;
    }

    const EditorInputs& in = inputs_;
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
