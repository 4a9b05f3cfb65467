#include "core/selection/candidate_list.h"

#include <algorithm>

#include "core/app/application_state.h"
#include "core/app/language_table.h"
#include "core/app/message_sink.h"
#include "core/app/own_texts.h"
#include "core/catalogue/lookups.h"
#include "core/selection/display_figures.h"
#include "core/selection/family_filter.h"
#include "core/selection/unit_point.h"
#include "core/text/code_page.h"
#include "core/text/numeric_text.h"

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

// The unit's row, or nothing when it lies outside its evaporating range.
std::optional<Candidate> candidateFor(ApplicationState& state, int unitIndex, int compressor,
                                      MessageSink& sink)
{
    const SelectionState& selection = state.selection;
    const CondensingUnitRecord& unit = state.catalogue.units[unitIndex];
    const double to = selection.evaporatingTemperature;
    Candidate candidate;
    candidate.unitIndex = unitIndex;
    candidate.unitName = unit.name;
    UnitConditions conditions;
    try {
        const EvaporatingRange range = readEvaporatingRange(unit);
        if (range.toMin > to || range.toMax < to)
            return std::nullopt;
        conditions = readUnitConditions(unit);
    } catch (const ConversionError& error) {
        return failedCandidate(std::move(candidate), error.what());
    }
    const int condenser = findCondenserOfUnit(state.catalogue, unitIndex);
    const UnitPoint point = evaluateUnitPoint(state, unitIndex, compressor, condenser, conditions,
                                              to, selection.ambientTemperature, sink);
    if (!point.succeeded)
        return failedCandidate(std::move(candidate), point.failure);
    const char separator = state.displayDecimalSeparator;
    candidate.evaluated = true;
    candidate.gaveUp = point.gaveUp;
    candidate.capacityW = capacityFigureW(point.refrigeratingCapacity);
    candidate.powerKW = powerFigureKW(point.powerInput);
    candidate.capacityText = formatNumber(candidate.capacityW, separator);
    candidate.powerText = formatNumber(candidate.powerKW, separator);
    candidate.condensingTemperature = point.condensingTemperature;
    candidate.envelope = point.envelope;
    auto marking = envelopeMarking(point.envelope, to, point.condensingTemperature, separator,
                                   state.languages.currentLanguage());
    candidate.envelopeMark = std::move(marking.mark);
    candidate.envelopeReason = std::move(marking.reason);
    if (point.gaveUp) {
        // Built as a string first: assigning the view here trips a false -Wrestrict of GCC 12.
        candidate.mark = std::string(kGaveUpMark);
        candidate.reason = ownTextInCatalogueCodePage(OwnText::CondensingAbove70,
                                                      state.languages.currentLanguage());
    }
    return candidate;
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

void rebuildCandidateList(ApplicationState& state, MessageSink& sink,
                          const ProgressCallback& progress)
{
    SelectionState& selection = state.selection;
    selection.candidates = CandidateList{};
    selection.selectedRow.reset();
    // The range tables belong to the old list; the panels and the datasheet staging stay.
    if (selection.details)
        selection.details->range = RangeTables{};
    // A screen that is still setting itself up gets no list.
    const int unitCount = state.refrigerant.calculationEnabled ? state.catalogue.units.count() : 0;
    DistinctMessageSink messages;
    std::vector<Candidate> evaluated;
    std::vector<Candidate> failed;
    if (progress)
        progress(unitCount, 0);
    for (int s = 1; s <= unitCount; ++s) {
        const int compressor = findCompressorOfUnit(state.catalogue, s);
        if (passesFamilyAndFilters(selection, state.currentRefrigerant, state.catalogue.units[s],
                                   state.catalogue, compressor)) {
            auto candidate = candidateFor(state, s, compressor, messages);
            const bool hidden = candidate && selection.insideEnvelopeOnly &&
                                candidate->envelope == EnvelopePosition::Outside;
            if (candidate && !hidden)
                (candidate->evaluated ? evaluated : failed).push_back(std::move(*candidate));
        }
        if (progress)
            progress(unitCount, s);
    }
    // Equal capacities keep catalogue order.
    std::stable_sort(
        evaluated.begin(), evaluated.end(),
        [](const Candidate& a, const Candidate& b) { return a.capacityW < b.capacityW; });
    CandidateList& list = selection.candidates;
    list.evaluatedCount = static_cast<int>(evaluated.size());
    list.rows = std::move(evaluated);
    list.rows.insert(list.rows.end(), std::make_move_iterator(failed.begin()),
                     std::make_move_iterator(failed.end()));
    for (const auto& text : messages.messages) {
        sink.message(text);
        list.messages.push_back(fromUtf8(text));
    }
}

std::array<std::string, 4> candidateListHeaders(const LanguageTable& languages, int language)
{
    return {std::string(languages.text(language, 140)), std::string(languages.text(language, 141)),
            "Qo [W]", "Pe [kW]"};
}

} // namespace kelvo
