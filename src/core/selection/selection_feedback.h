#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvo
{

class SelectionSession;
struct SelectionState;

// What the selection screen says instead of keeping silent: why the list is empty, what the
// capacity search did, and whether the details shown belong to the inputs. The texts are the
// program's own, in the five languages of the language table (UTF-8).

enum class EmptyListReason {
    NotEmpty,
    NothingTicked,          // no compressor type or no compressor brand ticked
    NoVersionTicked,        // BASE units: no condenser version ticked
    NoUnitPassesFilters,    // ticks made, but no unit of the family and refrigerant passes
    OutsideEvaporatingRange // units pass the filters, none works at the chosen temperature
};
EmptyListReason emptyListReason(const SelectionSession& session);

// One line for the empty list area; empty text when the list has rows.
std::string emptyListHint(const SelectionSession& session, int language);

// The status line after the capacity search for `required` (the text typed): that it is no
// number, or that no unit reaches it and the largest was chosen, with both capacities;
// nullopt when there is nothing to say.
std::optional<std::string> capacitySearchNote(const SelectionSession& session,
                                              std::string_view required, int language);

// The status line after the window's search for the requirement typed into its field
// (SelectionSession::typeRequiredCapacity): capacitySearchNote's word, that a requirement not
// above 0 is refused, or else what was read ("Required: 12 W"); nullopt for an empty field.
std::optional<std::string> requiredCapacityNote(const SelectionSession& session, int language);

// The details shown belong to inputs that the list no longer reflects: a unit was shown, and
// no row is chosen since the last rebuild.
bool detailsOutdated(const SelectionState& selection);
std::string outdatedDetailsNote(int language);
// The datasheet's answer when no unit of the list is chosen.
std::string chooseUnitNote(int language);

} // namespace kelvo
