// Programs changing one parameter file at the same time (two windows, or
// the window and the command-line tool): every change is made under the
// file's lock, so no saved set is lost and no record number is handed out
// twice; and the lock is taken in turn, so no program is kept waiting.
#include "StorageTestUtil.h"
#include "WriterRace.h"

#include <map>
#include <set>
#include <sstream>

using namespace kv;
using namespace kv::test;

namespace {

constexpr int kSaves = 150;

struct TRace {
    const char* Name;
    // The second process deletes each of its sets right after saving it.
    bool SecondDeletes;
};

std::ostream& operator<<(std::ostream& os, const TRace& race) {
    return os << race.Name;
}

class Concurrency : public TFolderFixture, public ::testing::WithParamInterface<TRace> {
  protected:
    // Saves kSaves sets named prefix + i; returns "name record" lines, or the
    // deletes' outcome for sets deleted again.
    static std::string SaveMany(const std::string& file, char prefix, bool deleteEach) {
        std::ostringstream out;
        TRecordingWarnings w;
        for (int i = 0; i < kSaves; ++i) {
            const std::string name = prefix + std::to_string(i);
            const TWriteResult written = WriteParameterSet(file, DefaultSet(name), w);
            if (!written.Written) return "refused: " + name;
            if (deleteEach)
                DeleteParameterSet(file, written.RecordNumber);
            else
                out << name << ' ' << written.RecordNumber << '\n';
        }
        return out.str();
    }
    static std::map<std::string, std::int32_t> Reported(const std::string& text) {
        std::map<std::string, std::int32_t> saved;
        std::istringstream in(text);
        std::string name;
        std::int32_t record = 0;
        while (in >> name >> record)
            saved[name] = record;
        return saved;
    }
};

TEST_P(Concurrency, NoSetIsLostAndNoRecordIsGivenTwice) {
    const std::string file = PathOf("db.sav");
    CreateParamsFile(file);
    TRunningChild first([&] { return SaveMany(file, 'A', false); });
    TRunningChild second([&] { return SaveMany(file, 'B', GetParam().SecondDeletes); });
    first.Release();
    second.Release();
    const TChildResult a = first.Wait();
    const TChildResult b = second.Wait();
    ASSERT_EQ(a.ExitCode, 0) << a.Text;
    ASSERT_EQ(b.ExitCode, 0) << b.Text;

    std::map<std::string, std::int32_t> saved = Reported(a.Text);
    for (const auto& [name, record] : Reported(b.Text))
        saved[name] = record;
    const std::size_t expected = GetParam().SecondDeletes ? kSaves : 2 * kSaves;
    ASSERT_EQ(saved.size(), expected) << "every save reported";
    std::set<std::int32_t> records;
    for (const auto& [name, record] : saved)
        records.insert(record);
    EXPECT_EQ(records.size(), expected) << "a record number was handed out twice";

    std::vector<TSetEntry> listed;
    ListParameterSets(listed, file, warnings);
    EXPECT_TRUE(warnings.Shown.empty());
    std::map<std::string, std::int32_t> held;
    for (const TSetEntry& e : listed)
        held[e.Name] = e.RecordNumber;
    EXPECT_EQ(held, saved) << "sets lost or moved";
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"db.sav"});
}

INSTANTIATE_TEST_SUITE_P(TwoProcesses, Concurrency,
                         ::testing::Values(TRace{"BothSave", false},
                                           TRace{"OneSavesTheOtherSavesAndDeletes", true}),
                         [](const auto& info) { return std::string(info.param.Name); });

// Four programs changing one file as fast as they can: a lock that lets the
// program that has just freed it take it again at once keeps another waiting
// through hundreds of changes, until its wait runs out. Taken in turn, no
// change fails, and none waits through more than a hundred of the others'
// changes (a few dozen at most, even on a busy machine).
using LockFairness = TFolderFixture;

constexpr int kWriters = 4;
constexpr int kChangesEach = 200;
constexpr std::uint64_t kMostOthersDuringOne = 100;

TEST_F(LockFairness, FourWritersEachGetTheirTurn) {
    const std::string file = PathOf("db.sav");
    CreateParamsFile(file);
    const std::vector<TWriterTally> tallies = RunWriterRace(file, kWriters, kChangesEach);
    ASSERT_EQ(tallies.size(), std::size_t{kWriters});
    for (std::size_t w = 0; w < tallies.size(); ++w) {
        SCOPED_TRACE("writer " + std::to_string(w));
        EXPECT_EQ(tallies[w].Error, "");
        EXPECT_EQ(tallies[w].Changes, std::uint64_t{kChangesEach});
        EXPECT_EQ(tallies[w].Failures, 0u);
        EXPECT_LE(tallies[w].MostOthers, kMostOthersDuringOne);
    }
    std::vector<TSetEntry> listed;
    ListParameterSets(listed, file, warnings);
    EXPECT_TRUE(listed.empty()) << "every set saved was deleted again";
    EXPECT_EQ(FolderEntries(Folder()), std::vector<std::string>{"db.sav"});
}

} // namespace
