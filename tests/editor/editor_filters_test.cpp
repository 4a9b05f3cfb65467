#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>

#include "core/editor/editor_filters.h"
#include "core/editor/editor_grids.h"
#include "core/editor/editor_inputs.h"
#include "core/editor/editor_session.h"
#include "core/text/message_sink.h"

namespace kelvo
{
namespace
{

const RefrigerantRegistry& kKnown = RefrigerantRegistry::builtIn();

CompressorRecord compressor(const char* refrigerant, const char* brand, const char* kind)
{
    CompressorRecord record;
    record.refrigerant = refrigerant;
    record.manufacturer = brand;
    record.kind = kind;
    return record;
}

CondensingUnitRecord unit(const char* housing, const char* version, const char* range = "MIDTEMP",
                          const char* refrigerant = "R404A")
{
    CondensingUnitRecord record;
    record.housing = housing;
    record.version = version;
    record.range = range;
    record.refrigerant = refrigerant;
    return record;
}

TEST(EditorFilters, OpeningTicksAndEveryBoxReachable)
{
    EditorFilters filters;
    std::set<std::string> names;
    for (const EditorFilterBox& box : editorFilterBoxes()) {
        names.insert(std::string(box.option->objectName));
        const bool* tick = findEditorFilterTick(filters, box.option->objectName);
        ASSERT_NE(tick, nullptr) << box.option->objectName;
        const bool openedTicked =
            box.option->objectName == "CheckBox10" || box.option->objectName == "CheckBox11" ||
            box.option->objectName == "CheckBox12" || box.option->objectName == "CheckBox13" ||
            box.option->objectName == "CheckBox14";
        EXPECT_EQ(*tick, openedTicked) << box.option->objectName;
    }
    EXPECT_EQ(names.size(), 17u);
    EXPECT_EQ(findEditorFilterTick(filters, "CheckBox18"), nullptr);
    *findEditorFilterTick(filters, "CheckBox8") = true;
    EXPECT_TRUE(filters.unitHousings[1]);
}

TEST(EditorFilters, CompressorBrandKindAndRefrigerant)
{
    EditorFilters filters; // nothing of the compressor group ticked
    EXPECT_FALSE(
        listsCompressor(compressor("R404A", "Copeland", "Other"), filters, "R404A", kKnown));
    EXPECT_TRUE(listsCompressor(compressor("R404A", "Bitzer", "Other"), filters, "R404A", kKnown));
    EXPECT_FALSE(
        listsCompressor(compressor("R404A", "Bitzer", "SPIRAL"), filters, "R404A", kKnown));
    // Case and whole text count: "copeland" is another producer.
    EXPECT_TRUE(listsCompressor(compressor("R404A", "copeland", ""), filters, "R404A", kKnown));
    EXPECT_FALSE(listsCompressor(compressor("R22", "Bitzer", ""), filters, "R404A", kKnown));

    // A refrigerant outside the four is listed for every refrigerant, but not with ALL.
    EXPECT_TRUE(listsCompressor(compressor("", "Bitzer", ""), filters, "R22", kKnown));
    EXPECT_TRUE(listsCompressor(compressor("R410A", "Bitzer", ""), filters, "R134a", kKnown));
    filters.compressorAll = true;
    EXPECT_FALSE(listsCompressor(compressor("", "Bitzer", ""), filters, "R22", kKnown));
    // With ALL only the refrigerant counts.
    EXPECT_TRUE(listsCompressor(compressor("R22", "Copeland", "SPIRAL"), filters, "R22", kKnown));

    filters.compressorAll = false;
    filters.compressorBrands[0] = true; // Copeland
    filters.compressorKinds[0] = true;  // SPIRAL
    EXPECT_TRUE(
        listsCompressor(compressor("R404A", "Copeland", "SPIRAL"), filters, "R404A", kKnown));
    EXPECT_FALSE(
        listsCompressor(compressor("R404A", "Maneurop", "SPIRAL"), filters, "R404A", kKnown));
}

TEST(EditorFilters, UnitHousingVersionCompressorAndRange)
{
    EditorFilters filters;
    const CompressorRecord none;
    filters.unitHousings[2] = true; // BOX
    EXPECT_TRUE(listsUnit(unit("BOX", "SB"), none, filters, "R404A", kKnown));
    EXPECT_FALSE(listsUnit(unit("BASE", "SB"), none, filters, "R404A", kKnown));
    filters.unitHousings = {true, true, false};
    EXPECT_TRUE(listsUnit(unit("BASE", "SB"), none, filters, "R404A", kKnown));
    EXPECT_TRUE(listsUnit(unit("BASE", "KB"), none, filters, "R404A", kKnown));
    EXPECT_FALSE(listsUnit(unit("BOX", "SB"), none, filters, "R404A", kKnown));
    // BASE with another version never passes; another housing needs another version.
    filters.unitHousings = {true, true, true};
    EXPECT_FALSE(listsUnit(unit("BASE", "XB"), none, filters, "R404A", kKnown));
    EXPECT_FALSE(listsUnit(unit("Box", "SB"), none, filters, "R404A", kKnown));
    EXPECT_TRUE(listsUnit(unit("Box", ""), none, filters, "R404A", kKnown));
    filters.unitHousings = {false, false, false};
    EXPECT_TRUE(listsUnit(unit("", "X"), none, filters, "R404A", kKnown));

    // The linked compressor's brand and kind: the empty record passes, a Copeland does not
    // while its box is unticked.
    filters.unitHousings[2] = true;
    EXPECT_TRUE(listsUnit(unit("BOX", ""), none, filters, "R404A", kKnown));
    EXPECT_FALSE(
        listsUnit(unit("BOX", ""), compressor("R404A", "Copeland", ""), filters, "R404A", kKnown));

    filters.unitRanges[1] = false; // MIDTEMP
    EXPECT_FALSE(listsUnit(unit("BOX", "", "MIDTEMP"), none, filters, "R404A", kKnown));
    EXPECT_TRUE(listsUnit(unit("BOX", "", "midtemp"), none, filters, "R404A", kKnown));

    EXPECT_TRUE(listsUnit(unit("BOX", "", "LOWTEMP", ""), none, filters, "R22", kKnown));
    filters.unitAll = true; // only the refrigerant counts
    EXPECT_FALSE(listsUnit(unit("BOX", "", "LOWTEMP", ""), none, filters, "R22", kKnown));
    EXPECT_TRUE(listsUnit(unit("BASE", "XB", "MIDTEMP", "R22"), compressor("", "Copeland", ""),
                          filters, "R22", kKnown));
}

TEST(EditorFilters, FrameHousingIsExact)
{
    EditorFilters filters;
    filters.frameHousings = {false, false};
    FrameRecord frame;
    frame.housing = "Box";
    EXPECT_TRUE(listsFrame(frame, filters));
    frame.housing = "BOX";
    EXPECT_FALSE(listsFrame(frame, filters));
    filters.frameHousings[1] = true;
    EXPECT_TRUE(listsFrame(frame, filters));
    CondenserRecord condenser;
    condenser.refrigerant = "";
    EXPECT_FALSE(listsCondenser(condenser, "R404A"));
}

// An editor over five frames, BASE and BOX by turns.
class EditorGridRefill : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        Catalogue catalogue;
        for (int i = 1; i <= 5; ++i)
            addFrame(catalogue, i % 2 ? "BASE" : "BOX");
        workspace.replaceCatalogue(catalogue);
        session.chooseRefrigerant("R404A");
    }
    static void addFrame(Catalogue& catalogue, const char* housing)
    {
        auto& frames = catalogue.frames;
        const int index = frames.count() + 1;
        frames.at(index).housing = housing;
        frames.at(index).name = "Rama " + std::to_string(index);
        frames.setCount(index);
    }
    const EditorGridView& frames() const { return session.grid(EditorGrid::Frames); }
    // The filter box of an option, by its place among the boxes.
    void setBox(const FilterOption& option, bool ticked)
    {
        const auto boxes = editorFilterBoxes();
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].option == &option)
                session.setFilter(i, ticked);
    }
    void clickFrame(int row)
    {
        DiscardingMessageSink sink;
        session.clickRow(EditorGrid::Frames, row, 1, sink);
    }

    Workspace workspace{"no such folder"};
    EditorSession session{workspace};
};

