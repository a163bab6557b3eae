// Reading and deleting a set by the record number a listing gave it, after
// another program may have changed the file: the record must still hold the
// listed set, or nothing is read or deleted.
#include "StorageTestUtil.h"

using namespace kv;
using namespace kv::test;

namespace {

// A file of sets "a", "b", "c" at records 1 to 3; "b" is the listed set.
const TSetEntry kListed{"b", 2};

struct TChange {
    const char* Name;
    // What another program did to the file since it was listed.
    std::function<void(const std::string& file)> Make;
    bool StillListed;
};

std::ostream& operator<<(std::ostream& os, const TChange& change) {
    return os << change.Name;
}

class ListedSet : public TFolderFixture, public ::testing::WithParamInterface<TChange> {
  protected:
    std::string ChangedFile() {
        const std::string file = PathOf("db.sav");
        TBytes bytes = RecordBytes(HeaderRecord());
        for (const char* name : {"a", "b", "c"})
            bytes = Concat({bytes, RecordBytes(DefaultSet(name))});
        WriteBytes(file, bytes);
        GetParam().Make(file);
        return file;
    }
};

TEST_P(ListedSet, IsReadOnlyWhileItsRecordHoldsIt) {
    const std::string file = ChangedFile();
    const TListedRead read = ReadListedSet(file, kListed, warnings);
    EXPECT_EQ(read.Listed, GetParam().StillListed);
    if (read.Listed) {
        EXPECT_EQ(read.Read.Record, DefaultSet("b"));
    }
    EXPECT_TRUE(warnings.Shown.empty());
}

TEST_P(ListedSet, IsDeletedOnlyWhileItsRecordHoldsIt) {
    const std::string file = ChangedFile();
    const bool existed = std::filesystem::exists(file);
    const TBytes before = existed ? ReadBytes(file) : TBytes{};
    EXPECT_EQ(DeleteListedSet(file, kListed), GetParam().StillListed);
    EXPECT_EQ(std::filesystem::exists(file), existed);
    if (!existed) return;
    TBytes expected = before;
    if (GetParam().StillListed)
        std::fill_n(expected.begin() + 2 * kRecordSize, kRecordSize, std::uint8_t{0});
    EXPECT_EQ(ReadBytes(file), expected);
}

void Nothing(const std::string&) {}
void DeleteB(const std::string& file) {
    DeleteParameterSet(file, 2);
}
void ReuseB(const std::string& file) {
    DeleteB(file);
    TRecordingWarnings w;
    WriteParameterSet(file, DefaultSet("other"), w);
}
void RenameB(const std::string& file) {
    TBytes bytes = ReadBytes(file);
    bytes[2 * kRecordSize + 1] = 'B';
    WriteBytes(file, bytes);
}
void ShortenToB(const std::string& file) {
    std::filesystem::resize_file(file, 2 * kRecordSize);
}
void Remove(const std::string& file) {
    std::filesystem::remove(file);
}
void SpoilHeader(const std::string& file) {
    TBytes bytes = ReadBytes(file);
    bytes[5] = '?';
    WriteBytes(file, bytes);
}

INSTANTIATE_TEST_SUITE_P(AnotherProgram, ListedSet,
                         ::testing::Values(TChange{"ChangedNothing", Nothing, true},
                                           TChange{"DeletedTheSet", DeleteB, false},
                                           TChange{"SavedAnotherSetInItsRecord", ReuseB, false},
                                           TChange{"ChangedTheCaseOfItsName", RenameB, false},
                                           TChange{"ShortenedTheFileToEndAtIt", ShortenToB, false},
                                           TChange{"RemovedTheFile", Remove, false},
                                           TChange{"SpoiledTheHeader", SpoilHeader, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
