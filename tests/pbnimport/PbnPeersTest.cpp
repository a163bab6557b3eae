// PBN files that no one here wrote, made at test time by Debian's dealer and
// deal, read back card for card against the same deals in the programs' other
// output formats; and the PBN of our own command-line program read back
// against its deal lines.
#include "PbnTestUtil.h"
#include "PeerTools.h"

#include "engine/doubledummy/DoubleDummy.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace kv::test;
using TTags = std::vector<std::pair<std::string, std::string>>;

// The tags of each game of a file with one plain tag per line (no escapes,
// no comments), read by a regular expression: what the file says, seen
// without the import.
std::vector<TTags> PlainGames(const std::string& text) {
    const std::regex tag(R"re(^\[(\w+) "([^"\\]*)"\]\r?$)re");
    std::vector<TTags> games(1);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_match(line, m, tag))
            games.back().emplace_back(m[1], m[2]);
        else if (!games.back().empty())
            games.emplace_back();
    }
    if (games.back().empty()) games.pop_back();
    return games;
}

std::string Value(const TTags& tags, const std::string& name) {
    for (const auto& [n, v] : tags)
        if (n == name) return v;
    return "<none>";
}

// The hands of the Summary() line, "N:<north> <east> <south> <west>".
std::string HandsOf(const kv::TPbnBoard& board) {
    const std::string summary = Summary(board);
    return summary.substr(summary.find("N:"));
}

// Each game as the import made it matches the tags of the file: the board's
// own four tags and every other tag, in order.
void ExpectSameTags(const kv::TPbnImport& import, const std::vector<TTags>& games) {
    ASSERT_EQ(import.Boards.size(), games.size());
    for (std::size_t i = 0; i < games.size(); ++i) {
        const kv::TPbnBoard& board = import.Boards[i];
        const TTags& tags = games[i];
        EXPECT_EQ(std::to_string(board.Board), Value(tags, "Board")) << i;
        EXPECT_EQ(std::string(1, kv::SeatLetter(board.Dealer)), Value(tags, "Dealer")) << i;
        EXPECT_EQ(board.Vulnerable, Value(tags, "Vulnerable")) << i;
        TTags others;
        for (const auto& tag : tags)
            if (tag.first != "Board" && tag.first != "Dealer" && tag.first != "Vulnerable" &&
                tag.first != "Deal")
                others.push_back(tag);
        EXPECT_EQ(board.OtherTags, others) << i;
    }
}

// dealer's printoneline: "n <hand> e <hand> s <hand> w <hand>", hands as in PBN.
std::vector<std::string> DealerOneLineDeals(const std::string& text) {
    const std::regex deal(R"re(^n (\S+) e (\S+) s (\S+) w (\S+) *$)re");
    std::vector<std::string> deals;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_match(line, m, deal))
            deals.push_back("N:" + std::string(m[1]) + " " + std::string(m[2]) + " " +
                            std::string(m[3]) + " " + std::string(m[4]));
    }
    return deals;
}

// deal's -l format: "<north>|<east>|<south>|<west>", each hand four suits
// joined by single blanks (a void is empty).
std::vector<std::string> DealLineDeals(const std::string& text) {
    std::vector<std::string> deals;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::string deal = "N:";
        for (char c : line)
            deal += c == '|' ? ' ' : c == ' ' ? '.' : c;
        deals.push_back(deal);
    }
    return deals;
}

struct TDealerRow {
    const char* Name;
    std::string Statements; // before produce and action
    std::string Flags;
    int Count;
};

void PrintTo(const TDealerRow& row, std::ostream* out) {
    *out << row.Name;
}

class DealerPeer : public testing::TestWithParam<TDealerRow> {};

