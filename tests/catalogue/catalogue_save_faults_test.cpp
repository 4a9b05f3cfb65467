#include <array>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "core/catalogue/catalogue_files.h"
#include "core/io/file_set_transaction.h"
#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace kelvo
{
namespace
{

using test::FailingFileSystem;
using test::TempFolder;

std::string backupName(const char* file)
{
    return std::string(file) + ".bak";
}

// A save of the shipped catalogue with a change in each of the four files, over the shipped
// files and an earlier backup of each, cut short at one step. Whatever the step and however it
// ends, the next load must find the whole old set or the whole new one, the backups must be
// the set before it, nothing of the save may be left, and the save's outcome must say which.
class InterruptedSave : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        catalogue = std::make_unique<Catalogue>();
        loadCatalogue(*catalogue, test::sampleDataFolder());
        const auto shipped = prepared();
        for (std::size_t i = 0; i < kCatalogueFiles.size(); ++i)
            before[i] = shipped->read(kCatalogueFiles[i]);
        catalogue->compressors.at(1).model = "NEW-C";
        catalogue->condensers.at(1).model = "NEW-K";
        catalogue->units.at(1).name = "NEW-A";
        catalogue->frames.at(1).name = "NEW-P";
        for (std::size_t i = 0; i < kCatalogueFiles.size(); ++i) {
            after[i] = serialiseCatalogueFile(*catalogue, kCatalogueFileKinds[i]);
            ASSERT_NE(before[i], after[i]) << kCatalogueFiles[i];
        }
        // The steps of a whole save, and the one that commits it.
        const auto folder = prepared();
        FailingFileSystem counting;
        saveCatalogue(*catalogue, folder->path(), counting);
        steps = counting.steps();
        for (std::size_t i = 0; i < steps.size(); ++i)
            if (steps[i].starts_with("rename ") &&
                steps[i].ends_with(std::string(" ") + kCatalogueJournal))
                commit = static_cast<int>(i);
        ASSERT_GT(commit, 0);
    }

    // The shipped files with an earlier backup of each.
    std::unique_ptr<TempFolder> prepared() const
    {
        auto made = std::make_unique<TempFolder>();
        for (const char* file : kCatalogueFiles) {
            std::filesystem::copy_file(test::sampleDataFolder() / file, made->path() / file);
            made->write(backupName(file), std::string("earlier ") + file);
        }
        return made;
    }

    // Loads the folder as the next program would and checks what it finds: the new set exactly
    // when `saved`.
    void expectOneSet(const TempFolder& where, bool saved) const
    {
        auto loaded = std::make_unique<Catalogue>();
        loadCatalogue(*loaded, where.path());
        for (std::size_t i = 0; i < kCatalogueFiles.size(); ++i) {
            SCOPED_TRACE(kCatalogueFiles[i]);
            EXPECT_EQ(where.read(kCatalogueFiles[i]), saved ? after[i] : before[i]);
            EXPECT_EQ(where.read(backupName(kCatalogueFiles[i])),
                      saved ? before[i] : std::string("earlier ") + kCatalogueFiles[i]);
            EXPECT_EQ(std::filesystem::hard_link_count(where.path() / kCatalogueFiles[i]), 1u);
        }
        for (const auto& entry : std::filesystem::directory_iterator(where.path())) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name.ends_with(".txt") || name.ends_with(".bak") || name == kCatalogueLock)
                << name << " left behind";
        }
    }

    std::unique_ptr<Catalogue> catalogue;
    std::array<std::string, 4> before;
    std::array<std::string, 4> after;
    std::vector<std::string> steps;
    int commit = -1;
};

TEST_F(InterruptedSave, AnErrorAtAnyStepSavesAllOrNothingAndSaysWhich)
{
    // A full disk, no permission, a folder in the way, a failing device, in turn.
    const std::array<std::errc, 4> errors = {std::errc::no_space_on_device,
                                             std::errc::permission_denied,
                                             std::errc::is_a_directory, std::errc::io_error};
    for (int step = 0; step < static_cast<int>(steps.size()); ++step) {
        SCOPED_TRACE("step " + std::to_string(step) + ": " + steps[static_cast<std::size_t>(step)]);
        const auto where = prepared();
        FailingFileSystem ops(step, errors[static_cast<std::size_t>(step) % errors.size()]);
        bool saved = false;
        try {
            const CatalogueSave save = saveCatalogue(*catalogue, where->path(), ops);
            saved = true;
            // After the commit a failure is still told (but for the last flush, after the commit
            // record is gone): what was left undone, and whether the device may not hold the
            // commit record yet (its folder flush failed).
            EXPECT_EQ(save.unfinished.empty(), step + 1 == static_cast<int>(steps.size()));
            EXPECT_EQ(save.onDisk, step != commit + 1);
        } catch (const CatalogueFileError& error) {
            EXPECT_FALSE(error.reason().empty());
        }
        EXPECT_TRUE(ops.failed());
        EXPECT_EQ(saved, step > commit);
        expectOneSet(*where, saved);
    }
}