TEST_F(EditorGridRefill, RowsInTableOrderAndBlankRow)
{
    ASSERT_EQ(frames().rows.size(), 5u);
    EXPECT_EQ(frames().rows[1].index, 2);
    EXPECT_EQ(frames().rows[1].name, "Rama 2");
    EXPECT_EQ(frames().rowCount(), 6);

    setBox(kFrameHousingOptions[0], false);
    setBox(kFrameHousingOptions[1], false);
    EXPECT_TRUE(frames().rows.empty());
    EXPECT_EQ(frames().rowCount(), 2); // one blank data row
    EXPECT_EQ(frames().currentIndex(), std::nullopt);
    // Nothing happens for the blank row.
    clickFrame(1);
    EXPECT_EQ(session.panels().frameIndex, "");
}

TEST_F(EditorGridRefill, TheHighlightStaysOnItsRecordOrGoes)
{
    clickFrame(3);
    EXPECT_EQ(session.panels().frameName, "Rama 3");
    setBox(kFrameHousingOptions[1], false); // BOX frames 2 and 4 leave the grid
    EXPECT_EQ(frames().rows.size(), 3u);
    EXPECT_EQ(frames().currentIndex(), 3);
    EXPECT_EQ(frames().currentRow, 2);
    EXPECT_EQ(frames().currentColumn, 1);

    clickFrame(1);                          // frame 1
    setBox(kFrameHousingOptions[0], false); // ... leaves too: nothing is highlighted
    EXPECT_EQ(frames().currentRow, 0);
    EXPECT_EQ(frames().currentIndex(), std::nullopt);

    EXPECT_EQ(cursorAfterRefill({1, 1}, 6, 2).row, 1);
    EXPECT_EQ(cursorAfterRefill({2, 0}, 3, 2).row, 1);
    EXPECT_EQ(cursorAfterRefill({5, 0}, 6, 6).row, 4);
}

