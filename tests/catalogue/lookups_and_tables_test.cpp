#include <gtest/gtest.h>
#include <memory>

#include "core/catalogue/catalogue.h"
#include "core/catalogue/lookups.h"

namespace kelvo
{
namespace
{

TEST(FixedText, StoringCutsToTheWidthEverywhere)
{
    CondenserRecord condenser;
    condenser.model = std::string(60, 'm');
    EXPECT_EQ(condenser.model.size(), 50u);
    CompressorRecord compressor;
    compressor.refrigerant = condenser.model; // copy between fields of other widths
    EXPECT_EQ(compressor.refrigerant.size(), 10u);
    compressor.refrigerant.replaceAll('m', 'n');
    EXPECT_EQ(compressor.refrigerant, "nnnnnnnnnn");
}

TEST(RecordTable, IndexZeroReadsEmptyAndCapacitiesHold)
{
    auto catalogue = std::make_unique<Catalogue>();
    EXPECT_EQ(catalogue->frames.capacity, 100);
    EXPECT_EQ(catalogue->units.capacity, 800);
    EXPECT_TRUE(catalogue->units[0].name.empty());
    EXPECT_FALSE(catalogue->units[0].superheatMode);
    EXPECT_THROW(catalogue->units.at(0), std::out_of_range);
    EXPECT_THROW(catalogue->frames.at(101), std::out_of_range);
    EXPECT_NO_THROW(catalogue->frames.setCount(100));
    EXPECT_THROW(catalogue->frames.setCount(101), std::out_of_range);
}

namespace
{
// The ids of records 1 .. upTo, as one text ("a b c").
std::string ids(const FrameTable& table, int upTo)
{
    std::string text;
    for (int i = 1; i <= upTo; ++i)
        text += (i > 1 ? " " : "") + table[i].id.str();
    return text;
}

FrameTable framesWithIds(std::initializer_list<const char*> values)
{
    FrameTable table;
    for (const char* id : values) {
        FrameRecord frame;
        frame.id = id;
        table.append(frame);
    }
    return table;
}
} // namespace

TEST(RecordTable, AppendStopsAtTheCapacityWithoutWriting)
{
    FrameTable table;
    for (int i = 1; i <= FrameTable::capacity; ++i)
        EXPECT_EQ(table.append(FrameRecord{}), i);
    FrameRecord extra;
    extra.id = "x";
    EXPECT_THROW(table.append(extra), TableFull);
    EXPECT_EQ(table.count(), FrameTable::capacity);
    EXPECT_TRUE(table[FrameTable::capacity].id.empty());
}

TEST(RecordTable, EraseShiftsDownAndLeavesTheOldLastCopyPastTheCount)
{
    FrameTable table = framesWithIds({"1", "2", "3", "4"});
    table.erase(2);
    EXPECT_EQ(table.count(), 3);
    EXPECT_EQ(ids(table, 4), "1 3 4 4");
    table.erase(3); // the last: nothing moves
    EXPECT_EQ(ids(table, 4), "1 3 4 4");
    EXPECT_EQ(table.count(), 2);
    EXPECT_THROW(table.erase(3), std::out_of_range);
    EXPECT_THROW(table.erase(0), std::out_of_range);
    EXPECT_EQ(ids(table, 2), "1 3");
}

TEST(RecordTable, MoveShiftsTheRecordsBetweenAndRefusesOutsideTheCount)
{
    FrameTable table = framesWithIds({"1", "2", "3", "4", "5"});
    table.move(4, 2);
    EXPECT_EQ(ids(table, 5), "1 4 2 3 5");
    table.move(2, 5);
    EXPECT_EQ(ids(table, 5), "1 2 3 5 4");
    table.move(3, 3);
    EXPECT_EQ(ids(table, 5), "1 2 3 5 4");
    EXPECT_THROW(table.move(1, 6), std::out_of_range);
    EXPECT_THROW(table.move(0, 2), std::out_of_range);
    EXPECT_EQ(ids(table, 5), "1 2 3 5 4");
}

TEST(Lookups, ExactFirstMatchOverRecordsInUse)
{
    auto catalogue = std::make_unique<Catalogue>();
    auto& c = *catalogue;
    c.compressors.setCount(3);
    c.compressors.at(1).id = "7";
    c.compressors.at(2).id = "12";
    c.compressors.at(3).id = "12";
    c.units.setCount(4);
    c.units.at(1).compressorId = "12";
    c.units.at(2).compressorId = "07";
    c.units.at(3).compressorId = "0";
    c.units.at(4).compressorId = "12 ";
    // The index a list rebuild builds answers as the lookup does.
    const auto found = [&](int unit) {
        const int index = findCompressorOfUnit(c, unit);
        EXPECT_EQ(IdIndex(c.compressors).find(c.units[unit].compressorId.view()), index)
            << "unit " << unit;
        return index;
    };
    EXPECT_EQ(found(1), 2); // lower index wins
    EXPECT_EQ(found(2), 0); // no numeric reading
    EXPECT_EQ(found(3), 0);
    EXPECT_EQ(found(4), 0); // no trimming

    c.units.at(1).compressorId = "7";
    c.compressors.at(1).id = "99";
    c.compressors.at(3).id = "7";
    EXPECT_EQ(found(1), 3); // the last record in use is found
    c.compressors.setCount(2);
    EXPECT_EQ(found(1), 0); // the slot above the count is not read

    c.condensers.setCount(1);
    c.condensers.at(1).id = "";
    c.units.at(1).condenserId = "";
    EXPECT_EQ(findCondenserOfUnit(c, 1), 1); // an empty link matches an empty id
    c.frames.setCount(1);
    c.frames.at(1).id = std::string(20, '1');
    c.units.at(1).frameId = std::string(21, '1'); // longer than the id field: never matches
    EXPECT_EQ(findFrameOfUnit(c, 1), 0);
}

} // namespace
} // namespace kelvo