TEST_F(InterruptedSave, AProcessKilledAtAnyStepLeavesOneSetForTheNextLoad)
{
    for (int step = 0; step <= static_cast<int>(steps.size()); ++step) {
        SCOPED_TRACE("killed before step " + std::to_string(step));
        const auto where = prepared();
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            FailingFileSystem ops(step, std::errc::io_error, FailingFileSystem::Fault::Kill);
            try {
                saveCatalogue(*catalogue, where->path(), ops);
            } catch (...) {
                ::_exit(2);
            }
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        const bool killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
        EXPECT_EQ(killed, step < static_cast<int>(steps.size()));
        // The step it was killed at had not run: the save had passed its commit point when that
        // was an earlier step.
        expectOneSet(*where, step > commit);
    }
}

TEST_F(InterruptedSave, AnUnchangedFileIsNotRewrittenAndKeepsItsBackup)
{
    const auto where = prepared();
    auto onlyUnits = std::make_unique<Catalogue>();
    loadCatalogue(*onlyUnits, where->path());
    onlyUnits->units.at(1).name = "NEW-A";
    const CatalogueSave save = saveCatalogue(*onlyUnits, where->path());
    EXPECT_EQ(save.written, std::vector<std::string>{kUnitFile});
    // A second save of another change keeps the units' backup of the first.
    onlyUnits->frames.at(1).name = "NEW-P";
    saveCatalogue(*onlyUnits, where->path());
    EXPECT_EQ(where->read(backupName(kCompressorFile)), std::string("earlier ") + kCompressorFile);
    EXPECT_EQ(where->read(backupName(kUnitFile)), before[2]);
    EXPECT_EQ(where->read(backupName(kFrameFile)), before[3]);
}

TEST_F(InterruptedSave, DamagedOrHostileRecordsNeverMixTheSets)
{
    const auto killAt = [&](int step) {
        auto where = prepared();
        const pid_t child = ::fork();
        if (child == 0) {
            FailingFileSystem killing(step, std::errc::io_error, FailingFileSystem::Fault::Kill);
            saveCatalogue(*catalogue, where->path(), killing);
            ::_exit(0);
        }
        ::waitpid(child, nullptr, 0);
        return where;
    };
    const auto damageTemporaryOf = [](const TempFolder& where, const std::string& file) {
        for (const auto& entry : std::filesystem::directory_iterator(where.path()))
            if (entry.path().filename().string().starts_with(file + ".") &&
                entry.path().extension() == ".tmp")
                std::filesystem::resize_file(entry.path(), 10);
    };
    const auto folderText = [](const TempFolder& where) {
        return std::filesystem::absolute(where.path()).string();
    };
    auto loaded = std::make_unique<Catalogue>();

    // Committed, no rename done, a temporary damaged since: the old set is whole, so undone.
    auto where = killAt(commit + 1);
    ASSERT_FALSE(where->read(kCatalogueJournal).empty());
    damageTemporaryOf(*where, kUnitFile);
    const CatalogueRecovery undone{CatalogueRecovery::Done::Undone, folderText(*where), {}};
    EXPECT_EQ(loadCatalogue(*loaded, where->path()).recovery, undone);
    expectOneSet(*where, false);

    // Two renames done, then a temporary damaged: neither set can be made; the load says so.
    where = killAt(commit + 4);
    damageTemporaryOf(*where, kUnitFile);
    try {
        loadCatalogue(*loaded, where->path());
        ADD_FAILURE() << "the load went on";
    } catch (const CatalogueFileError& error) {
        EXPECT_EQ(error.fileName(), kCatalogueJournal);
        EXPECT_NE(error.reason().find("can be neither finished nor undone"), std::string::npos)
            << error.what();
    }

    // A record without its last line was never complete, and one naming files outside the set
    // (with a right checksum) is no record of ours: the save is undone, nothing else touched.
    where = killAt(commit + 1);
    const std::string record = where->read(kCatalogueJournal);
    for (const std::string& bad :
         {record.substr(0, record.size() - 3), [&] {
              std::string body =
                  "kelvo-file-set 1\n../victim.txt.abcdef.tmp\t../victim.txt\t1\t1\n";
              char sum[17];
              std::snprintf(sum, sizeof sum, "%llx",
                            static_cast<unsigned long long>(contentChecksum(body)));
              return body + "end\t1\t" + sum + "\n";
          }()}) {
        where->write(kCatalogueJournal, bad);
        where->write("../victim.txt", "theirs");
        const CatalogueLoad load = loadCatalogue(*loaded, where->path());
        EXPECT_EQ(load.recovery,
                  (CatalogueRecovery{CatalogueRecovery::Done::Undone, folderText(*where), {}}));
        EXPECT_EQ(where->read("../victim.txt"), "theirs");
        std::filesystem::remove(where->path() / "../victim.txt");
        expectOneSet(*where, false);
    }
}

} // namespace
} // namespace kelvo
