#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

#include "core/app/application_state.h"
#include "core/app/message_sink.h"
#include "core/catalogue/catalogue_files.h"
#include "core/catalogue/lookups.h"
#include "core/editor/catalogue_saving.h"
#include "core/editor/chart_click.h"
#include "core/editor/editor_session.h"
#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

// The editor opened on a copy of the shipped catalogue, so that saving writes into the copy.
class EditorCatalogue : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        std::filesystem::copy(test::sampleDataFolder(), folder.path(),
                              std::filesystem::copy_options::recursive);
        state = std::make_unique<ApplicationState>();
        state->programDir = folder.path();
        ASSERT_TRUE(openEditor(*state).catalogueLoaded);
    }

    test::TempFolder folder;
    std::unique_ptr<ApplicationState> state;
};

TEST_F(EditorCatalogue, ChangesCountUntilSavedAndTheSavedFilesLoadBackIdentical)
{
    EXPECT_FALSE(hasUnsavedChanges(*state));
    state->catalogue.frames.at(2).name = "Rama nowa";
    EXPECT_TRUE(hasUnsavedChanges(*state));
    const SaveOutcome saved = saveEditorCatalogue(*state);
    ASSERT_TRUE(saved.saved) << saved.message;
    EXPECT_FALSE(hasUnsavedChanges(*state));
    Catalogue reloaded;
    loadCatalogue(reloaded, folder.path());
    EXPECT_EQ(catalogueFingerprint(reloaded), catalogueFingerprint(state->catalogue));
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
    state->catalogue.units.at(1).name = "Zmieniony";
    const auto condensers = std::filesystem::absolute(folder.path() / kCondenserFile);
    const auto frames = std::filesystem::absolute(folder.path() / kFrameFile);

    std::filesystem::create_directory(folder.path() / (std::string(kCondenserFile) + ".bak"));
    SaveOutcome outcome = saveEditorCatalogue(*state);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.message, saveFailure(condensers, "cannot keep the previous version as "
                                                       "Skraplacze.txt.bak: Skraplacze.txt.bak "
                                                       "is a folder"));
    EXPECT_TRUE(hasUnsavedChanges(*state));

    std::filesystem::remove(folder.path() / (std::string(kCondenserFile) + ".bak"));
    std::filesystem::remove(folder.path() / kFrameFile);
    std::filesystem::create_directory(folder.path() / kFrameFile);
    // Something else changed the files: the save asks first, then says what is in the way.
    outcome = saveEditorCatalogue(*state);
    EXPECT_FALSE(outcome.saved);
    EXPECT_TRUE(outcome.changedOnDisk);
    outcome = saveEditorCatalogue(*state, ChangesOnDisk::Overwrite);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.message, saveFailure(frames, "Podstawy.txt is a folder"));
    EXPECT_TRUE(hasUnsavedChanges(*state));

    std::filesystem::remove(folder.path() / kFrameFile);
    // Steps 0 .. 3 keep the units' previous version, 4 creates the new file, 5 writes it.
    test::FailingFileSystem fullDisk(5, std::errc::no_space_on_device);
    outcome = saveEditorCatalogue(*state, fullDisk, nullptr, ChangesOnDisk::Overwrite);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.message, saveFailure(std::filesystem::absolute(folder.path() / kUnitFile),
                                           "no space left on the device"));
    EXPECT_TRUE(hasUnsavedChanges(*state));
}

TEST_F(EditorCatalogue, ACatalogueReadOnlyInPartIsNeverSavedOver)
{
    // Units cannot be read: saving now would replace the unit file with what was not read.
    folder.write(kUnitFile, "not a count\r\n");
    const std::string before = folder.read(kUnitFile);
    const EditorOpening opening = openEditor(*state);
    EXPECT_FALSE(opening.catalogueLoaded);
    const SaveOutcome outcome = saveEditorCatalogue(*state);
    EXPECT_FALSE(outcome.saved);
    EXPECT_FALSE(outcome.message.empty());
    EXPECT_EQ(folder.read(kUnitFile), before);
}

TEST_F(EditorCatalogue, AChartClickChoosesTheAmbientWhoseBalanceLiesNearestTheClickedTk)
{
    DiscardingMessageSink sink;
    // Nothing chosen yet: a click does nothing.
    EXPECT_FALSE(chooseInputsAtChartPoint(*state, -10.2, 45, sink).ran);

    const int unit = 3;
    auto& grid = state->editor.grid(EditorGrid::Units);
    state->editor.filters.unitAll = true;
    refillGrid(*state, EditorGrid::Units);
    grid.currentRow = 0;
    for (std::size_t r = 0; r < grid.rows.size(); ++r)
        if (grid.rows[r].index == unit)
            grid.currentRow = static_cast<int>(r) + 1;
    ASSERT_NE(grid.currentRow, 0);
    ASSERT_TRUE(unitRowClicked(*state, sink).evaluated);

    // Every ambient item evaluated by hand at to = -10: the one nearest tk = 45 wins.
    const double clickedTk = 45;
    double bestDistance = 1e9;
    std::string bestAmbient;
    for (const std::string& item : ambientList(',').items) {
        state->editor.inputs.to = "-10";
        state->editor.inputs.ambient = item;
        const BalanceDisplay d = inputChanged(*state, sink);
        if (!d.outcome.succeeded())
            continue;
        const double distance = std::fabs(state->editor.chart->tk - clickedTk);
        if (distance <= bestDistance) {
            bestDistance = distance;
            bestAmbient = item;
        }
    }
    ASSERT_FALSE(bestAmbient.empty());

    state->editor.inputs.ambient = "32";
    const BalanceDisplay chosen = chooseInputsAtChartPoint(*state, -10.2, clickedTk, sink);
    EXPECT_TRUE(chosen.evaluated);
    EXPECT_EQ(state->editor.inputs.to, "-10"); // -10.2 on the 0.5 K raster
    EXPECT_EQ(state->editor.inputs.ambient, bestAmbient);
    EXPECT_NE(state->editor.panels.capacity, "");

    // A click far outside the unit's range keeps to inside its list.
    chooseInputsAtChartPoint(*state, -49, clickedTk, sink);
    const auto lowest = state->editor.inputs.evaporatingItems.back();
    EXPECT_EQ(state->editor.inputs.to, lowest);
}

} // namespace
} // namespace kelvo
