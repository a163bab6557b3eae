// The file operations on well-formed files: byte-exact files compared with the
// reference files of tests/data, record numbers, free-slot reuse and listing.
#include "StorageTestUtil.h"

using namespace kv;
using namespace kv::test;

namespace {

class ParamsFile : public TFolderFixture {
  protected:
    // Writes n sets "Set 1".."Set n" into file and returns their record numbers.
    std::vector<std::int32_t> WriteSets(const std::string& file, int n) {
        std::vector<std::int32_t> numbers;
        for (int i = 1; i <= n; ++i) {
            const TWriteResult w =
                WriteParameterSet(file, DefaultSet("Set " + std::to_string(i)), warnings);
            EXPECT_TRUE(w.Written);
            numbers.push_back(w.RecordNumber);
        }
        return numbers;
    }
    std::vector<TSetEntry> List(const std::string& file) {
        std::vector<TSetEntry> names;
        ListParameterSets(names, file, warnings);
        return names;
    }
};

} // namespace

TEST_F(ParamsFile, MissingDatabaseIsCreatedWithExactlyTheHeader) {
    EXPECT_TRUE(List("PARAMS.SAV").empty());
    EXPECT_TRUE(warnings.Shown.empty());
    EXPECT_EQ(ReadBytes(PathOf("PARAMS.SAV")), ReferenceFile("paramsfile/new-database.sav"));
}

TEST_F(ParamsFile, OneDefaultTypeUnderAThreeLetterNameGivesTheReferenceFile) {
    List("PARAMS.SAV");
    const TWriteResult w = WriteParameterSet("PARAMS.SAV", DefaultSet("Abc"), warnings);
    EXPECT_TRUE(w.Written);
    EXPECT_EQ(w.RecordNumber, 1);
    const TBytes file = ReadBytes(PathOf("PARAMS.SAV"));
    ASSERT_EQ(file.size(), 2 * kRecordSize);
    EXPECT_EQ(file, ReferenceFile("paramsfile/one-default-type.sav"));
    EXPECT_TRUE(warnings.Shown.empty());
}

TEST_F(ParamsFile, CreateTruncatesAnExistingFileToTheHeader) {
    WriteBytes(PathOf("x.sav"), ReferenceFile("paramsfile/one-default-type.sav"));
    CreateParamsFile(PathOf("x.sav"));
    EXPECT_EQ(ReadBytes(PathOf("x.sav")), ReferenceFile("paramsfile/new-database.sav"));
}

TEST_F(ParamsFile, WritingIntoAMissingFileCreatesIt) {
    const TWriteResult w = WriteParameterSet(PathOf("new.sav"), DefaultSet("Abc"), warnings);
    EXPECT_TRUE(w.Written);
    EXPECT_EQ(w.RecordNumber, 1);
    EXPECT_EQ(ReadBytes(PathOf("new.sav")), ReferenceFile("paramsfile/one-default-type.sav"));
}

TEST_F(ParamsFile, DeletedRecordIsReusedAndTheFileKeepsItsLength) {
    const std::string file = PathOf("sets.sav");
    EXPECT_EQ(WriteSets(file, 3), (std::vector<std::int32_t>{1, 2, 3}));
    DeleteParameterSet(file, 2);
    TBytes bytes = ReadBytes(file);
    ASSERT_EQ(bytes.size(), 4 * kRecordSize);
    EXPECT_EQ(TBytes(bytes.begin() + 2 * kRecordSize, bytes.begin() + 3 * kRecordSize),
              TBytes(kRecordSize, 0));

    const TWriteResult reuse = WriteParameterSet(file, DefaultSet("Again"), warnings);
    EXPECT_EQ(reuse.RecordNumber, 2);
    EXPECT_EQ(ReadBytes(file).size(), 4 * kRecordSize);

    const TWriteResult grow = WriteParameterSet(file, DefaultSet("Four"), warnings);
    EXPECT_EQ(grow.RecordNumber, 4);
    EXPECT_EQ(ReadBytes(file).size(), 5 * kRecordSize);
    EXPECT_EQ(List(file),
              (std::vector<TSetEntry>{{"Set 1", 1}, {"Again", 2}, {"Set 3", 3}, {"Four", 4}}));
}

TEST_F(ParamsFile, WritingFillsTheLowestFreeSlot) {
    const std::string file = PathOf("sets.sav");
    WriteSets(file, 4);
    DeleteParameterSet(file, 3);
    DeleteParameterSet(file, 2);
    EXPECT_EQ(WriteParameterSet(file, DefaultSet("a"), warnings).RecordNumber, 2);
    EXPECT_EQ(WriteParameterSet(file, DefaultSet("b"), warnings).RecordNumber, 3);
    EXPECT_EQ(WriteParameterSet(file, DefaultSet("c"), warnings).RecordNumber, 5);
}

