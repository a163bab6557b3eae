// Listing a file's sets on the command line, and reading one of them, when the
// file comes from someone else: names are data and reach the terminal escaped,
// and a damaged record hides no other set.
#include "FileBytes.h"
#include "RunTool.h"
#include "storage/paramsfile/ParamsFile.h"

#include <gtest/gtest.h>

using kv::test::TBytes;
using kv::test::TToolFolder;

namespace {

TBytes Bytes(const kv::TSetRecord& record) {
    return TBytes(record.begin(), record.end());
}

// A set record of one default type whose name field holds these raw bytes.
kv::TSetRecord SetNamed(const std::string& rawName) {
    const kv::THandParam type;
    kv::TSetRecord record = kv::NewSetRecord("x", std::span(&type, 1));
    record[0] = static_cast<std::uint8_t>(rawName.size());
    std::copy(rawName.begin(), rawName.end(), record.begin() + 1);
    return record;
}

// A file of the header and these records.
void WriteSets(const std::string& path, const std::vector<kv::TSetRecord>& records,
               const TBytes& tail = {}) {
    TBytes bytes = Bytes(kv::HeaderRecord());
    for (const kv::TSetRecord& r : records) {
        const TBytes b = Bytes(r);
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    kv::test::WriteBytes(path, bytes);
}

kv::TSetRecord WithSlot(kv::TSetRecord record, const std::string& text) {
    kv::SetSlotText(record, 0, text);
    return record;
}

const std::string kDefaultType = kv::TypeToText(kv::THandParam{});

struct TNameCase {
    const char* Name;
    std::string Raw;     // the name's bytes in the file (Windows-1252)
    std::string Printed; // as --list prints it
};

std::ostream& operator<<(std::ostream& os, const TNameCase& c) {
    return os << c.Name;
}

class ListedNames : public ::testing::TestWithParam<TNameCase> {};

TEST_P(ListedNames, ReachTheTerminalEscaped) {
    TToolFolder dir;
    WriteSets(dir.Path("club.sav"), {SetNamed(GetParam().Raw)});
    const auto run = dir.Run("--list --file club.sav");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "1\t1\t" + GetParam().Printed + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    DealTool, ListedNames,
    ::testing::Values(TNameCase{"Plain", "Weak twos \xE9t\xE9", "Weak twos \xC3\xA9t\xC3\xA9"},
                      TNameCase{"TerminalTitle", "\x1B]0;owned\x07", "\\x1B]0;owned\\x07"},
                      TNameCase{"ClearScreen", "\x1B[2J\x1B[H", "\\x1B[2J\\x1B[H"},
                      TNameCase{"ForgedLine", "a\n2\t1\tforged", "a\\x0A2\\x091\\x09forged"},
                      TNameCase{"CarriageReturnAndDelete", "ok\r\x7F", "ok\\x0D\\x7F"},
                      TNameCase{"Backslash", "C:\\x1B", "C:\\\\x1B"},
                      TNameCase{"UndefinedByteIsAC1Control",
                                "\x9D"
                                "2J",
                                "\\u009D2J"},
                      TNameCase{"DefinedHighByte", "\x80 \x9F", "\xE2\x82\xAC \xC5\xB8"},
                      TNameCase{"LengthByte255WithNoName", std::string(255, '\0'),
                                [] {
                                    std::string s;
                                    for (int i = 0; i < 255; ++i)
                                        s += "\\x00";
                                    return s;
                                }()}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(DealTool, DamagedRecordsAreReportedAndTheRestListed) {
    TToolFolder dir;
    std::string letter = kDefaultType;
    letter[3] = 'X';
    std::string minAboveMax = kDefaultType;
    minAboveMax.replace(0, 4, "4710");
    WriteSets(dir.Path("club.sav"),
              {SetNamed("first"), WithSlot(SetNamed("letter"), letter),
               WithSlot(SetNamed("min above max"), minAboveMax), SetNamed("last")},
              TBytes(100, 1));
    const auto run = dir.Run("--list --file club.sav");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "1\t1\tfirst\n4\t1\tlast\n");
    EXPECT_EQ(run.Err, "Record 5 of 'club.sav' is damaged: the file ends part of the way into it.\n"
                       "Record 2 of 'club.sav' is damaged: its hand types cannot be read.\n"
                       "Record 3 of 'club.sav' is damaged: its hand types cannot be read.\n");
}

TEST(DealTool, IntactSetIsReadFromAFileWithADamagedTail) {
    TToolFolder dir;
    WriteSets(dir.Path("club.sav"), {SetNamed("first")}, TBytes{7});
    const auto plain = dir.Run("--seed 0 --count 2");
    for (const std::string choice : {"--record 1", "--set FIRST"}) {
        const auto run = dir.Run("--file club.sav --seed 0 --count 2 " + choice);
        EXPECT_EQ(run.Status, 0) << choice;
        EXPECT_EQ(run.Err, "") << choice;
        EXPECT_EQ(run.Out, plain.Out) << choice;
    }
    const auto missing = dir.Run("--file club.sav --record 2");
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Err, "Record 2 of 'club.sav' is damaged: the file ends part of the way "
                           "into it.\nRecord 2 of 'club.sav' holds no set.\n");
}

TEST(DealTool, DamagedChosenSetIsReportedByItsRecordNumber) {
    TToolFolder dir;
    std::string letter = kDefaultType;
    letter[3] = 'X';
    WriteSets(dir.Path("club.sav"), {WithSlot(SetNamed("letter"), letter)});
    const auto run = dir.Run("--file club.sav --set letter");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, "Record 1 of 'club.sav' is damaged: its hand types cannot be read.\n");
}

TEST(DealTool, NamesInMessagesAreEscapedToo) {
    TToolFolder dir;
    WriteSets(dir.Path("club.sav"), {SetNamed("a")});
    const auto run = dir.Run("--file club.sav --set \"$(printf 'x\\033[2Jy')\"");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "No set named 'x\\x1B[2Jy' in 'club.sav'.\n");
}

TEST(DealTool, LoopOfLinksAsTheFileGetsTheProgramsMessage) {
    TToolFolder dir;
    std::filesystem::create_symlink("b.sav", dir.Path("a.sav"));
    std::filesystem::create_symlink("a.sav", dir.Path("b.sav"));
    for (const std::string args : {"--list --file a.sav", "--file a.sav --set x"}) {
        const auto run = dir.Run(args);
        EXPECT_EQ(run.Status, 1) << args;
        EXPECT_EQ(run.Err, "Error reading 'a.sav'.\n") << args;
    }
}

TEST(DealTool, ListingGoesToTheOutputFile) {
    TToolFolder dir;
    WriteSets(dir.Path("club.sav"), {SetNamed("first")});
    const auto run = dir.Run("--list --file club.sav --output sets.txt");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(kv::test::ReadWhole(dir.Path("sets.txt")), "1\t1\tfirst\n");
    EXPECT_EQ(dir.Run("--list --file missing.sav --output none.txt").Status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("none.txt")));
}

} // namespace
