#include "core/selection/candidate_list.h"

#include <algorithm>

#include "core/app/own_texts.h"
#include "core/catalogue/lookups.h"
#include "core/selection/display_figures.h"
#include "core/selection/family_filter.h"
#include "core/selection/impossible_values.h"
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

Candidate failedCandidate(Candidate candidate, std::string reason)
{
    candidate.evaluated = false;
    candidate.gaveUp = false;
    candidate.mark = kFailedMark;
    candidate.reason = std::move(reason);
    return candidate;
}

// The unit's row with its figures but not yet their texts, or nothing when it lies outside
// its evaporating range.
std::optional<Candidate> candidateFor(const SelectionCalculation& calculation,
                                      const SelectionState& selection, int unitIndex,
                                      int compressor, int condenser, MessageSink& sink)
{
    const CondensingUnitRecord& unit = calculation.workspace.catalogue().units[unitIndex];
    const double to = selection.evaporatingTemperature;
    Candidate candidate;
    candidate.unitIndex = unitIndex;
    candidate.unitName = unit.name;
    const UnitNumbers& numbers = calculation.workspace.unitNumbers().of(unit, unitIndex);
    const Catalogue& catalogue = calculation.workspace.catalogue();
    const int language = calculation.language;
    if (!numbers.rangeFailure.empty())
        return failedCandidate(std::move(candidate), numbers.rangeFailure);
    // A limit below absolute zero is as unusable as one that does not convert.
    if (numbers.impossibleRange)
        return failedCandidate(std::move(candidate),
                               impossibleValueText(*numbers.impossibleRange, language));
    if (numbers.range.toMin > to || numbers.range.toMax < to)
        return std::nullopt;
    if (!numbers.conditionsFailure.empty())
        return failedCandidate(std::move(candidate), numbers.conditionsFailure);
    if (numbers.impossibleConditions)
        return failedCandidate(std::move(candidate),
                               impossibleValueText(*numbers.impossibleConditions, language));
    if (const auto impossible = impossibleLinkedValue(catalogue, compressor, condenser))
        return failedCandidate(std::move(candidate), impossibleValueText(*impossible, language));
    const UnitPoint point =
        evaluateUnitPoint(calculation, unitIndex, compressor, condenser, numbers.conditions, to,
                          selection.ambientTemperature, sink);
    if (!point.succeeded)
        return failedCandidate(std::move(candidate), point.failure);
    candidate.evaluated = true;
    candidate.gaveUp = point.gaveUp;
    candidate.capacityW = capacityFigureW(point.refrigeratingCapacity);
    candidate.powerKW = powerFigureKW(point.powerInput);
    candidate.condensingTemperature = point.condensingTemperature;
    candidate.envelope = point.envelope;
    return candidate;
}

// The texts of an evaluated row: its figures, its envelope mark and why it is marked.
void addFigureTexts(const SelectionCalculation& calculation, const SelectionState& selection,
                    Candidate& candidate)
{
    const char separator = calculation.workspace.displaySeparator();
    const int language = calculation.language;
    candidate.capacityText = formatNumber(candidate.capacityW, separator);
    candidate.powerText = formatNumber(candidate.powerKW, separator);
    auto marking = envelopeMarking(candidate.envelope, selection.evaporatingTemperature,
                                   candidate.condensingTemperature, separator, language);
    candidate.envelopeMark = std::move(marking.mark);
    candidate.envelopeReason = std::move(marking.reason);
    if (candidate.gaveUp) {
        // Built as a string first: assigning the view here trips a false -Wrestrict of GCC 12.
        candidate.mark = std::string(kGaveUpMark);
        candidate.reason = ownTextInCatalogueCodePage(OwnText::CondensingAbove70, language);
    }
}

} // namespace

int CandidateList::rowOfUnit(int unitIndex) const
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].unitIndex == unitIndex)
            return static_cast<int>(i) + 1;
    return 0;
}

const Candidate* CandidateList::row(int r) const
{
    if (r < 1 || r > static_cast<int>(rows.size()))
        return nullptr;
    return &rows[static_cast<std::size_t>(r - 1)];
}

void rebuildCandidateList(const SelectionCalculation& calculation, SelectionState& selection,
                          MessageSink& sink, const ProgressReport& progress)
{
    const Catalogue& catalogue = calculation.workspace.catalogue();
    selection.candidates = CandidateList{};
    selection.selectedRow.reset();
    // The range tables belong to the old list; the panels and the datasheet staging stay.
    if (selection.details)
        selection.details->range = RangeTables{};
    // A screen that is still setting itself up gets no list.
    const int unitCount = calculation.enabled ? catalogue.units.count() : 0;
    DistinctMessageSink messages;
    // In catalogue order; the list's order is made from keys, so that each row moves once.
    std::vector<Candidate> found;
    found.reserve(static_cast<std::size_t>(unitCount));
    if (progress)
        progress(0, unitCount);
    // Nothing changes an id while the list is built.
    const IdIndex compressors(catalogue.compressors);
    const IdIndex condensers(catalogue.condensers);
    for (int s = 1; s <= unitCount; ++s) {
        const CondensingUnitRecord& unit = catalogue.units[s];
        const int compressor = compressors.find(unit.compressorId.view());
        if (passesFamilyAndFilters(selection, calculation.refrigerant, unit, catalogue,
                                   compressor)) {
            auto candidate = candidateFor(calculation, selection, s, compressor,
                                          condensers.find(unit.condenserId.view()), messages);
            const bool hidden = candidate && selection.insideEnvelopeOnly &&
                                candidate->envelope == EnvelopePosition::Outside;
            if (candidate && !hidden)
                found.push_back(std::move(*candidate));
        }
        if (progress)
            progress(s, unitCount);
    }
    // Evaluated rows by capacity, equal capacities in catalogue order; then the rest.
    std::vector<std::size_t> evaluated;
    std::vector<std::size_t> failed;
    for (std::size_t i = 0; i < found.size(); ++i)
        (found[i].evaluated ? evaluated : failed).push_back(i);
    std::stable_sort(evaluated.begin(), evaluated.end(), [&](std::size_t a, std::size_t b) {
        return found[a].capacityW < found[b].capacityW;
    });
    CandidateList& list = selection.candidates;
    list.evaluatedCount = static_cast<int>(evaluated.size());
    list.rows.reserve(found.size());
    for (const std::size_t position : evaluated) {
        list.rows.push_back(std::move(found[position]));
        addFigureTexts(calculation, selection, list.rows.back());
    }
    for (const std::size_t position : failed)
        list.rows.push_back(std::move(found[position]));
    for (const auto& text : messages.messages) {
        sink.message(text);
        list.messages.push_back(fromUtf8(text));
    }
}

} // namespace kelvo