TEST_F(ParamsFile, ListingSkipsFreeSlotsAndGivesRecordIndices) {
    const std::string file = PathOf("sets.sav");
    WriteSets(file, 5);
    DeleteParameterSet(file, 1);
    DeleteParameterSet(file, 4);
    EXPECT_EQ(List(file), (std::vector<TSetEntry>{{"Set 2", 2}, {"Set 3", 3}, {"Set 5", 5}}));
    EXPECT_TRUE(warnings.Shown.empty());
}

TEST_F(ParamsFile, ListingClearsTheCallersList) {
    const std::string file = PathOf("sets.sav");
    WriteSets(file, 1);
    std::vector<TSetEntry> names{{"stale", 9}};
    ListParameterSets(names, file, warnings);
    EXPECT_EQ(names, (std::vector<TSetEntry>{{"Set 1", 1}}));
}

TEST_F(ParamsFile, AnyNonZeroInUseFlagListsAndAnEmptyNameListsEmpty) {
    TSetRecord unnamed = DefaultSet("");
    TSetRecord flagged = DefaultSet("Seven");
    flagged[kInUseOffset] = 7;
    WriteBytes(PathOf("f.sav"),
               Concat({RecordBytes(HeaderRecord()), RecordBytes(unnamed), RecordBytes(flagged)}));
    EXPECT_EQ(List(PathOf("f.sav")), (std::vector<TSetEntry>{{"", 1}, {"Seven", 2}}));
}

TEST_F(ParamsFile, NameShortenedInPlaceListsByItsLength) {
    TSetRecord r = DefaultSet("Strong Two");
    r[0] = 6;
    WriteBytes(PathOf("f.sav"), Concat({RecordBytes(HeaderRecord()), RecordBytes(r)}));
    EXPECT_EQ(List(PathOf("f.sav")), (std::vector<TSetEntry>{{"Strong", 1}}));
}

TEST_F(ParamsFile, NamesAreStoredAsWindows1252AndListedAsUtf8) {
    const std::string name = "Caf\xC3\xA9 \xE2\x82\xAC" + std::string(249, 'x'); // 255 characters
    const TWriteResult w = WriteParameterSet(PathOf("n.sav"), DefaultSet(name), warnings);
    const TBytes bytes = ReadBytes(PathOf("n.sav"));
    const auto record = bytes.begin() + static_cast<std::ptrdiff_t>(kRecordSize);
    EXPECT_EQ(record[0], 255);
    EXPECT_EQ(TBytes(record + 1, record + 7), (TBytes{'C', 'a', 'f', 0xE9, ' ', 0x80}));
    EXPECT_EQ(List(PathOf("n.sav")), (std::vector<TSetEntry>{{name, w.RecordNumber}}));
}

TEST_F(ParamsFile, ReadingGivesTheRecordBytes) {
    const std::string file = PathOf("sets.sav");
    WriteSets(file, 2);
    const TReadResult r = ReadParameterSet(file, 2, warnings);
    EXPECT_TRUE(r.Valid);
    EXPECT_EQ(r.Record, DefaultSet("Set 2"));
    EXPECT_TRUE(warnings.Shown.empty());
}

TEST_F(ParamsFile, ReadingAcceptsEightTypesAndEmptySlots) {
    std::vector<THandParam> types(8);
    types[5].SHCPMin = 15, types[5].SHCPMinReq = 15, types[5].Frequency = 0;
    const TSetRecord set = NewSetRecord("Eight", types);
    WriteParameterSet(PathOf("e.sav"), set, warnings);
    const TReadResult r = ReadParameterSet(PathOf("e.sav"), 1, warnings);
    EXPECT_TRUE(r.Valid);
    EXPECT_EQ(r.Record, set);
    THandParam sixth;
    ASSERT_TRUE(TypeFromText(sixth, SlotText(r.Record, 5)));
    EXPECT_EQ(sixth, types[5]);
}

TEST_F(ParamsFile, ZeroLengthFileListsEmptyWithoutAMessage) {
    WriteBytes(PathOf("empty.sav"), {});
    EXPECT_TRUE(List(PathOf("empty.sav")).empty());
    EXPECT_TRUE(warnings.Shown.empty());
}

// An empty database holds nothing to lose: saving gives it its header first,
// instead of failing on the missing header record for ever.
TEST_F(ParamsFile, ZeroLengthDatabaseCanBeSavedInto) {
    WriteBytes(PathOf("PARAMS.SAV"), {});
    EXPECT_TRUE(List("PARAMS.SAV").empty());
    const TWriteResult w = WriteParameterSet("PARAMS.SAV", DefaultSet("Abc"), warnings);
    EXPECT_TRUE(w.Written);
    EXPECT_EQ(w.RecordNumber, 1);
    EXPECT_EQ(ReadBytes(PathOf("PARAMS.SAV")), ReferenceFile("paramsfile/one-default-type.sav"));
}

