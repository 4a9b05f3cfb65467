#include "core/selection/unit_details.h"

#include <algorithm>
#include <stdexcept>

#include "core/app/own_texts.h"
#include "core/catalogue/lookups.h"
#include "core/selection/display_figures.h"
#include "core/selection/impossible_values.h"
#include "core/selection/range_columns.h"
#include "core/selection/selection_state.h"
#include "core/selection/unit_point.h"
#include "core/text/code_page.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"
#include "core/workspace/workspace.h"

namespace kelvo
{
namespace
{

constexpr const char* kUnknown = "?";

// Everything the steps below share.
struct DetailsContext {
    const SelectionCalculation& calculation;
    const SelectionState& selection;
    MessageSink& sink;
    int unitIndex = 0;
    int compressor = 0;
    int condenser = 0;
    int frame = 0;
    char separator = ',';

    [[nodiscard]] std::string text(double value) const { return formatNumber(value, separator); }
    [[nodiscard]] const Catalogue& catalogue() const { return calculation.workspace.catalogue(); }
    [[nodiscard]] int language() const { return calculation.language; }
};

RangeCell figureCell(const UnitPoint& point, double to, double figure,
                     const DetailsContext& context)
{
    RangeCell cell;
    if (!point.succeeded) {
        cell.mark = kFailedMark;
        cell.reason = point.failure;
        return cell;
    }
    cell.value = figure;
    cell.text = context.text(figure);
    cell.gaveUp = point.gaveUp;
    cell.condensingTemperature = point.condensingTemperature;
    cell.envelope = point.envelope;
    auto marking = envelopeMarking(point.envelope, to, point.condensingTemperature,
                                   context.separator, context.language());
    cell.envelopeMark = std::move(marking.mark);
    cell.envelopeReason = std::move(marking.reason);
    if (point.gaveUp) {
        cell.mark = kGaveUpMark;
        cell.reason = ownTextInCatalogueCodePage(OwnText::CondensingAbove70, context.language());
    }
    return cell;
}

RangeColumn rangeColumn(DetailsContext& context, const UnitConditions& conditions, double to,
                        const std::vector<double>& ambients)
{
    RangeColumn column;
    column.to = to;
    column.toText = context.text(to);
    for (const double ambient : ambients) {
        const UnitPoint point =
            evaluateUnitPoint(context.calculation, context.unitIndex, context.compressor,
                              context.condenser, conditions, to, ambient, context.sink);
        column.capacity.push_back(
            figureCell(point, to, capacityFigureW(point.refrigeratingCapacity), context));
        column.power.push_back(figureCell(point, to, powerFigureKW(point.powerInput), context));
    }
    return column;
}

void fillRangeTables(DetailsContext& context, const UnitConditions& conditions, RangeTables& tables)
{
    const auto& unit = context.catalogue().units[context.unitIndex];
    EvaporatingRange range;
    try {
        range = readEvaporatingRange(unit);
    } catch (const ConversionError& error) {
        tables.failure = error.what();
        return;
    }
    const RangeColumnPlan plan = rangeColumnTemperatures(range.toMax, range.toMin);
    for (const double t : plan.temperatures)
        tables.columns.push_back(rangeColumn(context, conditions, t, tables.ambients));
    if (plan.cut)
        tables.failure = ownTextInCatalogueCodePage(OwnText::RangeColumnsCut, context.language(),
                                                    std::to_string(kMaxRangeColumns));
}

std::string staged(const std::string& text)
{
    return text.substr(0, kStagedTextWidth);
}

RangeStaging stagingOf(const RangeTables& tables)
{
    RangeStaging staging;
    staging.rangeColumnCount = static_cast<int>(tables.columns.size());
    staging.rangeQo.resize(tables.ambients.size());
    staging.rangePe.resize(tables.ambients.size());
    for (std::size_t c = 0; c < tables.columns.size() && c < kStagedRangeColumns; ++c) {
        const RangeColumn& column = tables.columns[c];
        staging.rangeTo[c] = staged(column.toText);
        for (std::size_t k = 0; k < tables.ambients.size(); ++k) {
            staging.rangeQo[k][c] = staged(column.capacity[k].shown());
            staging.rangePe[k][c] = staged(column.power[k].shown());
        }
    }
    return staging;
}

// Panels [8], [9] and [11]: all three or none. Writes fanPower back with "," first, as the
// catalogue keeps it.
void fillPowerPanels(DetailsContext& context, UnitDataPanels& panels)
{
    if (context.condenser < 1)
        return;
    context.calculation.textsRead.add(TextsRead::Texts::DetailCondenser, context.condenser);
    const auto& condenser = context.catalogue().condensers[context.condenser];
    const auto fanPower = parseNumber(condenser.fanPower.view());
    const auto fanCount = parseNumber(condenser.fanCount.view());
    if (!fanPower || !fanCount)
        return;
    // Each figure is read back from the text above it, so it carries that text's rounding.
    const std::string fanText = context.text(*fanPower * *fanCount);
    const auto compressorPower = parseNumber(panels.power);
    const auto fans = parseNumber(fanText);
    if (!compressorPower || !fans)
        return;
    const std::string totalText = context.text(*compressorPower + *fans);
    const auto capacity = parseNumber(panels.capacity);
    const auto total = parseNumber(totalText);
    if (!capacity || !total || *total == 0)
        return;
    const double cop = roundHalfEven(*capacity / 1000.0 / *total * 1000.0) / 1000.0 + 0.0;
    panels.fanPower = fanText;
    panels.fanPowerKW = fans;
    panels.totalPower = totalText;
    panels.totalPowerKW = total;
    panels.cop = context.text(cop);
    panels.copValue = cop;
}

void fillCondensingTemperature(DetailsContext& context, const UnitConditions& conditions,
                               UnitDataPanels& panels)
{
    const SelectionState& selection = context.selection;
    const double air = selection.ambientTemperature;
    const UnitPoint point = evaluateUnitPoint(context.calculation, context.unitIndex,
                                              context.compressor, context.condenser, conditions,
                                              selection.evaporatingTemperature, air, context.sink);
    if (!point.succeeded)
        return;
    const double tk = shownCondensingTemperature(air, point.condensingDeltaT);
    panels.condensingTemperature = context.text(tk);
    panels.condensingTemperatureC = tk;
    if (point.gaveUp)
        panels.condensingTemperatureMark = kGaveUpMark;
    panels.condensingTemperatureUnrounded = point.condensingTemperature;
    panels.condensingEnvelope = point.envelope;
    auto marking =
        envelopeMarking(point.envelope, selection.evaporatingTemperature,
                        point.condensingTemperature, context.separator, context.language());
    panels.condensingEnvelopeMark = std::move(marking.mark);
    panels.condensingEnvelopeReason = std::move(marking.reason);
}

std::string suctionTemperatureText(const DetailsContext& context, const CondensingUnitRecord& unit)
{
    if (!unit.superheatMode)
        return unit.suctionTemperature.str();
    const auto superheat = parseNumber(unit.superheat.view());
    if (!superheat)
        return kUnknown;
    return context.text(*superheat + context.selection.evaporatingTemperature);
}

Dimensions dimensionsOf(const DetailsContext& context, const CondensingUnitRecord& unit)
{
    if (context.frame < 1)
        return {kUnknown, kUnknown, kUnknown, kUnknown, kUnknown, kUnknown, kUnknown, kUnknown};
    const FrameRecord& frame = context.catalogue().frames[context.frame];
    const DimensionTexts& f = frame.dimensions;
    Dimensions d{f.a.str(), f.b.str(), f.c.str(), f.d.str(),
                 f.e.str(), f.f.str(), f.g.str(), f.h.str()};
    if (frame.housing == kBoxFamily)
        return d;
    // A base-plate unit grows with its stacked condensers.
    const auto plate = parseNumber(frame.dimensions.d.view());
    const auto height =
        parseNumber(context.catalogue().condensers[context.condenser].height.view());
    const auto count = parseNumber(unit.condenserCount.view());
    d.c = plate && height && count ? context.text(*plate + *height * *count) : kUnknown;
    return d;
}

FanPanels fanPanelsOf(const CondenserRecord& c)
{
    return {c.fanName.str(),       c.fanDiameter.str(),  c.fanSupply.str(), c.fanPower.str(),
            c.fanCurrentMax.str(), c.fanCapacitor.str(), c.fanSpeed.str(),  c.fanTemperature.str()};
}

CompressorPanels compressorPanelsOf(const CompressorRecord& c)
{
    return {c.model.str(), c.displacement.str(), c.oilVolume.str(),   c.oilType.str(),
            c.mass.str(),  c.maxCurrent.str(),   c.maxCurrentZ.str(), c.starting.str()};
}

} // namespace

UnitDetails computeUnitDetails(const SelectionCalculation& calculation,
                               const SelectionState& selection, int row, MessageSink& sink)
{
    const Candidate* candidate = selection.candidates.row(row);
    if (!candidate)
        throw std::out_of_range("list row " + std::to_string(row) + " is not in the list");
    DistinctMessageSink messages;
    DetailsContext context{calculation, selection, messages};
    const Workspace& workspace = calculation.workspace;
    const Catalogue& catalogue = workspace.catalogue();
    context.unitIndex = candidate->unitIndex;
    context.compressor = findCompressorOfUnit(catalogue, context.unitIndex);
    context.condenser = findCondenserOfUnit(catalogue, context.unitIndex);
    context.frame = findFrameOfUnit(catalogue, context.unitIndex);
    context.separator = workspace.displaySeparator();

    UnitDetails details;
    details.row = row;
    details.unitIndex = context.unitIndex;
    details.range.cornerText = "[C]";
    details.range.ambients = rangeAmbients(selection.extraAmbient);
    for (const double ambient : details.range.ambients)
        details.range.ambientTexts.push_back(context.text(ambient));

    std::optional<UnitConditions> conditions;
    try {
        conditions = readUnitConditions(catalogue.units[context.unitIndex]);
    } catch (const ConversionError& error) {
        details.failure = error.what();
        details.range.failure = details.failure;
        messages.message(toUtf8(details.failure));
    }
    // A value that cannot be counts as one that does not convert: no figure rests on it.
    if (conditions)
        if (auto impossible =
                impossibleValueReason(catalogue, context.unitIndex, context.compressor,
                                      context.condenser, context.language())) {
            conditions.reset();
            details.failure = std::move(*impossible);
            details.range.failure = details.failure;
        }
    // A unit the list could not evaluate has no figures; the details say why, as the list does.
    if (details.failure.empty() && !candidate->evaluated)
        details.failure = candidate->reason;
    if (conditions) {
        context.calculation.textsRead.add(TextsRead::Texts::DetailUnit, context.unitIndex);
        fillRangeTables(context, *conditions, details.range);
        if (selection.extraAmbient)
            details.extraAmbientPoint = rangeColumn(
                context, *conditions, selection.evaporatingTemperature, {*selection.extraAmbient});
    }
    details.staging = stagingOf(details.range);

    const CondensingUnitRecord& unit = catalogue.units[context.unitIndex];
    details.drawing = workspace.dataFolder() / "wmf" / (toUtf8(unit.drawing.view()) + ".wmf");

    UnitDataPanels& panels = details.data;
    panels.evaporatingTemperature = context.text(selection.evaporatingTemperature);
    panels.ambientTemperature = context.text(selection.ambientTemperature);
    panels.unitName = unit.name.str();
    panels.compressorModel = catalogue.compressors[context.compressor].model.str();
    panels.envelopeMark = candidate->envelopeMark;
    panels.capacity = candidate->capacityText;
    panels.power = candidate->powerText;
    fillPowerPanels(context, panels);
    panels.version = unit.version.str();
    if (conditions)
        fillCondensingTemperature(context, *conditions, panels);
    panels.subcooling = unit.subcooling.str();
    panels.suctionTemperature = suctionTemperatureText(context, unit);

    details.dimensions = dimensionsOf(context, unit);
    details.compressor = compressorPanelsOf(catalogue.compressors[context.compressor]);
    details.fan = fanPanelsOf(context.calculation.keptCondenser(context.condenser));
    details.baseAccessories = unit.baseAccessories;
    details.boxAccessories = unit.boxAccessories;

    for (const auto& text : messages.messages)
        sink.message(text);
    return details;
}

std::vector<double> rangeAmbients(std::optional<double> extraAmbient)
{
    std::vector<double> ambients(kRangeAmbients.begin(), kRangeAmbients.end());
    if (extraAmbient) {
        if (!isExtraAmbient(*extraAmbient))
            throw std::out_of_range("the extra ambient " + formatNumber(*extraAmbient, '.') +
                                    " C is outside " + formatNumber(kExtraAmbientMin, '.') +
                                    " .. " + formatNumber(kExtraAmbientMax, '.') + " C");
        ambients.push_back(*extraAmbient);
    }
    return ambients;
}

bool anyFigureMarked(const UnitDetails& details)
{
    const UnitDataPanels& data = details.data;
    return !data.envelopeMark.empty() || !data.condensingEnvelopeMark.empty() ||
           !data.condensingTemperatureMark.empty() || anyCellMarked(details.range);
}

bool anyCellMarked(const RangeTables& range)
{
    return std::any_of(range.columns.begin(), range.columns.end(), [](const RangeColumn& column) {
        return std::any_of(
            column.capacity.begin(), column.capacity.end(),
            [](const RangeCell& cell) { return !cell.mark.empty() || !cell.envelopeMark.empty(); });
    });
}

} // namespace kelvo
