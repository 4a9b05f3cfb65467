#pragma once

#include <string>
#include <vector>

#include "core/catalogue/fixed_text.h"

#include "core/performance/operating_envelope.h"
#include "core/text/progress_report.h"

namespace kelvo
{

class MessageSink;
struct SelectionCalculation;
struct SelectionState;

// One row of the candidate list. Texts are catalogue bytes (Windows-1250).
struct Candidate {
    int unitIndex = 0; // index of the unit in catalogue.units
    FixedText<20> unitName;
    // False for a unit that could not be evaluated: it has no figures, carries kFailedMark
    // and the reason, and is listed after every evaluated unit.
    bool evaluated = false;
    bool gaveUp = false;      // the balance search passed 70 C; figures kept and marked
    double capacityW = 0;     // the figure shown, W
    double powerKW = 0;       // the figure shown, kW
    std::string capacityText; // column "Qo [W]"; empty without figures
    std::string powerText;    // column "Pe [kW]"; empty without figures
    std::string mark;         // "", kGaveUpMark or kFailedMark
    std::string reason;       // why the unit has no figures or why they are marked
    // The working point of an evaluated unit: the balance's condensing temperature (air + dT,
    // unrounded) and where it lies against the compressor's envelope.
    double condensingTemperature = 0;
    EnvelopePosition envelope = EnvelopePosition::Unchecked;
    std::string envelopeMark;   // kOutsideEnvelopeMark or ""
    std::string envelopeReason; // the working point outside the envelope, or ""
};

struct CandidateList {
    // Display order: row r (1 ..) is rows[r - 1]. Rows 1 .. evaluatedCount carry figures and
    // are sorted by capacity; the units without figures follow in catalogue order.
    std::vector<Candidate> rows;
    int evaluatedCount = 0;
    // Each distinct calculation message of the build, in order of first appearance
    // (Windows-1250 like every text here; the sink got them as UTF-8).
    std::vector<std::string> messages;

    // The list accepts a choice only when it has rows.
    [[nodiscard]] bool enabled() const { return !rows.empty(); }
    // Row r (1 ..), nullptr outside the list.
    [[nodiscard]] const Candidate* row(int r) const;
    // The row (1 ..) that lists unit `unitIndex`, 0 when the list does not hold it.
    [[nodiscard]] int rowOfUnit(int unitIndex) const;
};

// Rebuilds selection.candidates for the family, filters and temperatures of `selection` and the
// refrigerant of the calculation: every unit of the family that passes the filters and whose
// evaporating range holds the temperature is evaluated with heat factor 1.0 and listed by
// capacity. A unit that cannot be evaluated never stops the build; while the calculation is
// disabled the list stays empty. Clears the chosen row and the range tables of the details shown
// last; their panels and staging stay. Each distinct calculation message goes to the sink once
// (UTF-8).
void rebuildCandidateList(const SelectionCalculation& calculation, SelectionState& selection,
                          MessageSink& sink, const ProgressReport& progress = {});

} // namespace kelvo
