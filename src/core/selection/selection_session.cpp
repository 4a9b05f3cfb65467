#include "core/selection/selection_session.h"

#include <algorithm>

#include "core/app/language_table.h"
#include "core/app/own_texts.h"
#include "core/catalogue/catalogue_files.h"
#include "core/io/file_io.h"
#include "core/selection/capacity_search.h"
#include "core/selection/unit_comparison.h"
#include "core/selection/unit_details.h"
#include "core/text/calculation_pause.h"
#include "core/text/message_sink.h"
#include "core/text/numeric_text.h"

namespace kelvo
{
namespace
{

void forward(const DistinctMessageSink& messages, MessageSink& sink)
{
    for (const std::string& text : messages.messages)
        sink.message(text);
}

} // namespace

SelectionSession::SelectionSession(Workspace& workspace, const LanguageTable& languages,
                                   UnitFamily family)
    : workspace_(workspace), languages_(languages), family_(family),
      state_(initialSelection(family)), refrigerant_(kDefaultRefrigerant)
{
    workspace_.subscribe(*this);
}

SelectionSession::~SelectionSession()
{
    workspace_.unsubscribe(*this);
}

void SelectionSession::open(MessageSink& sink, const ProgressReport& progress)
{
    {
        const CalculationPause pause(calculationEnabled_);
        if (const CatalogueLoad load = workspace_.loadCatalogue(); load.recovery)
            sink.message(recoveryText(*load.recovery, languages_.currentLanguage()));
        state_ = initialSelection(family_);
        requiredCapacity_.clear();
    }
    calculationEnabled_ = true;
    chooseRefrigerant(kDefaultRefrigerant, sink, progress);
}

std::optional<std::string> SelectionSession::chooseRefrigerant(std::string_view name,
                                                               MessageSink& sink,
                                                               const ProgressReport& progress)
{
    const RefrigerantEntry* entry = workspace_.refrigerants().find(name);
    if (!entry) {
        std::string failure = "Unknown refrigerant: " + std::string(name);
        sink.message(failure);
        return failure;
    }
    refrigerant_ = entry->name;
    DistinctMessageSink listMessages;
    std::optional<std::string> failure;
    {
        // The list is built below, once.
        const CalculationPause pause(calculationEnabled_);
        try {
            workspace_.loadPropertyTable(refrigerant_);
        } catch (const FileError& error) {
            failure = error.what();
            listMessages.message(*failure);
        }
    }
    SelectionChange change = rebuild(listMessages, sink, progress);
    change.loads = true;
    tell(change);
    return failure;
}

void SelectionSession::setFilter(SelectionFilter group, std::string_view value, bool ticked,
                                 MessageSink& sink, const ProgressReport& progress)
{
    switch (group) {
    case SelectionFilter::Kind:
        state_.kind(value) = ticked;
        break;
    case SelectionFilter::Brand:
        state_.brand(value) = ticked;
        break;
    case SelectionFilter::Version:
        state_.version(value) = ticked;
        break;
    }
    rebuildAndTell(sink, progress);
}

void SelectionSession::setTemperatures(double to, double ambient, MessageSink& sink,
                                       const ProgressReport& progress)
{
    state_.evaporatingTemperature = to;
    state_.ambientTemperature = ambient;
    rebuildAndTell(sink, progress);
}

void SelectionSession::setInsideEnvelopeOnly(bool only, MessageSink& sink,
                                             const ProgressReport& progress)
{
    state_.insideEnvelopeOnly = only;
    rebuildAndTell(sink, progress);
}

void SelectionSession::setExtraAmbient(std::optional<double> ambient, MessageSink& sink)
{
    rangeAmbients(ambient); // refuses an ambient out of range before anything changes
    state_.extraAmbient = ambient;
    // The list's figures are at the selection's ambient alone: only the details change.
    if (state_.details && state_.selectedRow)
        chooseRow(*state_.selectedRow, sink);
}

void SelectionSession::setUnits(UnitSystem units)
{
    if (units == units_)
        return;
    units_ = units;
    SelectionChange change;
    change.units = true;
    tell(change);
}

void SelectionSession::setInputs(const SelectionInputs& inputs, MessageSink& sink,
                                 const ProgressReport& progress)
{
    rangeAmbients(inputs.extraAmbient);
    static_cast<SelectionInputs&>(state_) = inputs;
    rebuildAndTell(sink, progress);
}

const UnitDetails& SelectionSession::chooseRow(int row, MessageSink& sink)
{
    UnitDetails details = computeDetails(row, sink);
    state_.selectedRow = row;
    state_.details = std::move(details);
    tell({.details = true});
    return *state_.details;
}

std::optional<int> SelectionSession::highlightedRow() const
{
    return state_.details ? state_.selectedRow : std::nullopt;
}

void SelectionSession::typeRequiredCapacity(std::string_view text)
{
    requiredCapacity_ = std::string(text);
    requiredCapacityUnits_ = units_;
}

std::string SelectionSession::requiredCapacityText() const
{
    if (requiredCapacityUnits_ == units_)
        return requiredCapacity_;
    const auto watts = typedCapacityInWatts(requiredCapacity_, requiredCapacityUnits_);
    if (!watts)
        return requiredCapacity_;
    const double shown = units_ == UnitSystem::InchPound ? btuPerHourOf(*watts) : *watts;
    return formatNumber(roundHalfEven(shown) + 0.0, workspace_.displaySeparator());
}

std::string SelectionSession::requiredCapacityWatts() const
{
    return typedCapacityAsWatts(requiredCapacity_, requiredCapacityUnits_);
}

bool SelectionSession::selectByTypedCapacity(MessageSink& sink)
{
    return selectByCapacity(requiredCapacityWatts(), sink);
}

bool SelectionSession::selectByCapacity(std::string_view required, MessageSink& sink)
{
    // Nothing reaches a requirement of 0 or less better than anything else: no answer.
    if (const auto wanted = parseNumber(required); wanted && !(*wanted > 0))
        return false;
    const auto row = searchByCapacity(state_.candidates, required);
    if (!row)
        return false;
    chooseRow(*row, sink);
    return true;
}

bool SelectionSession::markForComparison(int row, bool marked)
{
    const Candidate* candidate = state_.candidates.row(row);
    if (!candidate)
        throw std::out_of_range("list row " + std::to_string(row) + " is not in the list");
    std::vector<int>& units = state_.comparedUnits;
    const auto at = std::find(units.begin(), units.end(), candidate->unitIndex);
    if (!marked) {
        if (at != units.end())
            units.erase(at);
        return true;
    }
    if (at != units.end())
        return true;
    if (static_cast<int>(units.size()) >= kMaxComparedUnits)
        return false;
    units.push_back(candidate->unitIndex);
    return true;
}

std::vector<int> SelectionSession::comparedRows() const
{
    std::vector<int> rows;
    for (const int unit : state_.comparedUnits)
        rows.push_back(state_.candidates.rowOfUnit(unit));
    return rows;
}

UnitDetails SelectionSession::computeDetails(int row, MessageSink& sink)
{
    UnitDetails details = computeUnitDetails(calculation(), state_, row, sink);
    keepTextsRead();
    return details;
}

ReportParameters SelectionSession::datasheetParameters(const DatasheetInputs& inputs,
                                                       MessageSink& sink)
{
    ReportParameters parameters =
        unitDatasheetParameters(calculation(), state_, languages_, inputs, sink);
    keepTextsRead();
    return parameters;
}

void SelectionSession::subscribe(SelectionObserver& observer)
{
    observers_.add(observer);
}

void SelectionSession::unsubscribe(SelectionObserver& observer)
{
    observers_.remove(observer);
}

void SelectionSession::workspaceChanged(const WorkspaceChange& change)
{
    if (!calculationEnabled_)
        return;
    bool figuresChanged = false;
    switch (change.kind) {
    case WorkspaceChange::Kind::Records:
    case WorkspaceChange::Kind::Reload:
        figuresChanged = change.touches(CatalogueTable::Units) ||
                         change.touches(CatalogueTable::Compressors) ||
                         change.touches(CatalogueTable::Condensers);
        break;
    case WorkspaceChange::Kind::PropertyTable:
        figuresChanged = change.refrigerant == refrigerant_;
        break;
    }
    if (!figuresChanged)
        return;
    // The unit shown and the marked ones are followed to their new slots; one that left the
    // table is followed no more.
    if (change.touches(CatalogueTable::Units)) {
        const int count = workspace_.catalogue().units.count();
        const auto slotAfter = [&](int unit) {
            return change.slotAfter(CatalogueTable::Units, unit, count).value_or(0);
        };
        if (state_.details)
            state_.details->unitIndex = slotAfter(state_.details->unitIndex);
        for (int& unit : state_.comparedUnits)
            unit = slotAfter(unit);
    }
    DistinctMessageSink listMessages;
    DiscardingMessageSink detailsMessages;
    SelectionChange what = rebuild(listMessages, detailsMessages, {});
    what.loads = change.kind != WorkspaceChange::Kind::Records;
    tell(what);
}

SelectionCalculation SelectionSession::calculation()
{
    return {workspace_,         refrigerant_, latest_, textsRead_, languages_.currentLanguage(),
            calculationEnabled_};
}

void SelectionSession::keepTextsRead()
{
    workspace_.keepTextsRead(textsRead_);
    textsRead_.clear();
}

SelectionChange SelectionSession::rebuild(DistinctMessageSink& listMessages, MessageSink& sink,
                                          const ProgressReport& progress)
{
    rebuildCandidateList(calculation(), state_, listMessages, progress);
    keepTextsRead();
    std::erase_if(state_.comparedUnits,
                  [this](int unit) { return state_.candidates.rowOfUnit(unit) == 0; });
    SelectionChange change{.list = true};
    DistinctMessageSink detailsMessages;
    if (state_.details) {
        if (const int row = state_.candidates.rowOfUnit(state_.details->unitIndex); row != 0) {
            UnitDetails details = computeDetails(row, detailsMessages);
            state_.selectedRow = row;
            state_.details = std::move(details);
            change.details = true;
        }
    }
    forward(detailsMessages, sink);
    forward(listMessages, sink);
    return change;
}

void SelectionSession::rebuildAndTell(MessageSink& sink, const ProgressReport& progress)
{
    DistinctMessageSink listMessages;
    tell(rebuild(listMessages, sink, progress));
}

void SelectionSession::tell(const SelectionChange& change)
{
    observers_.each([&](SelectionObserver& observer) { observer.selectionChanged(change); });
}

} // namespace kelvo
