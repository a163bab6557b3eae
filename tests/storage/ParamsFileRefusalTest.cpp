// Every input the file operations refuse, one test each: the exact message,
// what the caller gets back, and that the file is left untouched.
#include "StorageTestUtil.h"

using namespace kv;
using namespace kv::test;

namespace {

const std::string kDefaultText = TypeToText(THandParam{});

class Refusal : public TFolderFixture {
  protected:
    // A file of the header and one set whose first slot holds slotText with length byte length.
    std::string FileWithSlot(const std::string& slotText, std::uint8_t length = 72) {
        TSetRecord r = DefaultSet("Bad");
        SetSlotText(r, 0, slotText);
        r[kFirstSlotOffset] = length;
        WriteBytes(PathOf("bad.sav"), Concat({RecordBytes(HeaderRecord()), RecordBytes(r)}));
        return PathOf("bad.sav");
    }
    std::string FileOf(const TBytes& bytes) {
        WriteBytes(PathOf("f.sav"), bytes);
        return PathOf("f.sav");
    }
    std::vector<TSetEntry> List(const std::string& file) {
        std::vector<TSetEntry> names{{"stale", 1}};
        ListParameterSets(names, file, warnings);
        return names;
    }
    void ExpectOneWarning(const std::string& text) {
        EXPECT_EQ(warnings.Shown, std::vector<std::string>{text});
    }
    static TBytes OtherVersionHeader() {
        TBytes bytes = RecordBytes(HeaderRecord());
        bytes[1 + kHeaderText.find("2.0") + 2] = '1';
        return bytes;
    }
    static TBytes Database(int sets) {
        TBytes bytes = RecordBytes(HeaderRecord());
        for (int i = 1; i <= sets; ++i)
            bytes = Concat({bytes, RecordBytes(DefaultSet("Set " + std::to_string(i)))});
        return bytes;
    }
    // A file of size bytes that begins with first; the rest reads as zeros
    // and takes no disk space.
    std::string SparseFile(const TBytes& first, std::uint64_t size) {
        const std::string file = FileOf(first);
        std::filesystem::resize_file(file, size);
        return file;
    }
    template <class F> std::string InOutErrorOf(F&& operation) {
        try {
            operation();
        } catch (const EInOutError& e) {
            return e.Description();
        }
        return "no EInOutError";
    }
};

} // namespace

// --- Listing ----------------------------------------------------------------

TEST_F(Refusal, ListingAMissingExchangeFile) {
    const std::string file = PathOf("gone.sav");
    EXPECT_TRUE(List(file).empty());
    ExpectOneWarning("File '" + file + "' does not exist.");
    EXPECT_FALSE(std::filesystem::exists(file)) << "only the database is created";
}

TEST_F(Refusal, ListingAMissingDatabaseNamedInOtherLetterCase) {
    EXPECT_TRUE(List("params.sav").empty());
    ExpectOneWarning("File 'params.sav' does not exist.");
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{});
}

