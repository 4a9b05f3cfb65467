#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/lookups.h"
#include "core/editor/catalogue_saving.h"
#include "core/editor/editor_session.h"
#include "core/text/message_sink.h"
#include "support/failing_file_system.h"
#include "support/temp_folder.h"
#include "support/workspace_edits.h"

namespace kelvo
{
namespace
{

using test::editRecord;

// The editor opened on a copy of the shipped catalogue, so that saving writes into the copy.
class EditorCatalogue : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        std::filesystem::copy(test::sampleDataFolder(), folder.path(),
                              std::filesystem::copy_options::recursive);
        workspace = std::make_unique<Workspace>(folder.path());
        session = std::make_unique<EditorSession>(*workspace);
        ASSERT_TRUE(session->open().catalogueLoaded);
    }

    test::TempFolder folder;
    std::unique_ptr<Workspace> workspace;
    std::unique_ptr<EditorSession> session;
};

TEST_F(EditorCatalogue, ChangesCountUntilSavedAndTheSavedFilesLoadBackIdentical)
{
    EXPECT_FALSE(session->hasUnsavedChanges());
    editRecord<FrameRecord>(*workspace, 2, [](FrameRecord& frame) { frame.name = "Rama nowa"; });
    EXPECT_TRUE(session->hasUnsavedChanges());
    const SaveOutcome saved = session->save();
    ASSERT_TRUE(saved.saved) << saved.message;
    EXPECT_FALSE(session->hasUnsavedChanges());
    Catalogue reloaded;
    loadCatalogue(reloaded, folder.path());
    EXPECT_EQ(catalogueFingerprint(reloaded), catalogueFingerprint(workspace->catalogue()));
    EXPECT_EQ(reloaded.frames[2].name, "Rama nowa");
}

// The message of a save that failed at the given file for the given reason.
std::string saveFailure(const std::filesystem::path& file, const std::string& reason)
{
    return "Katalog nie został zapisany: błąd zapisu pliku " + file.string() + ": " + reason +
           ". Pliki katalogu na dysku są bez zmian.";
}

TEST_F(EditorCatalogue, AFailedSaveSaysWhatIsInTheWayAndKeepsTheChangesUnsaved)
{
    editRecord<CondensingUnitRecord>(*workspace, 1,
                                     [](CondensingUnitRecord& unit) { unit.name = "Zmieniony"; });
    const auto condensers = std::filesystem::absolute(folder.path() / kCondenserFile);
    const auto frames = std::filesystem::absolute(folder.path() / kFrameFile);

    std::filesystem::create_directory(folder.path() / (std::string(kCondenserFile) + ".bak"));
    SaveOutcome outcome = session->save();
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.message, saveFailure(condensers, "cannot keep the previous version as "
                                                       "Skraplacze.txt.bak: Skraplacze.txt.bak "
                                                       "is a folder"));
    EXPECT_TRUE(session->hasUnsavedChanges());

    std::filesystem::remove(folder.path() / (std::string(kCondenserFile) + ".bak"));
    std::filesystem::remove(folder.path() / kFrameFile);
    std::filesystem::create_directory(folder.path() / kFrameFile);
    // Something else changed the files: the save asks first, then says what is in the way.
    outcome = session->save();
    EXPECT_FALSE(outcome.saved);
    EXPECT_TRUE(outcome.changedOnDisk);
    outcome = session->save(ChangesOnDisk::Overwrite);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.message, saveFailure(frames, "Podstawy.txt is a folder"));
    EXPECT_TRUE(session->hasUnsavedChanges());

    std::filesystem::remove(folder.path() / kFrameFile);
    // Steps 0 .. 3 keep the units' previous version, 4 creates the new file, 5 writes it.
    test::FailingFileSystem fullDisk(5, std::errc::no_space_on_device);
    outcome = session->save(fullDisk, nullptr, ChangesOnDisk::Overwrite);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.message, saveFailure(std::filesystem::absolute(folder.path() / kUnitFile),
                                           "no space left on the device"));
    EXPECT_TRUE(session->hasUnsavedChanges());
}

TEST_F(EditorCatalogue, ACatalogueReadOnlyInPartIsNeverSavedOver)
{
    // Units cannot be read: saving now would replace the unit file with what was not read.
    folder.write(kUnitFile, "not a count\r\n");
    const std::string before = folder.read(kUnitFile);
    const EditorOpening opening = session->open();
    EXPECT_FALSE(opening.catalogueLoaded);
    const SaveOutcome outcome = session->save();
    EXPECT_FALSE(outcome.saved);
    EXPECT_FALSE(outcome.message.empty());
    EXPECT_EQ(folder.read(kUnitFile), before);
}

TEST_F(EditorCatalogue, AFileCutShortIsSavedOnlyAfterAQuestion)
{
    EXPECT_FALSE(session->cutShortSaveQuestion());
    // The units' file loses its last record's last line.
    std::string content = folder.read(kUnitFile);
    content.erase(content.rfind("\r\n", content.size() - 3) + 2);
    folder.write(kUnitFile, content);
    ASSERT_TRUE(session->open().catalogueLoaded);
    const auto question = session->cutShortSaveQuestion();
    ASSERT_TRUE(question);
    EXPECT_NE(question->find(kUnitFile), std::string::npos) << *question;
    EXPECT_NE(question->find("Zapisać mimo to?"), std::string::npos);
}

TEST_F(EditorCatalogue, AChartClickChoosesTheAmbientWhoseBalanceLiesNearestTheClickedTk)
{
    DiscardingMessageSink sink;
    // Nothing chosen yet: a click does nothing.
    EXPECT_FALSE(session->chooseChartPoint(-10.2, 45, sink).ran);

    const int unit = 3;
    const auto boxes = editorFilterBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].option == &kUnitAllOption)
            session->setFilter(i, true);
    int row = 0;
    const auto& rows = session->grid(EditorGrid::Units).rows;
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (rows[r].index == unit)
            row = static_cast<int>(r) + 1;
    ASSERT_NE(row, 0);
    ASSERT_TRUE(session->clickRow(EditorGrid::Units, row, 0, sink).evaluated);

    // Every ambient item evaluated by hand at to = -10: the one nearest tk = 45 wins.
    const double clickedTk = 45;
    double bestDistance = 1e9;
    std::string bestAmbient;
    EditorInputs in = session->inputs();
    for (const std::string& item : ambientList(',').items) {
        in.to = "-10";
        in.ambient = item;
        const BalanceDisplay d = session->setInputs(in, sink);
        if (!d.outcome.succeeded())
            continue;
        const double distance = std::fabs(session->chart()->tk - clickedTk);
        if (distance <= bestDistance) {
            bestDistance = distance;
            bestAmbient = item;
        }
    }
    ASSERT_FALSE(bestAmbient.empty());

    session->typeInput(EditorInputBox::Ambient, "32");
    const BalanceDisplay chosen = session->chooseChartPoint(-10.2, clickedTk, sink);
    EXPECT_TRUE(chosen.evaluated);
    EXPECT_EQ(session->inputs().to, "-10"); // -10.2 on the 0.5 K raster
    EXPECT_EQ(session->inputs().ambient, bestAmbient);
    EXPECT_NE(session->panels().capacity, "");

    // A click far outside the unit's range keeps to inside its list.
    session->chooseChartPoint(-49, clickedTk, sink);
    EXPECT_EQ(session->inputs().to, session->inputs().evaporatingItems.back());
}

} // namespace
} // namespace kelvo
