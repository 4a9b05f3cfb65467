// The editor session tells its observers every change of what the screen shows, and typing
// alone (which the screen shows already) tells nobody.
#include <gtest/gtest.h>
#include <vector>

#include "core/editor/editor_session.h"
#include "core/text/message_sink.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

class Recorder final : public EditorObserver
{
  public:
    void editorChanged(const EditorUpdate& update) override { updates.push_back(update); }
    std::vector<EditorUpdate> updates;
};

class EditorNotifications : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(session.open().catalogueLoaded);
        session.subscribe(recorder);
    }
    void TearDown() override { session.unsubscribe(recorder); }

    Workspace workspace{test::sampleDataFolder()};
    EditorSession session{workspace};
    Recorder recorder;
    DiscardingMessageSink sink;
};

TEST_F(EditorNotifications, TypingIsKeptQuietlyAndTakingItShowsTheDisplay)
{
    ASSERT_TRUE(session.showRecord(EditorGrid::Compressors, 1));
    const EditorUpdate shown = recorder.updates.back();
    EXPECT_TRUE(shown.filters) << "the compressor grid's ALL box was ticked to show it";
    EXPECT_TRUE(shown.grids[static_cast<std::size_t>(EditorGrid::Compressors)]);
    const std::string capacity = session.panels().capacity;
    recorder.updates.clear();

    session.typeInput(EditorInputBox::Ambient, "20");
    session.setHeatFactorText("1,3");
    EXPECT_TRUE(recorder.updates.empty());
    EXPECT_EQ(session.inputs().ambient, "20");
    EXPECT_EQ(session.panels().capacity, capacity) << "nothing runs before the text is taken";

    EXPECT_TRUE(session.applyInputs(sink).evaluated);
    ASSERT_EQ(recorder.updates.size(), 1u);
    EXPECT_TRUE(recorder.updates[0].panels && recorder.updates[0].inputs);
    EXPECT_TRUE(recorder.updates[0].revealCursors);
    EXPECT_NE(session.panels().capacity, capacity);
}

TEST_F(EditorNotifications, EveryEditAndStepBackTellsTheHistory)
{
    const auto historyTold = [this] {
        for (const EditorUpdate& update : recorder.updates)
            if (update.history)
                return true;
        return false;
    };
    ASSERT_TRUE(session.runRowCommand(RowCommand::AddFrame).done);
    EXPECT_TRUE(historyTold());
    for (const auto step : {&EditorSession::undo, &EditorSession::redo}) {
        recorder.updates.clear();
        EXPECT_TRUE((session.*step)());
        EXPECT_TRUE(historyTold());
    }
}

} // namespace
} // namespace kelvo
