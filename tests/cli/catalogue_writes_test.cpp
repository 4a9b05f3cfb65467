#include <fcntl.h>
#include <filesystem>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <sys/file.h>
#include <unistd.h>

#include "cli/run_program.h"
#include "core/catalogue/catalogue_files.h"

namespace kelvo
{
namespace
{

class CatalogueWrites : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        for (const char* name : kCatalogueFiles)
            std::filesystem::copy_file(test::sampleDataFolder() / name, folder.path() / name);
    }

    test::ProgramRun addCompressor(const char* refrigerant) const
    {
        return test::runKelvo({"edit", "add-compressor", "--refrigerant", refrigerant, "--data",
                               folder.path().string()});
    }

    test::TempFolder folder;
};

// Two programs adding compressors to one catalogue at the same time: each edit applies to what
// the other saved, so none is lost, no file is torn and no backup shares its file's data.
TEST_F(CatalogueWrites, NoEditIsLostAndNoFileTorn)
{
    Catalogue start;
    loadCatalogue(start, folder.path());
    constexpr int kRounds = 200;
    for (int round = 0; round < kRounds; ++round) {
        auto other = std::async(std::launch::async, [&] { return addCompressor("R134a"); });
        const test::ProgramRun mine = addCompressor("R404A");
        const test::ProgramRun theirs = other.get();
        ASSERT_EQ(mine.exitCode, 0) << "round " << round << ": " << mine.err;
        ASSERT_EQ(theirs.exitCode, 0) << "round " << round << ": " << theirs.err;
    }
    auto end = std::make_unique<Catalogue>();
    loadCatalogue(*end, folder.path());
    ASSERT_EQ(end->compressors.count(), start.compressors.count() + 2 * kRounds);
    std::set<std::string> ids;
    for (int i = 1; i <= end->compressors.count(); ++i)
        ids.insert(std::string(end->compressors[i].id.view()));
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(end->compressors.count()));
    for (const char* name : {kCompressorFile, "sprezarki.txt.bak"})
        EXPECT_EQ(std::filesystem::hard_link_count(folder.path() / name), 1u) << name;
}

// A writer that does not let go: the edit waits, then says who holds the catalogue.
TEST_F(CatalogueWrites, ASecondWriterWaitsThenNamesTheProgramWriting)
{
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        const auto lock = lockCatalogueForWriting(folder.path());
        ::sleep(30);
        ::_exit(0);
    }
    // Wait until the holder has the lock.
    for (int i = 0; i < 500; ++i) {
        const int handle = ::open((folder.path() / kCatalogueLock).c_str(), O_RDONLY);
        const bool taken = handle >= 0 && ::flock(handle, LOCK_SH | LOCK_NB) != 0;
        if (handle >= 0)
            ::close(handle);
        if (taken)
            break;
        ::usleep(10000);
    }
    const test::ProgramRun run = addCompressor("R404A");
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("is being written by another program (process " +
                           std::to_string(holder) + ")"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(addCompressor("R404A").exitCode, 0); // the lock went with its holder
}

// Any command that reads the catalogue first undoes a save cut short, and says so once.
TEST_F(CatalogueWrites, ASaveCutShortIsUndoneByTheNextCommandWhichSaysSoOnce)
{
    for (const char* table : {"R404A.txt", "R407C.txt", "R22.txt", "R134a.txt"})
        std::filesystem::copy_file(test::sampleDataFolder() / table, folder.path() / table);
    folder.write("Agregaty.txt.x1Y2z3.tmp", "half a file");
    const test::ProgramRun first = test::runKelvo({"check", "--data", folder.path().string()});
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.err, "kelvo: An interrupted save of the catalogue was undone in the folder " +
                             folder.path().string() + "\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Agregaty.txt.x1Y2z3.tmp"));
    EXPECT_EQ(test::runKelvo({"check", "--data", folder.path().string()}).err, "");
}

TEST_F(CatalogueWrites, AFileOverItsCapacityIsAFailureNotABadCommandLine)
{
    std::string content = folder.read(kCompressorFile);
    const std::size_t count = content.find("\r\n") + 2;
    content.replace(count, content.find("\r\n", count) - count, "801");
    folder.write(kCompressorFile, content);
    const test::ProgramRun run = test::runKelvo({"check", "--data", folder.path().string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("announces 801 records; the table holds 0 to 800"), std::string::npos)
        << run.err;
}

} // namespace
} // namespace kelvo