TEST_F(ParamsFile, HeaderTailIsNeverExamined) {
    TBytes bytes = ReferenceFile("paramsfile/one-default-type.sav");
    for (std::size_t i = kHeaderCheckedBytes; i < kRecordSize; ++i)
        bytes[i] = 0xA5;
    WriteBytes(PathOf("t.sav"), bytes);
    EXPECT_EQ(List(PathOf("t.sav")), (std::vector<TSetEntry>{{"Abc", 1}}));
    EXPECT_TRUE(WriteParameterSet(PathOf("t.sav"), DefaultSet("Two"), warnings).Written);
    EXPECT_TRUE(warnings.Shown.empty());
}

TEST_F(ParamsFile, HeaderCheckForCopying) {
    WriteBytes(PathOf("good.sav"), ReferenceFile("paramsfile/new-database.sav"));
    WriteBytes(PathOf("empty.sav"), {});
    TBytes other = ReferenceFile("paramsfile/new-database.sav");
    other[1 + kHeaderText.find("2.0") + 2] = '1'; // "Version 2.1"
    WriteBytes(PathOf("other.sav"), other);
    EXPECT_TRUE(HoldsParamsHeader(PathOf("good.sav")));
    EXPECT_FALSE(HoldsParamsHeader(PathOf("empty.sav")));
    EXPECT_FALSE(HoldsParamsHeader(PathOf("other.sav")));
    EXPECT_THROW(HoldsParamsHeader(PathOf("missing.sav")), EInOutError);
}

TEST_F(ParamsFile, WritingThroughASymbolicLinkKeepsTheLink) {
    std::filesystem::create_directory(Folder() / "real");
    WriteBytes(Folder() / "real" / "target.sav", ReferenceFile("paramsfile/new-database.sav"));
    std::filesystem::create_symlink(Folder() / "real" / "target.sav", Folder() / "link.sav");
    WriteParameterSet(PathOf("link.sav"), DefaultSet("Abc"), warnings);
    EXPECT_TRUE(std::filesystem::is_symlink(Folder() / "link.sav"));
    EXPECT_EQ(ReadBytes(Folder() / "real" / "target.sav"),
              ReferenceFile("paramsfile/one-default-type.sav"));
    EXPECT_EQ(FolderEntries(Folder() / "real"), std::vector<std::string>{"target.sav"});
}

// A link whose file does not exist yet names the file to create, as it does
// for an editor: the link is kept, and relative links are read from their folder.
TEST_F(ParamsFile, WritingThroughADanglingLinkCreatesItsTarget) {
    std::filesystem::create_directory(Folder() / "real");
    std::filesystem::create_symlink("real/new.sav", Folder() / "link.sav");
    std::filesystem::create_symlink("link.sav", Folder() / "link2.sav");
    EXPECT_EQ(WriteParameterSet(PathOf("link2.sav"), DefaultSet("Abc"), warnings).RecordNumber, 1);
    EXPECT_TRUE(std::filesystem::is_symlink(Folder() / "link.sav"));
    EXPECT_TRUE(std::filesystem::is_symlink(Folder() / "link2.sav"));
    EXPECT_EQ(ReadBytes(Folder() / "real" / "new.sav"),
              ReferenceFile("paramsfile/one-default-type.sav"));
}

TEST_F(ParamsFile, WritingThroughALoopOfLinksIsAnInputOutputError) {
    std::filesystem::create_symlink("b.sav", Folder() / "a.sav");
    std::filesystem::create_symlink("a.sav", Folder() / "b.sav");
    try {
        WriteParameterSet(PathOf("a.sav"), DefaultSet("Abc"), warnings);
        FAIL() << "expected EInOutError";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Description(), "Too many levels of symbolic links");
    }
    EXPECT_EQ(FolderEntries(Folder()), (std::vector<std::string>{"a.sav", "b.sav"}));
}

TEST_F(ParamsFile, RewritingKeepsThePermissionsAndLeavesNoTemporaryFile) {
    namespace fs = std::filesystem;
    WriteBytes(PathOf("p.sav"), ReferenceFile("paramsfile/new-database.sav"));
    fs::permissions(PathOf("p.sav"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteParameterSet(PathOf("p.sav"), DefaultSet("Abc"), warnings);
    DeleteParameterSet(PathOf("p.sav"), 1);
    EXPECT_EQ(fs::status(PathOf("p.sav")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"p.sav"});
}
