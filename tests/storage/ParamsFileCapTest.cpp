// The cap on the records of a parameter file: a save never makes a file hold
// more than kMaxRecords records. The save that would is refused with a
// message, and the file keeps every byte; deletes work in any file, also in
// one already over the cap (as an older version could leave it), and so does
// a save into a record they freed, without reading the file into memory.
#include "StorageTestUtil.h"

using namespace kv;
using namespace kv::test;

namespace {

class Cap : public TFolderFixture {
  protected:
    // A file of the header and records - 1 sets, every one in use: 84 MB at the cap.
    std::string FullFile(std::uint64_t records) {
        const TBytes set = RecordBytes(DefaultSet("Set"));
        TBytes bytes = RecordBytes(HeaderRecord());
        bytes.reserve(records * kRecordSize);
        for (std::uint64_t n = 1; n < records; ++n)
            bytes.insert(bytes.end(), set.begin(), set.end());
        WriteBytes(PathOf("full.sav"), bytes);
        return PathOf("full.sav");
    }
    static std::string FullMessage(const std::string& file) {
        return "File '" + file + "' is full (99999 parameter sets). Delete a set to make room.";
    }
    // The bytes of file after record n (a set record of it) is replaced by record.
    static TBytes WithRecord(TBytes bytes, std::uint64_t n, const TSetRecord& record) {
        std::copy(record.begin(), record.end(),
                  bytes.begin() + static_cast<std::ptrdiff_t>(n * kRecordSize));
        return bytes;
    }
};

TEST_F(Cap, TheLastRecordIsSavedAndTheOneAfterItRefused) {
    const std::string file = FullFile(kMaxRecords - 1);
    const TBytes below = ReadBytes(file);
    const TWriteResult last = WriteParameterSet(file, DefaultSet("Last"), warnings);
    EXPECT_TRUE(last.Written);
    EXPECT_EQ(last.RecordNumber, static_cast<std::int32_t>(kMaxRecords - 1));
    EXPECT_TRUE(warnings.Shown.empty());
    const TBytes atCap = ReadBytes(file);
    EXPECT_EQ(atCap, Concat({below, RecordBytes(DefaultSet("Last"))}));

    EXPECT_FALSE(WriteParameterSet(file, DefaultSet("One too many"), warnings).Written);
    EXPECT_EQ(warnings.Shown, std::vector<std::string>{FullMessage(file)});
    EXPECT_EQ(ReadBytes(file), atCap);
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"full.sav"});
}

TEST_F(Cap, ADeleteInAFullFileMakesRoomForOneSave) {
    const std::string file = FullFile(kMaxRecords);
    const TBytes full = ReadBytes(file);
    DeleteParameterSet(file, 500);
    EXPECT_EQ(ReadBytes(file), WithRecord(full, 500, TSetRecord{}));
    const TWriteResult w = WriteParameterSet(file, DefaultSet("New"), warnings);
    EXPECT_EQ(w.RecordNumber, 500);
    EXPECT_EQ(ReadBytes(file), WithRecord(full, 500, DefaultSet("New")));
    EXPECT_TRUE(warnings.Shown.empty());
}

// A file one record over the cap, as a save of an older version left it:
// listed and deleted in as before, its freed record saved into again, and
// every other save refused, all within 64 MB of memory.
TEST_F(Cap, AFileOverTheCapIsStillChangedRecordByRecord) {
    const std::string file = FullFile(kMaxRecords + 1);
    const TBytes over = ReadBytes(file);
    const TChildResult r = RunWithLittleMemory([&] {
        TRecordingWarnings w;
        DeleteParameterSet(file, 7);
        const bool listed = DeleteListedSet(file, {"Set", 8});
        const std::int32_t first = WriteParameterSet(file, DefaultSet("New"), w).RecordNumber;
        const std::int32_t second = WriteParameterSet(file, DefaultSet("New"), w).RecordNumber;
        const bool third = WriteParameterSet(file, DefaultSet("New"), w).Written;
        return std::to_string(listed) + " " + std::to_string(first) + " " + std::to_string(second) +
               " " + std::to_string(third) + ": " + w.Shown.at(0);
    });
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_EQ(r.Text, "1 7 8 0: " + FullMessage(file));
    EXPECT_EQ(ReadBytes(file),
              WithRecord(WithRecord(over, 7, DefaultSet("New")), 8, DefaultSet("New")));
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"full.sav"});
}

} // namespace
