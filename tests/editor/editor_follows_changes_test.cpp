// After every change of the catalogue, the refrigerant or the filters, the editor shows what a
// fresh look at the highlighted record shows: the same panels, the same chart, the highlight on
// the same record (or nothing, when the record is gone).
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/lookups.h"
#include "core/editor/editor_session.h"
#include "core/editor/record_editor_session.h"
#include "core/text/message_sink.h"
#include "support/fresh_look.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

using test::freshLook;
using test::lookOf;
using test::rowListing;

class EditorFollowsChanges : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(session.open().catalogueLoaded);
        tickAll(session);
        const auto& units = session.grid(EditorGrid::Units).rows;
        ASSERT_GE(units.size(), 3u);
        unit = units[2].index;
        DiscardingMessageSink sink;
        ASSERT_TRUE(session.clickRow(EditorGrid::Units, 3, 0, sink).outcome.succeeded());
        compressor = findCompressorOfUnit(workspace.catalogue(), unit);
        ASSERT_NE(compressor, 0);
    }

    static void tickAll(EditorSession& editor)
    {
        const auto boxes = editorFilterBoxes();
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].option->caption == "ALL")
                editor.setFilter(i, true);
    }

    std::string shown() const { return lookOf(session); }
    std::string unitName(int index) const { return workspace.catalogue().units[index].name.str(); }

    Workspace workspace{test::sampleDataFolder()};
    EditorSession session{workspace};
    int unit = 0;
    int compressor = 0;
};

TEST_F(EditorFollowsChanges, EditUndoRedoDeleteMoveAndSwitch)
{
    const std::string name = unitName(unit);
    const auto expectFresh = [&](const char* after) {
        SCOPED_TRACE(after);
        EXPECT_EQ(shown(), freshLook(session, EditorGrid::Units));
        const auto highlighted = session.grid(EditorGrid::Units).currentIndex();
        if (highlighted) {
            EXPECT_EQ(unitName(*highlighted), name) << "the highlight stays on its record";
        }
    };
    const std::string before = session.panels().capacity;

    // A coefficient typed into the record editor of the unit's compressor.
    ASSERT_EQ(session.grid(EditorGrid::Compressors).currentIndex(), compressor);
    auto record = session.openRecordEditor(EditorGrid::Compressors);
    ASSERT_TRUE(record);
    FormValues values = record->opening();
    values.texts.at(static_cast<std::size_t>(record->layout().controlOf("Edit16"))) = "25000";
    record->store(values);
    expectFresh("a coefficient typed");
    EXPECT_NE(session.panels().capacity, before);
    record->close(values);
    record.reset();
    ASSERT_TRUE(session.undo());
    expectFresh("the edit undone");
    EXPECT_EQ(session.panels().capacity, before);
    ASSERT_TRUE(session.redo());
    expectFresh("the edit done again");

    // The unit's compressor deleted: the unit has none, its figures go.
    ASSERT_TRUE(session.runRowCommand(RowCommand::DeleteCompressor).done);
    expectFresh("its compressor deleted");
    EXPECT_EQ(session.panels().capacity, "");
    ASSERT_TRUE(session.undo());
    expectFresh("the delete undone");

    // The unit moved to the top of its table: the highlight moves with it.
    ASSERT_TRUE(session.runRowCommand(RowCommand::MoveUnit, "1").done);
    EXPECT_EQ(session.grid(EditorGrid::Units).currentIndex(), 1);
    expectFresh("the unit moved");
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(session.grid(EditorGrid::Units).currentIndex(), unit);
    expectFresh("the move undone");

    // Another refrigerant: the R404A unit is no longer listed, and nothing of it is shown.
    EXPECT_EQ(session.chooseRefrigerant("R134a"), "");
    EXPECT_FALSE(session.grid(EditorGrid::Units).currentIndex().has_value());
    EXPECT_EQ(shown(), freshLook(session, EditorGrid::Units));
}

TEST_F(EditorFollowsChanges, APairDisplayFollowsItsCondenser)
{
    DiscardingMessageSink sink;
    session.clickRow(EditorGrid::Compressors,
                     rowListing(session.grid(EditorGrid::Compressors), compressor), 0, sink);
    const auto condenser = session.grid(EditorGrid::Condensers).currentIndex();
    ASSERT_TRUE(condenser);
    auto record = session.openRecordEditor(EditorGrid::Condensers);
    ASSERT_TRUE(record);
    FormValues values = record->opening();
    values.texts.at(static_cast<std::size_t>(record->layout().controlOf("Edit5"))) = "0,05";
    record->store(values);
    EXPECT_EQ(shown(), freshLook(session, EditorGrid::Compressors));
}

TEST_F(EditorFollowsChanges, AskingChangesNothingAndAssignmentsOfferTheHighlightedRows)
{
    EXPECT_EQ(session.promptDefault(RowCommand::AssignCompressor), std::to_string(compressor));
    EXPECT_EQ(session.promptDefault(RowCommand::MoveUnit), "");
    // The unit's compressor is in use: the delete asks, and asking changes nothing ("No").
    const std::size_t before = catalogueFingerprint(workspace.catalogue());
    EXPECT_TRUE(session.questionBefore(RowCommand::DeleteCompressor).has_value());
    EXPECT_EQ(catalogueFingerprint(workspace.catalogue()), before);
    EXPECT_FALSE(session.history().canUndo());
}

} // namespace
} // namespace kelvo
