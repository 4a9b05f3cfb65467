// The parts the editor session is made of, each on its own over the sample catalogue.
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "core/editor/balance_view.h"
#include "core/editor/catalogue_saving.h"
#include "core/editor/editor_listing.h"
#include "core/editor/row_command_runner.h"
#include "core/io/file_system_ops.h"
#include "core/text/message_sink.h"
#include "core/workspace/workspace.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

class EditorParts : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        (void)workspace.loadCatalogue();
        listing.reset();
        listing.useRefrigerant("R404A");
        listing.refillAll();
        balance.reset();
    }

    std::size_t boxOf(std::string_view objectName) const
    {
        const auto boxes = editorFilterBoxes();
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].option->objectName == objectName)
                return i;
        return boxes.size();
    }

    Workspace workspace{test::sampleDataFolder()};
    EditorListing listing{workspace};
    BalanceView balance{workspace, listing};
    RowCommandRunner commands{workspace, listing};
};

TEST_F(EditorParts, AFilterBoxRefillsItsGridAndTheUnitsFollowTheCompressorBoxes)
{
    struct Case {
        std::string_view box;
        EditorGrid grid;
        bool unitsToo;
    };
    for (const Case& c : {Case{"CheckBox16", EditorGrid::Compressors, true},
                          Case{"CheckBox4", EditorGrid::Compressors, true},
                          Case{"CheckBox15", EditorGrid::Units, false},
                          Case{"CheckBox17", EditorGrid::Condensers, false},
                          Case{"CheckBox13", EditorGrid::Frames, false}}) {
        const auto click = listing.setFilter(boxOf(c.box), true);
        ASSERT_TRUE(click) << c.box;
        EXPECT_EQ(click->grid, c.grid) << c.box;
        GridSet expected{};
        expected[static_cast<std::size_t>(c.grid)] = true;
        expected[static_cast<std::size_t>(EditorGrid::Units)] |= c.unitsToo;
        EXPECT_EQ(click->refilled, expected) << c.box;
    }
    EXPECT_FALSE(listing.setFilter(editorFilterBoxes().size(), true));
}

TEST_F(EditorParts, AHiddenRecordIsRevealedByWideningItsGridsFilter)
{
    ASSERT_TRUE(listing.grid(EditorGrid::Compressors).rows.empty());
    bool widened = false;
    const int row = listing.revealRecord(EditorGrid::Compressors, 1, widened);
    EXPECT_TRUE(widened);
    EXPECT_TRUE(listing.filters().compressorAll);
    ASSERT_GT(row, 0);
    EXPECT_EQ(listing.grid(EditorGrid::Compressors).indexAtRow(row), 1);
    EXPECT_EQ(listing.revealRecord(EditorGrid::Compressors, 1, widened), row);
    EXPECT_FALSE(widened) << "listed already";
}

TEST_F(EditorParts, EachInputBoxKeepsItsOwnTextAndAPauseNestsAndRestores)
{
    std::set<std::string> texts;
    for (int b = 0; b < 6; ++b) {
        const auto box = static_cast<EditorInputBox>(b);
        balance.type(box, "typed " + std::to_string(b));
        texts.insert(inputText(balance.inputs(), box));
    }
    EXPECT_EQ(texts.size(), 6u) << "no two boxes share a text";
    {
        const CalculationPause outer = balance.pause();
        {
            const CalculationPause inner = balance.pause();
        }
        EXPECT_FALSE(balance.calculating()) << "the inner pause restores what it found";
    }
    EXPECT_TRUE(balance.calculating());
    DiscardingMessageSink sink;
    EXPECT_FALSE(balance.chooseChartPoint(-10, 40, sink).ran) << "before any grid click";
}

TEST_F(EditorParts, TheRunnerKeepsEveryStepItTookForUndoAndRedo)
{
    EXPECT_TRUE(commands.unavailable(RowCommand::DeleteUnit).has_value() ==
                !listing.grid(EditorGrid::Units).currentIndex());
    const int frames = workspace.catalogue().frames.count();
    const RowEdit added = commands.run(RowCommand::AddFrame, {}, balance.inputs());
    ASSERT_TRUE(added.done) << added.message;
    EXPECT_EQ(workspace.catalogue().frames.count(), frames + 1);
    EXPECT_EQ(commands.history().undoSteps(), 1u);
    const auto undone = commands.undo();
    ASSERT_TRUE(undone);
    EXPECT_EQ(*undone, std::vector<EditorGrid>{EditorGrid::Frames});
    EXPECT_EQ(workspace.catalogue().frames.count(), frames);
    ASSERT_TRUE(commands.redo());
    EXPECT_EQ(workspace.catalogue().frames.count(), frames + 1);
    commands.clear();
    EXPECT_FALSE(commands.undo());
}

TEST_F(EditorParts, SavingIsRefusedUntilAllFourFilesWereReadAndCountsChangesFromThen)
{
    CatalogueSaving saving{workspace};
    PosixFileSystemOps ops;
    const SaveOutcome refused = saving.save(ops, nullptr, ChangesOnDisk::Refuse);
    EXPECT_FALSE(refused.saved);
    EXPECT_FALSE(refused.changedOnDisk);
    EXPECT_NE(refused.message.find("nie został zapisany"), std::string::npos);
    saving.rememberSaved();
    EXPECT_FALSE(saving.hasUnsavedChanges());
    EXPECT_FALSE(saving.cutShortSaveQuestion()) << "every sample file is whole";
}

} // namespace
} // namespace kelvo
