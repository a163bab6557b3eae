// The temporary file that a change is written into before it is renamed over
// the old file: a short name of its own, so that a file name of any length the
// system allows can be written; and temporary files left behind by killed
// saves are removed at the next write into their folder, while those of live
// programs and every file not of our own pattern stay.
#include "StorageTestUtil.h"
#include "storage/paramsfile/FileReplacement.h"

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace kv;
using namespace kv::test;

namespace {

class TempFiles : public TFolderFixture {
  protected:
    // Runs a save of one more set in a child that the system kills for
    // exceeding a file-size limit while it writes the temporary file.
    TChildResult KilledSave(const std::string& file) {
        return RunInChild([&]() -> std::string {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit l{kRecordSize, kRecordSize};
            if (::setrlimit(RLIMIT_FSIZE, &l) != 0) return "setrlimit failed";
            TRecordingWarnings w;
            WriteParameterSet(file, DefaultSet("Killed"), w);
            return "the save was not killed";
        });
    }
    void SaveOne(const std::string& file) {
        ASSERT_TRUE(WriteParameterSet(file, DefaultSet("Next"), warnings).Written);
    }
};

TEST_F(TempFiles, TemporaryFilesOfKilledSavesGoAtTheNextSave) {
    const std::string file = PathOf("db.sav");
    CreateParamsFile(file);
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(KilledSave(file).ExitCode, 128 + SIGXFSZ);
    ASSERT_GT(FolderEntries(Folder()).size(), 1u) << "the killed saves left files behind";
    SaveOne(file);
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"db.sav"});
}

// Only a temporary file that no live program holds is ours to remove.
TEST_F(TempFiles, TemporaryFileOfALiveProgramStays) {
    const std::string output = PathOf("deals.txt");
    int ready[2], go[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(go), 0);
    TRunningChild writer([&] {
        TFileReplacement replacement(output);
        replacement.Write("half");
        char byte = 'r';
        [[maybe_unused]] auto n = ::write(ready[1], &byte, 1);
        n = ::read(go[0], &byte, 1);
        replacement.Write(" and half");
        replacement.Commit();
        return std::string("committed");
    });
    writer.Release();
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ASSERT_EQ(FolderEntries(Folder()).size(), 1u) << "the live program's temporary file";
    SaveOne(PathOf("db.sav"));
    ASSERT_EQ(::write(go[1], &byte, 1), 1);
    const TChildResult r = writer.Wait();
    for (const int fd : {ready[0], ready[1], go[0], go[1]})
        ::close(fd);
    EXPECT_EQ(r.Text, "committed");
    const std::string text = "half and half";
    EXPECT_EQ(ReadBytes(output), TBytes(text.begin(), text.end()));
    EXPECT_EQ(FolderEntries(Folder()), (std::vector<std::string>{"db.sav", "deals.txt"}));
}

struct TNameCase {
    const char* Name;
    std::string File;
    bool Removed;
};

class StaleNames : public TempFiles, public ::testing::WithParamInterface<TNameCase> {};

TEST_P(StaleNames, OnlyOurOwnPatternIsRemoved) {
    WriteBytes(PathOf(GetParam().File), TBytes{1, 2, 3});
    SaveOne(PathOf("db.sav"));
    const bool stays = std::filesystem::exists(PathOf(GetParam().File));
    EXPECT_EQ(!stays, GetParam().Removed);
}

INSTANTIATE_TEST_SUITE_P(
    TempFiles, StaleNames,
    ::testing::Values(TNameCase{"Ours", ".kestrovanhalme-Ab12Zx", true},
                      TNameCase{"OursAllDigits", ".kestrovanhalme-000000", true},
                      TNameCase{"FiveCharacters", ".kestrovanhalme-Ab12Z", false},
                      TNameCase{"SevenCharacters", ".kestrovanhalme-Ab12Zxy", false},
                      TNameCase{"WithoutTheDot", "kestrovanhalme-Ab12Zx", false},
                      TNameCase{"WithASuffix", ".kestrovanhalme-Ab12Zx.bak", false},
                      TNameCase{"NotALetterOrDigit", ".kestrovanhalme-Ab12Z_", false},
                      TNameCase{"OtherProgramsPattern", ".db.sav.Ab12Zx", false}),
    [](const auto& info) { return std::string(info.param.Name); });

struct TLengthCase {
    std::size_t Length;
    const char* Failure; // empty when the file is written
};

class NameLength : public TFolderFixture, public ::testing::WithParamInterface<TLengthCase> {};

TEST_P(NameLength, FileNamesUpToTheSystemLimitCanBeWritten) {
    const std::string file = PathOf(std::string(GetParam().Length - 4, 'n') + ".sav");
    std::string failure;
    try {
        EXPECT_TRUE(WriteParameterSet(file, DefaultSet("Long"), warnings).Written);
    } catch (const EInOutError& e) {
        failure = e.Description();
    }
    EXPECT_EQ(failure, GetParam().Failure);
    const std::size_t files = GetParam().Failure[0] == '\0' ? 1 : 0;
    EXPECT_EQ(FolderEntries(Folder()).size(), files);
}

INSTANTIATE_TEST_SUITE_P(TempFiles, NameLength,
                         ::testing::Values(TLengthCase{247, ""}, TLengthCase{248, ""},
                                           TLengthCase{255, ""},
                                           TLengthCase{256, "File name too long"}),
                         [](const auto& info) { return std::to_string(info.param.Length); });

} // namespace
