#pragma once

#include <array>
#include <vector>

namespace kelvo
{

// The property table of one refrigerant in single precision, as table[column][row]: columns
// 0 .. 7, rows 0 .. rowCount. Column 0 and row 0 are never filled and read 0. Row r holds the
// r-th data line of the file; columns 1 (t, C), 2 (p, bar abs) and 5 (h, kJ/kg) are used.
class RefrigerantTable
{
  public:
    static constexpr int columnCount = 8;
    static constexpr int fieldCount = 7; // columns 1 .. 7
    static constexpr int temperatureColumn = 1;
    static constexpr int pressureColumn = 2;
    static constexpr int enthalpyColumn = 5;
    using Row = std::array<float, fieldCount>; // columns 1 .. 7 at [0] .. [6]

    RefrigerantTable();

    [[nodiscard]] int rowCount() const { return rowCount_; }
    // 0 outside columns 0 .. 7 and rows 0 .. rowCount.
    [[nodiscard]] float value(int column, int row) const;

    // Adds row rowCount + 1; a non-finite value is stored as 0.
    void appendRow(const Row& fields);

    // Column 5 of the first row whose temperature is at least t and whose pressure is at least
    // p; of the last row when none qualifies; 0 for an empty table.
    [[nodiscard]] double findVapourEnthalpy(double t, double p) const;

    // The same answer by a plain scan from row 1; the reference the fast lookup is held to.
    [[nodiscard]] double findVapourEnthalpyByScan(double t, double p) const;

  private:
    // A maximal stretch of consecutive rows with one pressure and temperatures that never
    // fall. Within it the first row at or above t is a binary search away, and it holds a row
    // at or above (t, p) exactly when its pressure is >= p and its last temperature is >= t.
    struct Run {
        float pressure;
        float lastTemperature;
        int firstRow;
        int lastRow;
    };

    std::array<std::vector<float>, columnCount> columns_;
    int rowCount_ = 0;
    std::vector<Run> runs_;
    bool runPressuresAscending_ = true; // lets the lookup start at the first run with p
};

} // namespace kelvo
