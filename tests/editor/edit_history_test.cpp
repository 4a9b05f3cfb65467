#include <array>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_files.h"
#include "core/editor/edit_history.h"
#include "core/editor/row_operations.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

// The four files a save writes, as bytes.
std::string savedBytes(const Catalogue& catalogue)
{
    const test::TempFolder folder;
    saveCatalogue(catalogue, folder.path());
    std::string all;
    for (const char* name : {kCompressorFile, kCondenserFile, kUnitFile, kFrameFile})
        all += folder.read(name) + '\x1f';
    return all;
}

class EditHistoryOnTheSample : public ::testing::Test
{
  protected:
    void SetUp() override { loadCatalogue(catalogue, test::sampleDataFolder()); }

    std::unique_ptr<Catalogue> owned = std::make_unique<Catalogue>();
    Catalogue& catalogue = *owned;
    EditHistory history;
};

using Operation = std::function<RowEdit(Catalogue&)>;

TEST_F(EditHistoryOnTheSample, UndoAndRedoOfEveryOperationGiveBackTheSavedFilesByteForByte)
{
    const EditorFilters filters;
    const int lastUnit = catalogue.units.count();
    const std::vector<std::pair<const char*, Operation>> operations = {
        {"add unit",
         [&](Catalogue& c) {
             return addUnit(c, {"R404A", 3, 2, 1, "2", "1"}, filters,
                            RefrigerantRegistry::builtIn());
         }},
        {"add compressor",
         [](Catalogue& c) { return addEmptyRecord(c, EditorGrid::Compressors, "R22"); }},
        {"add condenser",
         [](Catalogue& c) { return addEmptyRecord(c, EditorGrid::Condensers, "R22"); }},
        {"add frame", [](Catalogue& c) { return addEmptyRecord(c, EditorGrid::Frames, ""); }},
        {"delete compressor",
         [](Catalogue& c) { return deleteRecord(c, EditorGrid::Compressors, 2); }},
        {"delete condenser",
         [](Catalogue& c) { return deleteRecord(c, EditorGrid::Condensers, 1); }},
        {"delete last unit",
         [lastUnit](Catalogue& c) { return deleteRecord(c, EditorGrid::Units, lastUnit); }},
        {"move up", [](Catalogue& c) { return moveRecord(c, EditorGrid::Units, 5, "2"); }},
        {"move down", [](Catalogue& c) { return moveRecord(c, EditorGrid::Compressors, 2, "5"); }},
        {"copy envelopes", [](Catalogue& c) { return copyEnvelopes(c, 1, "3"); }},
        {"copy compressor", [](Catalogue& c) { return copyCompressor(c, 1, "3", "R22"); }},
        {"assign frame", [](Catalogue& c) { return assignToUnit(c, EditorGrid::Frames, 1, "5"); }},
    };
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        const std::string before = savedBytes(catalogue);
        RowEdit edit = operation(catalogue);
        ASSERT_TRUE(edit.done) << edit.message;
        ASSERT_FALSE(edit.step.changes.empty());
        const std::string after = savedBytes(catalogue);
        EXPECT_NE(after, before);
        history.record(std::move(edit.step));
        ASSERT_TRUE(history.undo(catalogue));
        EXPECT_EQ(savedBytes(catalogue), before);
        ASSERT_TRUE(history.redo(catalogue));
        EXPECT_EQ(savedBytes(catalogue), after);
    }
    EXPECT_FALSE(history.redo(catalogue));
}

TEST_F(EditHistoryOnTheSample, ANewStepDropsWhatWasUndoneAndDescribesItself)
{
    history.record({"Usuń wiersz – sprężarka 2",
                    deleteRecord(catalogue, EditorGrid::Compressors, 2).step.changes});
    history.record({"Przesuń aktualny wiersz – agregat 3 → 1",
                    moveRecord(catalogue, EditorGrid::Units, 3, "1").step.changes});
    EXPECT_EQ(history.undoDescription(), "Przesuń aktualny wiersz – agregat 3 → 1");
    ASSERT_TRUE(history.undo(catalogue));
    EXPECT_EQ(history.redoDescription(), "Przesuń aktualny wiersz – agregat 3 → 1");
    history.record(addEmptyRecord(catalogue, EditorGrid::Frames, "").step);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoSteps(), 2u);
    // A step that changed nothing is no step.
    history.record(moveRecord(catalogue, EditorGrid::Units, 3, "3").step);
    EXPECT_EQ(history.undoSteps(), 2u);
}

