#pragma once

#include <deque>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo
{

// The texts a set of converted figures came from, kept so that the figures are used only as
// long as those texts stand exactly as they were.
class SourceTexts
{
  public:
    // Whether `texts`, in order, are the texts kept.
    [[nodiscard]] bool matches(std::span<const std::string_view> texts) const;
    void keep(std::span<const std::string_view> texts);

  private:
    // Each text as one byte of length and its bytes; a text over 255 bytes is never matched.
    std::string joined_;
    bool kept_ = false;
};

// Converted figures of records kept in slots (a table index), each with the texts it came
// from, converted again only when a record's texts are no longer those. Evaluations running side
// by side share one: a slot is looked up and converted under a lock, and a slot's figures stay
// where they are while the table grows. Figures handed out are rewritten only when their
// record's texts changed, which an edit does, and no edit runs beside an evaluation.
template <class Numbers> class ConvertedSlots
{
  public:
    // textsOf(record) lists the texts the figures depend on; convert(record) converts them.
    template <class Record, class TextsOf, class Convert>
    const Numbers& get(const Record& record, int slot, TextsOf textsOf, Convert convert)
    {
        const std::lock_guard lock(mutex_);
        const auto index = static_cast<std::size_t>(slot < 0 ? 0 : slot);
        if (index >= slots_.size())
            slots_.resize(index + 1);
        Slot& kept = slots_[index];
        if (!kept.source.matches(textsOf(record))) {
            kept.numbers = convert(record);
            kept.source.keep(textsOf(record));
        }
        return kept.numbers;
    }

  private:
    struct Slot {
        SourceTexts source;
        Numbers numbers{};
    };
    std::mutex mutex_;
    std::deque<Slot> slots_;
};

} // namespace kelvo