TEST_F(Refusal, ListingAFileWithAnotherFirstByte) {
    TBytes bytes = Database(1);
    bytes[0] = 74;
    const std::string file = FileOf(bytes);
    EXPECT_TRUE(List(file).empty());
    ExpectOneWarning("File '" + file + "' is not a saved parameter file.");
    EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(Refusal, ListingAFileWithAnotherVersion) {
    const std::string file = FileOf(Concat({OtherVersionHeader(), RecordBytes(DefaultSet("x"))}));
    EXPECT_TRUE(List(file).empty());
    ExpectOneWarning("File '" + file + "' is not a saved parameter file.");
}

TEST_F(Refusal, ListingAFileShorterThanOneRecord) {
    const TBytes bytes = ReferenceFile("paramsfile/new-database.sav");
    const std::string file = FileOf(TBytes(bytes.begin(), bytes.begin() + 100));
    EXPECT_TRUE(List(file).empty());
    ExpectOneWarning("Error reading '" + file + "'.");
}

TEST_F(Refusal, ListingAPartialLastRecordKeepsTheWholeRecordsBefore) {
    const TBytes whole = Database(2);
    const std::string file = FileOf(Concat({whole, TBytes(400, 1)}));
    EXPECT_EQ(List(file), (std::vector<TSetEntry>{{"Set 1", 1}, {"Set 2", 2}}));
    ExpectOneWarning("Error reading '" + file + "'.");
}

TEST_F(Refusal, ListingSomethingThatIsNotAFile) {
    std::filesystem::create_directory(PathOf("folder.sav"));
    EXPECT_TRUE(List(PathOf("folder.sav")).empty());
    ExpectOneWarning("Error reading '" + PathOf("folder.sav") + "'.");
}

// --- Writing ----------------------------------------------------------------

TEST_F(Refusal, WritingIntoAFileWithAnotherFirstByte) {
    TBytes bytes = Database(1);
    bytes[0] = 0;
    const std::string file = FileOf(bytes);
    const TWriteResult w = WriteParameterSet(file, DefaultSet("New"), warnings);
    EXPECT_FALSE(w.Written);
    ExpectOneWarning("'" + file + "' is not a valid parameter file.");
    EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(Refusal, WritingIntoAFileWithAnotherVersion) {
    const std::string file = FileOf(OtherVersionHeader());
    EXPECT_FALSE(WriteParameterSet(file, DefaultSet("New"), warnings).Written);
    ExpectOneWarning("'" + file + "' is not a valid parameter file.");
    EXPECT_EQ(ReadBytes(file), OtherVersionHeader());
}

TEST_F(Refusal, WritingIntoAFileShorterThanOneRecord) {
    const TBytes bytes(500, 0);
    const std::string file = FileOf(bytes);
    EXPECT_EQ(InOutErrorOf([&] { WriteParameterSet(file, DefaultSet("New"), warnings); }),
              "Read beyond end of file");
    EXPECT_EQ(ReadBytes(file), bytes);
    EXPECT_TRUE(warnings.Shown.empty());
}

TEST_F(Refusal, WritingIntoAFileEndingInAPartialRecord) {
    const TBytes bytes = Concat({Database(1), TBytes(100, 1)});
    const std::string file = FileOf(bytes);
    EXPECT_EQ(InOutErrorOf([&] { WriteParameterSet(file, DefaultSet("New"), warnings); }),
              "Read beyond end of file");
    EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(Refusal, WritingIntoAFolder) {
    std::filesystem::create_directory(PathOf("folder.sav"));
    EXPECT_EQ(
        InOutErrorOf([&] { WriteParameterSet(PathOf("folder.sav"), DefaultSet("x"), warnings); }),
        "Is a directory");
}

// The size is checked before any slot is looked at: a free slot before the
// partial record does not let a write into the damaged file.
TEST_F(Refusal, WritingIntoAFileWithAFreeSlotBeforeAPartialRecord) {
    const TBytes bytes = Concat({Database(1), TBytes(kRecordSize, 0), TBytes(100, 1)});
    const std::string file = FileOf(bytes);
    EXPECT_EQ(InOutErrorOf([&] { WriteParameterSet(file, DefaultSet("New"), warnings); }),
              "Read beyond end of file");
    EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(Refusal, WritingIntoAHugeFileWithoutTheHeaderReadsOnlyItsHeader) {
    const std::string file = SparseFile(TBytes(kRecordSize, 'x'), std::uint64_t{1} << 30);
    const TChildResult r = RunWithLittleMemory([&] {
        TRecordingWarnings w;
        const bool written = WriteParameterSet(file, DefaultSet("New"), w).Written;
        return std::string(written ? "written" : "refused") + ": " + w.Shown.at(0);
    });
    EXPECT_EQ(r.ExitCode, 0);
    EXPECT_EQ(r.Text, "refused: '" + file + "' is not a valid parameter file.");
}

// --- Reading ----------------------------------------------------------------

TEST_F(Refusal, ReadingASlotWithLengthByte71) {
    const std::string file = FileWithSlot(kDefaultText, 71);
    const TReadResult r = ReadParameterSet(file, 1, warnings);
    EXPECT_FALSE(r.Valid);
    ExpectOneWarning("Error reading parameters.");
    const TBytes bytes = ReadBytes(file);
    EXPECT_EQ(RecordBytes(r.Record), TBytes(bytes.begin() + kRecordSize, bytes.end()));
}

TEST_F(Refusal, ReadingASlotWithLengthByte255) {
    const TReadResult r = ReadParameterSet(FileWithSlot(kDefaultText, 255), 1, warnings);
    EXPECT_FALSE(r.Valid);
    ExpectOneWarning("Error reading parameters.");
}

TEST_F(Refusal, ReadingALongLengthByteIsARejectionNotAConversionError) {
    const TReadResult r = ReadParameterSet(FileWithSlot(std::string(72, 'x'), 200), 1, warnings);
    EXPECT_FALSE(r.Valid);
    ExpectOneWarning("Error reading parameters.");
}

TEST_F(Refusal, ReadingASouthHcpMinimumAboveTheMaximum) {
    std::string text = kDefaultText;
    text.replace(0, 4, "3020");
    EXPECT_FALSE(ReadParameterSet(FileWithSlot(text), 1, warnings).Valid);
    ExpectOneWarning("Error reading parameters.");
}

TEST_F(Refusal, ReadingANorthSuitMinimumAboveTheMaximum) {
    std::string text = kDefaultText;
    text.replace(42, 2, "D0"); // North clubs
    EXPECT_FALSE(ReadParameterSet(FileWithSlot(text), 1, warnings).Valid);
    ExpectOneWarning("Error reading parameters.");
}

TEST_F(Refusal, ReadingTwoRejectedSlotsWarnsOnce) {
    TSetRecord r = DefaultSet("Bad");
    SetSlotText(r, 2, "short");
    SetSlotText(r, 7, std::string(kDefaultText).replace(0, 4, "4710"));
    WriteBytes(PathOf("two.sav"), Concat({RecordBytes(HeaderRecord()), RecordBytes(r)}));
    const TReadResult result = ReadParameterSet(PathOf("two.sav"), 1, warnings);
    EXPECT_FALSE(result.Valid);
    EXPECT_EQ(result.Record, r);
    ExpectOneWarning("Error reading parameters.");
}

TEST_F(Refusal, ReadingALetterInADecimalFieldIsAConversionError) {
    std::string text = kDefaultText;
    text.replace(16, 2, "1A");
    const std::string file = FileWithSlot(text);
    EXPECT_THROW(ReadParameterSet(file, 1, warnings), EConvertError);
    EXPECT_TRUE(warnings.Shown.empty())
        << "a conversion error is not \"Error reading parameters.\"";
}

TEST_F(Refusal, ReadingPastTheLastRecord) {
    const std::string file = FileOf(Database(2));
    EXPECT_EQ(InOutErrorOf([&] { ReadParameterSet(file, 3, warnings); }),
              "Read beyond end of file");
}

TEST_F(Refusal, ReadingAPartialRecord) {
    const std::string file = FileOf(Concat({Database(1), TBytes(840, 0)}));
    EXPECT_EQ(InOutErrorOf([&] { ReadParameterSet(file, 2, warnings); }),
              "Read beyond end of file");
}

TEST_F(Refusal, ReadingANegativeRecordNumber) {
    const std::string file = FileOf(Database(1));
    EXPECT_EQ(InOutErrorOf([&] { ReadParameterSet(file, -1, warnings); }),
              "There is no parameter set at record -1");
}

TEST_F(Refusal, ReadingAMissingFile) {
    try {
        ReadParameterSet(PathOf("gone.sav"), 1, warnings);
        FAIL() << "expected EInOutError";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Description(), "No such file or directory");
        EXPECT_EQ(e.FileName(), PathOf("gone.sav"));
        EXPECT_EQ(std::string(e.what()), "'" + PathOf("gone.sav") + "': No such file or directory");
    }
}

// --- Deleting ---------------------------------------------------------------

TEST_F(Refusal, DeletingTheHeaderRecord) {
    const TBytes bytes = Database(1);
    const std::string file = FileOf(bytes);
    EXPECT_EQ(InOutErrorOf([&] { DeleteParameterSet(file, 0); }),
              "There is no parameter set at record 0");
    EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(Refusal, DeletingPastTheLastRecord) {
    const TBytes bytes = Database(2);
    const std::string file = FileOf(bytes);
    EXPECT_EQ(InOutErrorOf([&] { DeleteParameterSet(file, 3); }),
              "There is no parameter set at record 3");
    EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(Refusal, DeletingANegativeRecordNumber) {
    const TBytes bytes = Database(1);
    const std::string file = FileOf(bytes);
    EXPECT_THROW(DeleteParameterSet(file, -5), EInOutError);
    EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(Refusal, DeletingInAFileWithoutTheHeader) {
    TBytes bytes = Database(2);
    bytes[1] = 'k';
    const std::string file = FileOf(bytes);
    EXPECT_EQ(InOutErrorOf([&] { DeleteParameterSet(file, 1); }), "Not a saved parameter file");
    EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(Refusal, DeletingInAFileEndingInAPartialRecord) {
    const TBytes bytes = Concat({Database(2), TBytes(100, 1)});
    const std::string file = FileOf(bytes);
    EXPECT_EQ(InOutErrorOf([&] { DeleteParameterSet(file, 1); }), "Read beyond end of file");
    EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(Refusal, DeletingAListedSetInAFileEndingInAPartialRecord) {
    const TBytes bytes = Concat({Database(2), TBytes(100, 1)});
    const std::string file = FileOf(bytes);
    EXPECT_EQ(InOutErrorOf([&] {
                  DeleteListedSet(file, {"Set 1", 1});
              }),
              "Read beyond end of file");
    EXPECT_EQ(ReadBytes(file), bytes);
}

TEST_F(Refusal, DeletingInAMissingFile) {
    EXPECT_EQ(InOutErrorOf([&] { DeleteParameterSet(PathOf("gone.sav"), 1); }),
              "No such file or directory");
    EXPECT_FALSE(std::filesystem::exists(PathOf("gone.sav")));
}

// --- Building a record --------------------------------------------------------

TEST_F(Refusal, NameWithACharacterOutsideTheCodePage) {
    EXPECT_THROW(DefaultSet("Spades \xE2\x99\xA0"), ENameError);
}

TEST_F(Refusal, TypeWithAValueTheTextCannotHold) {
    THandParam t;
    t.SSpadeMax = 20;
    EXPECT_THROW(NewSetRecord("x", std::span(&t, 1)), EConvertError);
}
