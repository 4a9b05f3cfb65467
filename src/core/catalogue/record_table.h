#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace kelvo
{

// A fixed-capacity table of records indexed from 1. Index 0 reads as the empty record and is
// never written; slots above the count keep what they held before.
template <class Record, int Capacity> class RecordTable
{
  public:
    static constexpr int capacity = Capacity;

    RecordTable() : records_(Capacity + 1) {}

    [[nodiscard]] int count() const { return count_; }

    // Read access: 0 and every index above the capacity give the empty record.
    const Record& operator[](int index) const
    {
        if (index < 1 || index > Capacity)
            return empty_;
        return records_[static_cast<std::size_t>(index)];
    }

    // Write access to a slot 1 .. capacity.
    Record& at(int index)
    {
        if (index < 1 || index > Capacity)
            throw std::out_of_range("record index " + std::to_string(index) + " outside 1 .. " +
                                    std::to_string(Capacity));
        return records_[static_cast<std::size_t>(index)];
    }

    void setCount(int count)
    {
        if (count < 0 || count > Capacity)
            throw std::out_of_range("record count " + std::to_string(count) + " outside 0 .. " +
                                    std::to_string(Capacity));
        count_ = count;
    }

    [[nodiscard]] bool full() const { return count_ >= Capacity; }

  private:
    std::vector<Record> records_;
    int count_ = 0;
    inline static const Record empty_{};
};

} // namespace kelvo
