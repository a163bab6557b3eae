// What a failed write leaves behind, and what a read-only file allows. Writes
// are made to fail in a child process with a file-size limit (the disk-full
// case) or as an unprivileged user (the read-only case, also when the tests
// run as root): the file must keep every byte, and no temporary file remains.
#include "StorageTestUtil.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace kv;
using namespace kv::test;

namespace {

class Safety : public TFolderFixture {
  protected:
    // Runs operation in a child limited to files of at most limit bytes; returns
    // the description of the EInOutError it must throw.
    static TChildResult UnderSizeLimit(std::uint64_t limit,
                                       const std::function<void()>& operation) {
        return RunInChild([&]() -> std::string {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit l{limit, limit};
            if (::setrlimit(RLIMIT_FSIZE, &l) != 0) return "setrlimit failed";
            try {
                operation();
            } catch (const EInOutError& e) {
                return e.Description();
            }
            return "the operation did not fail";
        });
    }
    void MakeFolderOpenToAll() {
        std::filesystem::permissions(Folder(), std::filesystem::perms::all);
    }
    std::string ReadOnlyFile(const TBytes& bytes) {
        WriteBytes(PathOf("ro.sav"), bytes);
        ::chmod(PathOf("ro.sav").c_str(), 0444);
        MakeFolderOpenToAll();
        return PathOf("ro.sav");
    }
    static TBytes Database(int sets) {
        TBytes bytes = RecordBytes(HeaderRecord());
        for (int i = 1; i <= sets; ++i)
            bytes = Concat({bytes, RecordBytes(DefaultSet("Set " + std::to_string(i)))});
        return bytes;
    }
};

void SkipIfNoUnprivilegedUser(const TChildResult& r) {
    if (r.ExitCode == kCannotDropPrivileges)
        GTEST_SKIP() << "cannot switch to an unprivileged user";
}

} // namespace

TEST_F(Safety, FailedAppendLeavesNoPartialRecord) {
    const TBytes before = Database(2);
    WriteBytes(PathOf("db.sav"), before);
    const TChildResult r = UnderSizeLimit(before.size() + 400, [&] {
        TRecordingWarnings w;
        WriteParameterSet(PathOf("db.sav"), DefaultSet("New"), w);
    });
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_EQ(r.Text, "File too large");
    EXPECT_EQ(ReadBytes(PathOf("db.sav")), before);
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"db.sav"});
}

TEST_F(Safety, FailedSlotReuseLeavesNoHalfOverwrittenSlot) {
    TBytes before = Database(3);
    std::fill(before.begin() + 2 * kRecordSize, before.begin() + 3 * kRecordSize, 0);
    WriteBytes(PathOf("db.sav"), before);
    const TChildResult r = UnderSizeLimit(2 * kRecordSize + 300, [&] {
        TRecordingWarnings w;
        WriteParameterSet(PathOf("db.sav"), DefaultSet("New"), w);
    });
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_EQ(r.Text, "File too large");
    EXPECT_EQ(ReadBytes(PathOf("db.sav")), before);
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"db.sav"});
}

TEST_F(Safety, FailedDeleteLeavesTheSetInPlace) {
    const TBytes before = Database(3);
    WriteBytes(PathOf("db.sav"), before);
    const TChildResult r =
        UnderSizeLimit(kRecordSize, [&] { DeleteParameterSet(PathOf("db.sav"), 2); });
    EXPECT_EQ(r.Text, "File too large");
    EXPECT_EQ(ReadBytes(PathOf("db.sav")), before);
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"db.sav"});
}

// A change copies the file a block of records at a time: a write that fails
// after the first blocks leaves the file as whole as one that fails at once.
TEST_F(Safety, FailedDeleteInALongFileLeavesItWhole) {
    const TBytes before = Database(700);
    WriteBytes(PathOf("db.sav"), before);
    const TChildResult r =
        UnderSizeLimit(600 * kRecordSize, [&] { DeleteParameterSet(PathOf("db.sav"), 650); });
    EXPECT_EQ(r.Text, "File too large");
    EXPECT_EQ(ReadBytes(PathOf("db.sav")), before);
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"db.sav"});
}

TEST_F(Safety, FailedCreateKeepsTheOldFile) {
    const TBytes before = Database(1);
    WriteBytes(PathOf("db.sav"), before);
    const TChildResult r = UnderSizeLimit(100, [&] { CreateParamsFile(PathOf("db.sav")); });
    EXPECT_EQ(r.Text, "File too large");
    EXPECT_EQ(ReadBytes(PathOf("db.sav")), before);
}

TEST_F(Safety, FailedWriteIntoANewFileLeavesNoFile) {
    const TChildResult r = UnderSizeLimit(kRecordSize, [&] {
        TRecordingWarnings w;
        WriteParameterSet(PathOf("new.sav"), DefaultSet("New"), w);
    });
    EXPECT_EQ(r.Text, "File too large");
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{});
}

TEST_F(Safety, ReadOnlyExchangeFileCanBeListedAndRead) {
    const std::string file = ReadOnlyFile(Database(2));
    const TChildResult r = RunUnprivileged([&] {
        TRecordingWarnings w;
        std::vector<TSetEntry> names;
        ListParameterSets(names, file, w);
        const TReadResult read = ReadParameterSet(file, 2, w);
        return std::to_string(names.size()) + " sets, " + RecordName(read.Record) + ", " +
               std::to_string(w.Shown.size()) + " warnings";
    });
    SkipIfNoUnprivilegedUser(r);
    EXPECT_EQ(r.ExitCode, 0) << r.Text;
    EXPECT_EQ(r.Text, "2 sets, Set 2, 0 warnings");
}

TEST_F(Safety, ReadOnlyFileIsNotWrittenEvenInAnOpenFolder) {
    const TBytes before = Database(2);
    const std::string file = ReadOnlyFile(before);
    const TChildResult r = RunUnprivileged([&]() -> std::string {
        TRecordingWarnings w;
        std::string outcome;
        for (const auto& op : std::vector<std::function<void()>>{
                 [&] { WriteParameterSet(file, DefaultSet("New"), w); },
                 [&] { DeleteParameterSet(file, 1); }, [&] { CreateParamsFile(file); }}) {
            try {
                op();
                outcome += "written;";
            } catch (const EInOutError& e) {
                outcome += e.Description() + ";";
            }
        }
        return outcome;
    });
    SkipIfNoUnprivilegedUser(r);
    EXPECT_EQ(r.Text, "Permission denied;Permission denied;Permission denied;");
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"ro.sav"});
}

TEST_F(Safety, UnreadableFileListsWithAWarning) {
    const std::string file = PathOf("secret.sav");
    WriteBytes(file, Database(1));
    ::chmod(file.c_str(), 0);
    MakeFolderOpenToAll();
    const TChildResult r = RunUnprivileged([&] {
        TRecordingWarnings w;
        std::vector<TSetEntry> names;
        ListParameterSets(names, file, w);
        return w.Shown.empty() ? std::string("no warning") : w.Shown.front();
    });
    SkipIfNoUnprivilegedUser(r);
    EXPECT_EQ(r.Text, "Error reading '" + file + "'.");
}
