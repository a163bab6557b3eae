// The lock of a folder's parameter-file changes: a second program waits for
// it, gives up with a message when the holder keeps it too long, and is never
// kept out by the lock file of a program that died holding it.
#include "storage/paramsfile/src/FileLock.h"
#include "StorageTestUtil.h"

#include <csignal>
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

TEST_F(FolderLock, LockFileThatIsALinkIsRefused) {
    std::filesystem::create_symlink(PathOf("elsewhere"), PathOf(detail::kLockFileName));
    EXPECT_EQ(LockError(std::chrono::milliseconds(0)), "db.sav: Too many levels of symbolic links");
    EXPECT_FALSE(std::filesystem::exists(PathOf("elsewhere")));
}

} // namespace