TEST_P(DealerPeer, PrintPbnReadCardForCard) {
    const TDealerRow& row = GetParam();
    const std::string dealer = PackageFile("dealer", "/(games|bin)/dealer$");
    TRunFolder dir;
    const std::string body = row.Statements + "produce " + std::to_string(row.Count) + "\n";
    dir.Write("pbn.dl", body + "action printpbn\n");
    dir.Write("line.dl", body + "action printoneline\n");
    const std::string run = dealer + " " + row.Flags + " -s 2024 ";
    const std::string pbn = FileText(dir.Run(dir.Path(""), run + "pbn.dl", "deals.pbn"));
    const auto lines =
        DealerOneLineDeals(FileText(dir.Run(dir.Path(""), run + "line.dl", "deals.txt")));

    const kv::TPbnImport import = kv::ReadPbnFile(dir.Path("deals.pbn"));
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    ASSERT_EQ(import.Boards.size(), static_cast<std::size_t>(row.Count));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(row.Count));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(import.Boards[i].Complete()) << i;
        EXPECT_EQ(HandsOf(import.Boards[i]), lines[i]) << i;
    }
    const auto games = PlainGames(pbn);
    ExpectSameTags(import, games);
    EXPECT_EQ(games.at(0).size(), 14u) << "dealer's printpbn writes fourteen tags a game";
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, DealerPeer,
    testing::Values(
        TDealerRow{"RotationAndStatistics", "", "", 20},
        TDealerRow{"DealerAndVulnerabilityStatements", "dealer west\nvulnerable ew\n", "-v", 6},
        TDealerRow{"SouthDealsEveryBoardAllVulnerable", "dealer south\nvulnerable all\n", "", 5},
        TDealerRow{"PredealAndCondition",
                   "predeal south SAQ542, HKJ87, D32, CAK\ncondition hcp(north) >= 12\n", "-v", 8}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(DealPeer, PbnFormatReadCardForCard) {
    const std::string deal = PackageFile("deal", "/(games|bin)/deal$");
    const std::string format = PackageFile("deal", "/format/pbn$");
    const std::string home = std::filesystem::path(format).parent_path().parent_path().string();
    TRunFolder dir;
    const std::string pbn = FileText(dir.Run(home, deal + " -i format/pbn -s 5 18", "deals.pbn"));
    const auto lines = DealLineDeals(FileText(dir.Run(home, deal + " -l -s 5 18", "deals.txt")));

    const kv::TPbnImport import = kv::ReadPbnFile(dir.Path("deals.pbn"));
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    ASSERT_EQ(lines.size(), 18u);
    ASSERT_EQ(import.Boards.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const kv::TPbnBoard& board = import.Boards[i];
        const int number = static_cast<int>(i) + 1;
        EXPECT_EQ(HandsOf(board), lines[i]) << i;
        EXPECT_EQ(board.Board, number) << "no Board tag: the position in the file";
        EXPECT_EQ(board.Dealer, kv::BoardDealer(number));
        EXPECT_EQ(board.Vulnerable, kv::BoardVulnerability(number));
        EXPECT_TRUE(board.OtherTags.empty());
    }
    EXPECT_EQ(PlainGames(pbn).size(), 18u);
}

// Our own program: the PBN file with double-dummy tags against its deal
// lines for the same seed (analysis draws no random number).
TEST(OwnToolPeer, PbnWithDoubleDummyReadBack) {
    TRunFolder dir;
    const std::string tool = "'" KV_DEAL_TOOL "' --seed 1A2B3C4D --count 17";
    const std::string pbn =
        FileText(dir.Run(dir.Path(""), tool + " --dd --format pbn", "deals.pbn"));
    const std::string text = FileText(dir.Run(dir.Path(""), tool, "deals.txt"));
    const std::regex line(R"re(^\[Deal "(N:[^"]+)"\]$)re");
    std::vector<std::string> deals;
    std::istringstream lines(text);
    for (std::string l; std::getline(lines, l);) {
        std::smatch m;
        if (std::regex_match(l, m, line)) deals.push_back(m[1]);
    }
    ASSERT_EQ(deals.size(), 17u);

    const kv::TPbnImport import = kv::ReadPbnFile(dir.Path("deals.pbn"));
    ASSERT_TRUE(import.Ok()) << import.Error->Message();
    ASSERT_EQ(import.Boards.size(), 17u);
    for (std::size_t i = 0; i < deals.size(); ++i) {
        const kv::TPbnBoard& board = import.Boards[i];
        const int number = static_cast<int>(i) + 1;
        EXPECT_EQ(HandsOf(board), deals[i]) << i;
        EXPECT_EQ(board.Board, number);
        EXPECT_EQ(board.Dealer, kv::BoardDealer(number));
        EXPECT_EQ(board.Vulnerable, kv::BoardVulnerability(number));
        ASSERT_NE(board.Tag("DoubleDummyTricks"), nullptr);
        kv::TDDTable table;
        EXPECT_TRUE(kv::TableFromTag(*board.Tag("DoubleDummyTricks"), table));
        EXPECT_NE(board.Tag("Generator"), nullptr);
    }
    ExpectSameTags(import, PlainGames(pbn));
}

} // namespace
