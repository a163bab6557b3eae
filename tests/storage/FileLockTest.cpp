// The lock of a folder's parameter-file changes: a second program waits for
// it, gives up with a message when the holder keeps it too long, is never
// kept out by the lock file of a program that died holding it, and names a
// lock file that cannot be locked.
#include "storage/paramsfile/src/FileLock.h"
#include "StorageTestUtil.h"

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using namespace kv;
using namespace kv::test;
using kv::detail::TFolderLock;

namespace {

class FolderLock : public TFolderFixture {
  protected:
    std::string LockError(std::chrono::milliseconds wait) {
        try {
            TFolderLock lock(Folder(), "db.sav", wait);
        } catch (const EInOutError& e) {
            return e.FileName() + ": " + e.Description();
        }
        return "locked";
    }
};

TEST_F(FolderLock, AnotherProgramsLockRunsOutTheWait) {
    int held[2], done[2];
    ASSERT_EQ(::pipe(held), 0);
    ASSERT_EQ(::pipe(done), 0);
    TRunningChild holder([&] {
        TFolderLock lock(Folder(), "db.sav");
        char byte = 'h';
        [[maybe_unused]] auto n = ::write(held[1], &byte, 1);
        n = ::read(done[0], &byte, 1);
        return std::string("released");
    });
    holder.Release();
    char byte = 0;
    ASSERT_EQ(::read(held[0], &byte, 1), 1);
    EXPECT_EQ(LockError(std::chrono::milliseconds(50)),
              "db.sav: The file is being changed by another program");
    ASSERT_EQ(::write(done[1], &byte, 1), 1);
    EXPECT_EQ(holder.Wait().Text, "released");
    for (const int fd : {held[0], held[1], done[0], done[1]})
        ::close(fd);
    EXPECT_EQ(LockError(std::chrono::milliseconds(0)), "locked");
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{}) << "the lock file goes";
}

TEST_F(FolderLock, LockFileOfAKilledProgramBlocksNobody) {
    const TChildResult killed = RunInChild([&] {
        TFolderLock lock(Folder(), "db.sav");
        ::raise(SIGKILL);
        return std::string("not killed");
    });
    ASSERT_EQ(killed.ExitCode, 128 + SIGKILL);
    ASSERT_EQ(FolderEntries(Folder()), std::vector<std::string>{detail::kLockFileName});
    EXPECT_EQ(LockError(std::chrono::milliseconds(0)), "locked");
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{});
}

// Something under the name of a lock file (or of the turn) that cannot be
// locked: the save reports that lock file and what is wrong with it, and
// changes nothing. Run as an unprivileged user, whom a file without
// permissions keeps out even when the tests run as root.
struct TLockFileCase {
    const char* Name;
    const char* File;
    void (*Make)(const std::filesystem::path& at); // nothing there when null
    const char* Fault;                             // empty when the save is made
};

std::ostream& operator<<(std::ostream& os, const TLockFileCase& c) {
    return os << c.Name;
}

void MakeDirectory(const std::filesystem::path& at) {
    std::filesystem::create_directory(at);
}
void MakeLink(const std::filesystem::path& at) {
    std::filesystem::create_symlink(at.parent_path() / "elsewhere", at);
}
void MakeUnreadable(const std::filesystem::path& at) {
    WriteBytes(at, {});
    ::chmod(at.c_str(), 0);
}

class LockFileFaults : public TFolderFixture,
                       public ::testing::WithParamInterface<TLockFileCase> {};

TEST_P(LockFileFaults, SaveNamesTheLockFileAndItsFault) {
    const std::string file = PathOf("db.sav");
    CreateParamsFile(file);
    ::chmod(file.c_str(), 0666);
    std::filesystem::permissions(Folder(), std::filesystem::perms::all);
    const TBytes before = ReadBytes(file);
    if (GetParam().Make) GetParam().Make(PathOf(GetParam().File));
    const TChildResult r = RunUnprivileged([&]() -> std::string {
        TRecordingWarnings w;
        try {
            return WriteParameterSet(file, DefaultSet("New"), w).Written ? "saved" : "refused";
        } catch (const EInOutError& e) {
            return e.what();
        }
    });
    if (r.ExitCode == kCannotDropPrivileges)
        GTEST_SKIP() << "cannot switch to an unprivileged user";
    const std::string fault = GetParam().Fault;
    if (fault.empty()) {
        EXPECT_EQ(r.Text, "saved");
        EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"db.sav"});
        return;
    }
    EXPECT_EQ(r.Text, "'" + file + "': The lock file '" + PathOf(GetParam().File) + "' " + fault);
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_FALSE(std::filesystem::exists(PathOf("elsewhere")));
}

INSTANTIATE_TEST_SUITE_P(
    FolderLock, LockFileFaults,
    ::testing::Values(
        TLockFileCase{"Good", detail::kLockFileName, nullptr, ""},
        TLockFileCase{"Directory", detail::kLockFileName, MakeDirectory, "is a directory"},
        TLockFileCase{"SymbolicLink", detail::kLockFileName, MakeLink, "is a symbolic link"},
        TLockFileCase{"Unreadable", detail::kLockFileName, MakeUnreadable,
                      "cannot be opened: Permission denied"},
        TLockFileCase{"TurnIsADirectory", detail::kTurnFileName, MakeDirectory, "is a directory"}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