// 200 random operations with undos and redos between them: the saved files load back to the
// catalogue in memory, and undoing everything gives back the catalogue as loaded.
TEST_F(EditHistoryOnTheSample, RandomOperationsWithUndoAndRedoSaveWhatIsInMemory)
{
    const std::string original = savedBytes(catalogue);
    std::mt19937 random(20261209);
    const auto pick = [&](int last) {
        return std::to_string(std::uniform_int_distribution<int>(0, last + 1)(random));
    };
    const auto row = [&](int count) {
        return std::uniform_int_distribution<int>(1, count)(random);
    };
    const std::array<EditorGrid, 3> tables = {EditorGrid::Compressors, EditorGrid::Condensers,
                                              EditorGrid::Units};
    const EditorFilters filters;
    for (int step = 0; step < 200; ++step) {
        Catalogue& c = catalogue;
        const EditorGrid table = tables[static_cast<std::size_t>(step % 3)];
        const int count = table == EditorGrid::Compressors  ? c.compressors.count()
                          : table == EditorGrid::Condensers ? c.condensers.count()
                                                            : c.units.count();
        RowEdit edit;
        switch (std::uniform_int_distribution<int>(0, 8)(random)) {
        case 0:
            edit = addUnit(c,
                           {"R404A", row(c.compressors.count()), row(c.condensers.count()),
                            row(c.frames.count()), pick(9), pick(9)},
                           filters, RefrigerantRegistry::builtIn());
            break;
        case 1:
            edit =
                addEmptyRecord(c, table == EditorGrid::Units ? EditorGrid::Frames : table, "R22");
            break;
        case 2:
            if (count > 3)
                edit = deleteRecord(c, table, row(count));
            break;
        case 3:
            edit = moveRecord(c, table, row(count), pick(count));
            break;
        case 4:
            edit = copyEnvelopes(c, row(c.compressors.count()), pick(c.compressors.count()));
            break;
        case 5:
            edit =
                copyCompressor(c, row(c.compressors.count()), pick(c.compressors.count()), "R134a");
            break;
        case 6:
            edit = assignToUnit(c, table == EditorGrid::Units ? EditorGrid::Frames : table,
                                row(c.units.count()), pick(5));
            break;
        case 7:
            history.undo(c);
            break;
        case 8:
            history.redo(c);
            break;
        }
        history.record(std::move(edit.step));
    }
    const test::TempFolder folder;
    saveCatalogue(catalogue, folder.path());
    auto reloaded = std::make_unique<Catalogue>();
    loadCatalogue(*reloaded, folder.path());
    EXPECT_EQ(catalogueFingerprint(*reloaded), catalogueFingerprint(catalogue));

    while (history.undo(catalogue)) {
    }
    // Steps dropped for memory would make this fail; 200 steps are far below the limit.
    EXPECT_EQ(savedBytes(catalogue), original);
}

// A full catalogue: 100 steps that each move or delete records near the top of the tables
// keep what changed, not copies of tables.
TEST(EditHistoryMemory, HundredStepsOnAFullCatalogueStayFarBelowTheLimit)
{
    auto c = std::make_unique<Catalogue>();
    for (int i = 1; i <= 800; ++i) {
        CompressorRecord compressor;
        compressor.id = std::to_string(i);
        compressor.refrigerant = "R404A";
        for (auto& set : compressor.coeffSets)
            for (auto& coefficient : set.c)
                coefficient = "123456789,123456789" + std::to_string(i);
        c->compressors.append(compressor);
        CondenserRecord condenser;
        condenser.id = std::to_string(i);
        if (i <= 700) // room for the condensers the steps add
            c->condensers.append(condenser);
        CondensingUnitRecord unit;
        unit.name = "Agregat " + std::to_string(i);
        unit.compressorId = std::to_string(i % 4 + 1);
        c->units.append(unit);
    }
    for (int i = 1; i <= 100; ++i) {
        FrameRecord frame;
        frame.id = std::to_string(i);
        c->frames.append(frame);
    }
    EditHistory history;
    for (int step = 0; step < 100; ++step) {
        RowEdit edit;
        switch (step % 4) {
        case 0:
            edit = deleteRecord(*c, EditorGrid::Compressors, 1); // unlinks 200 units
            break;
        case 1:
            edit = moveRecord(*c, EditorGrid::Units, 1, std::to_string(c->units.count()));
            break;
        case 2:
            edit = copyCompressor(*c, 3, "700", "R22");
            break;
        case 3:
            edit = addEmptyRecord(*c, EditorGrid::Condensers, "R22");
            break;
        }
        ASSERT_TRUE(edit.done) << edit.message;
        history.record(std::move(edit.step));
    }
    EXPECT_EQ(history.undoSteps(), 100u);
    EXPECT_LT(history.bytes(), std::size_t{64} << 20);
}

TEST(EditHistoryMemory, TheOldestStepsGoWhenTheLimitIsReached)
{
    auto c = std::make_unique<Catalogue>();
    for (int i = 1; i <= 10; ++i) {
        CompressorRecord compressor;
        compressor.id = std::to_string(i);
        c->compressors.append(compressor);
    }
    EditHistory history(1000);
    for (int step = 0; step < 20; ++step)
        history.record(moveRecord(*c, EditorGrid::Compressors, 1, "10").step);
    EXPECT_LT(history.undoSteps(), 20u);
    EXPECT_GE(history.undoSteps(), 1u);
    EXPECT_LE(history.bytes(), 1000u);
}

} // namespace
} // namespace kelvo
