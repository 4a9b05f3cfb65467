#pragma once

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvo
{

// An add to a table that holds as many records as it can.
class TableFull : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

// A fixed-capacity table of records indexed from 1. Index 0 reads as the empty record and is
// never written; slots above the count keep what they held before.
template <class Record, int Capacity> class RecordTable
{
  public:
    using value_type = Record;
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
    [[nodiscard]] bool contains(int index) const { return index >= 1 && index <= count_; }

    // Adds a record after the last one and returns its index. Throws TableFull when the table
    // holds `Capacity` records already; nothing changes then.
    int append(const Record& record)
    {
        if (full())
            throw TableFull("the table is full: it holds " + std::to_string(Capacity) + " records");
        records_[static_cast<std::size_t>(count_ + 1)] = record;
        return ++count_;
    }

    // Removes record `index`: the records above it move one place down and the count drops by
    // one. The slot past the new count keeps its copy of the record that was last.
    void erase(int index)
    {
        checkIndex(index);
        for (int j = index; j < count_; ++j)
            records_[static_cast<std::size_t>(j)] = records_[static_cast<std::size_t>(j + 1)];
        --count_;
    }

    // Moves record `from` to slot `to`; the records between shift by one place towards
    // `from`. Both must be 1 .. count; nothing changes otherwise.
    void move(int from, int to)
    {
        checkIndex(from);
        checkIndex(to);
        const auto first = records_.begin();
        if (to < from)
            std::rotate(first + to, first + from, first + from + 1);
        else if (to > from)
            std::rotate(first + from, first + from + 1, first + to + 1);
    }

  private:
    void checkIndex(int index) const
    {
        if (!contains(index))
            throw std::out_of_range("record index " + std::to_string(index) + " outside 1 .. " +
                                    std::to_string(count_));
    }

    std::vector<Record> records_;
    int count_ = 0;
    inline static const Record empty_{};
};

} // namespace kelvo
