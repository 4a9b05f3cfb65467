#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvo
{

// One check box of a filter group: the record text it admits, its caption and the window
// control that shows it. Selection windows take the caption from the language table
// (captionEntry); the Polish-only editor uses the fixed caption.
struct FilterOption {
    std::string_view value;      // compared exactly, whole text, case-sensitive
    std::string_view caption;    // fixed caption; empty when captionEntry gives it
    int captionEntry = 0;        // language entry of the caption, 0 for a fixed caption
    std::string_view objectName; // the check box, e.g. "CheckBox41"
};

template <std::size_t N> using FilterGroup = std::array<FilterOption, N>;
// One tick per option of a group, in the group's order.
template <std::size_t N> using FilterTicks = std::array<bool, N>;

// The option whose value is `text`, or -1.
template <std::size_t N> int findOption(const FilterGroup<N>& group, std::string_view text)
{
    for (std::size_t i = 0; i < N; ++i)
        if (group[i].value == text)
            return static_cast<int>(i);
    return -1;
}

// The tick of the option whose value is `value`; an unknown value is a programming error.
template <std::size_t N, class Ticks>
auto& tickOf(const FilterGroup<N>& group, Ticks& ticks, std::string_view value)
{
    const int i = findOption(group, value);
    if (i < 0)
        throw std::out_of_range("no filter option '" + std::string(value) + "'");
    return ticks[static_cast<std::size_t>(i)];
}

// `text` is one of the group's values and its box is ticked.
template <std::size_t N>
bool admitsTicked(const FilterGroup<N>& group, const FilterTicks<N>& ticks, std::string_view text)
{
    const int i = findOption(group, text);
    return i >= 0 && ticks[static_cast<std::size_t>(i)];
}

// As admitsTicked, and a text that is none of the group's values passes too.
template <std::size_t N>
bool admitsTickedOrOther(const FilterGroup<N>& group, const FilterTicks<N>& ticks,
                         std::string_view text)
{
    const int i = findOption(group, text);
    return i < 0 || ticks[static_cast<std::size_t>(i)];
}

} // namespace kelvo
