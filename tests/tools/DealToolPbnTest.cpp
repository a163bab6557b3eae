// The PBN export parsed back: header, CRLF, tags in order, rotation, and every
// Deal tag equal to the deal line of the same seed.
#include "RunTool.h"

#include <gtest/gtest.h>

#include <regex>
#include <vector>

using kv::test::TToolFolder;

namespace {

struct TGame {
    std::vector<std::pair<std::string, std::string>> Tags;
    std::string Value(const std::string& name) const {
        for (const auto& [n, v] : Tags)
            if (n == name) return v;
        return "<missing>";
    }
};

std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the file ends with CRLF";
    return lines;
}

std::vector<TGame> ParseGames(const std::vector<std::string>& lines) {
    const std::regex tag(R"re(\[(\w+) "([^"]*)"\])re");
    std::vector<TGame> games(1);
    for (std::size_t i = 2; i < lines.size(); ++i) {
        std::smatch m;
        if (lines[i].empty())
            games.emplace_back();
        else if (std::regex_match(lines[i], m, tag))
            games.back().Tags.emplace_back(m[1], m[2]);
        else
            ADD_FAILURE() << "not a tag: " << lines[i];
    }
    return games;
}

// "E:h1 h2 h3 h4" turned back to North first.
std::string NorthFirst(const std::string& deal) {
    std::vector<std::string> hands;
    std::size_t start = 2;
    for (int i = 0; i < 4; ++i) {
        const std::size_t end = deal.find(' ', start);
        hands.push_back(deal.substr(start, end - start));
        start = end + 1;
    }
    const int first = static_cast<int>(std::string("NESW").find(deal[0]));
    std::string out = "N:";
    for (int seat = 0; seat < 4; ++seat)
        out += (seat ? " " : "") + hands[static_cast<std::size_t>((seat - first + 4) % 4)];
    return out;
}

} // namespace

TEST(DealToolPbn, SeventeenBoardsParseBack) {
    TToolFolder dir;
    const auto pbn = dir.Run("--seed 1A2B3C4D --count 17 --format pbn");
    const auto deals = dir.Run("--seed 1A2B3C4D --count 17");
    ASSERT_EQ(pbn.Status, 0);
    const auto lines = CrLfLines(pbn.Out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "% PBN 2.1");
    EXPECT_EQ(lines[1], "% EXPORT");
    const auto games = ParseGames(lines);
    ASSERT_EQ(games.size(), 17u);

    const std::vector<std::string> order = {
        "Event",  "Site",       "Date", "Board",   "West",     "North",    "East",   "South",
        "Dealer", "Vulnerable", "Deal", "Scoring", "Declarer", "Contract", "Result", "Generator"};
    const char* dealers = "NESWNESWNESWNESWN";
    const char* vul[] = {"None", "NS",   "EW", "All", "NS",   "EW", "All", "None", "EW",
                         "All",  "None", "NS", "All", "None", "NS", "EW",  "None"};
    std::size_t lineStart = 0;
    for (int b = 0; b < 17; ++b) {
        const TGame& g = games[static_cast<std::size_t>(b)];
        std::vector<std::string> names;
        for (const auto& tag : g.Tags)
            names.push_back(tag.first);
        EXPECT_EQ(names, order);
        EXPECT_EQ(g.Value("Board"), std::to_string(b + 1));
        EXPECT_EQ(g.Value("Dealer"), std::string(1, dealers[b]));
        EXPECT_EQ(g.Value("Vulnerable"), vul[b]);
        EXPECT_EQ(g.Value("Deal")[0], dealers[b]) << "the Deal tag starts with the dealer";
        EXPECT_EQ(g.Value("Contract"), "");
        EXPECT_EQ(g.Value("Generator"), "kestrovanhalme-deal 2.16, seed 1A2B3C4D");
        EXPECT_TRUE(std::regex_match(g.Value("Date"), std::regex(R"(\d{4}\.\d{2}\.\d{2})")));
        const std::size_t lineEnd = deals.Out.find('\n', lineStart);
        const std::string line = deals.Out.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        EXPECT_EQ("[Deal \"" + NorthFirst(g.Value("Deal")) + "\"]", line) << "board " << b + 1;
    }
}