TEST(EditorGridFilters, ACompressorBoxRefillsTheUnitGridToo)
{
    Catalogue catalogue;
    catalogue.compressors.at(1) = compressor("R404A", "Copeland", "Other");
    catalogue.compressors.at(1).id = "7";
    catalogue.compressors.setCount(1);
    catalogue.units.at(1) = unit("BOX", "");
    catalogue.units.at(1).compressorId = "7";
    catalogue.units.setCount(1);
    Workspace workspace("no such folder");
    workspace.replaceCatalogue(catalogue);
    EditorSession session(workspace);
    session.chooseRefrigerant("R404A");
    const auto boxes = editorFilterBoxes();
    const auto place = [&](const FilterOption& option) {
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].option == &option)
                return i;
        return boxes.size();
    };
    EXPECT_EQ(session.setFilter(place(kUnitHousingOptions[2]), true), EditorGrid::Units);
    EXPECT_TRUE(session.grid(EditorGrid::Units).rows.empty()); // its Copeland box is unticked

    // The unit is listed as soon as its compressor's brand box is ticked.
    EXPECT_EQ(session.setFilter(place(kCompressorBrandOptions[0]), true), EditorGrid::Compressors);
    EXPECT_TRUE(session.filters().compressorBrands[0]);
    EXPECT_EQ(session.grid(EditorGrid::Compressors).rows.size(), 1u);
    EXPECT_EQ(session.grid(EditorGrid::Units).rows.size(), 1u);
    EXPECT_EQ(session.setFilter(boxes.size(), true), std::nullopt);
}

TEST(EditorInputLists, OpeningListsAndDefaults)
{
    const EditorInputs inputs = initialEditorInputs(',');
    ASSERT_EQ(inputs.evaporatingItems.size(), 59u);
    EXPECT_EQ(inputs.evaporatingItems.front(), "12,5");
    EXPECT_EQ(inputs.evaporatingItems.back(), "-45");
    EXPECT_EQ(inputs.to, "0");
    EXPECT_EQ(inputs.ambient, "32");
    EXPECT_EQ(inputs.superheat, "10");
    EXPECT_EQ(inputs.subcooling, "0");
    EXPECT_EQ(inputs.compressorCount, "1");
    EXPECT_EQ(inputs.condenserCount, "1");
    EXPECT_EQ(inputs.heatFactor, "1,1");
    EXPECT_EQ(pairEvaporatingList('.').items.front(), "12,5");
    EXPECT_EQ(countList().items.back(), "10");
}

TEST(EditorInputLists, UnitEvaporatingRange)
{
    CondensingUnitRecord record;
    record.toMin = "-10";
    record.toMax = "5";
    InputList list = unitEvaporatingList(record, ',');
    ASSERT_EQ(list.items.size(), 31u);
    EXPECT_EQ(list.items[0], "5");
    EXPECT_EQ(list.items[1], "4,5");
    EXPECT_EQ(list.items.back(), "-10");
    EXPECT_EQ(list.defaultText(), "5");

    record.toMin = "-10,5"; // rounds half to even: -10
    EXPECT_EQ(unitEvaporatingList(record, ',').items.back(), "-10");
    record.toMin = "-11.5"; // -12
    EXPECT_EQ(unitEvaporatingList(record, ',').items.back(), "-12");

    record.toMin = "-5";
    record.toMax = "x";
    list = unitEvaporatingList(record, ',');
    ASSERT_EQ(list.items.size(), 1u);
    EXPECT_EQ(list.items[0], "0");

    record.toMax = "-6"; // maximum below the minimum: nothing to pick
    EXPECT_TRUE(unitEvaporatingList(record, ',').items.empty());
    EXPECT_EQ(unitEvaporatingList(record, ',').defaultText(), "");

    record.toMin = "-1e300"; // never runs away
    record.toMax = "1e300";
    EXPECT_EQ(unitEvaporatingList(record, ',').items.size(),
              static_cast<std::size_t>(kMaxEvaporatingItems));
}

TEST(EditorInputLists, HeatFactorText)
{
    EXPECT_DOUBLE_EQ(condenserHeatFactorFromText("1,2"), 1.2);
    EXPECT_DOUBLE_EQ(condenserHeatFactorFromText("1.25"), 1.25);
    EXPECT_DOUBLE_EQ(condenserHeatFactorFromText("abc"), 1.0);
    EXPECT_DOUBLE_EQ(condenserHeatFactorFromText(""), 1.0);
    EXPECT_DOUBLE_EQ(condenserHeatFactorFromText("1.2.3"), 1.0);
}

} // namespace
} // namespace kelvo
