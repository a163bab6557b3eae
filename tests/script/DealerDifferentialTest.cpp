// The meaning of scripts against Debian's dealer itself: for each example of
// the dealer package and each real scenario script of tests/data/dlr, deals
// (some the script accepts, some at random, and accepted ones with two cards
// exchanged between hands, which sit near the condition's boundary) are
// given to dealer whole by predeal lines, with generate and produce 1. Its
// output, the script's own actions on that deal or nothing, must equal ours
// byte for byte; and with "condition 1" added, every named expression printed
// by printes must have the same value on every deal. Skipped when dealer is
// not installed.

#include "ChiSquare.h"
#include "DealHistograms.h"
#include "ScriptTestUtil.h"
#include "script/DealMaker.h"
#include "script/ScriptActions.h"
#include "script/ScriptRun.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <regex>
#include <set>
#include <unistd.h>

namespace {

using namespace kv;
using namespace kv::script;
namespace fs = std::filesystem;

constexpr int kAccepted = 4, kRandom = 4, kExchanged = 4;

std::string DealerPath() {
    for (const char* path : {"/usr/games/dealer", "/usr/bin/dealer"})
        if (::access(path, X_OK) == 0) return path;
    return "";
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    char text[16];
    std::strftime(text, sizeof text, "%Y.%m.%d", std::localtime(&now));
    return text;
}

struct TCounts {
    int Scripts = 0, Deals = 0, Decisions = 0, DecisionMismatches = 0, Values = 0,
        ValueMismatches = 0;
};

class TDifferential {
  public:
    TDifferential(std::string dealer, fs::path folder)
        : dealer_(std::move(dealer)), folder_(std::move(folder)) {}

    void Check(const std::string& name, const std::string& text, TCounts& counts);

    // Every named expression of `text` printed on `deal`, by dealer and by us.
    bool SameValues(const std::string& text, const TScript& script, const TDealMasks& deal,
                    const std::vector<std::string>& names);

  private:
    // dealer's standard output for `text` (without its closing statistics),
    // or nothing when dealer refuses the script.
    std::optional<std::string> RunDealer(const std::string& text) const;
    std::string Ours(const std::string& text, const TDealMasks& deal, bool& accepted) const;
    std::vector<TDealMasks> Deals(const TScript& script) const;

    std::string dealer_;
    fs::path folder_;
};

// The cards of each seat that the script does not predeal, as predeal lines.
std::string PredealRest(const TScript& script, const TDealMasks& deal) {
    constexpr std::array<const char*, 4> kSeatNames = {"north", "east", "south", "west"};
    constexpr std::string_view ranks = "23456789TJQKA";
    std::string lines = "\n";
    for (std::size_t seat = 0; seat < 4; ++seat) {
        const std::uint64_t rest = deal.Hands[seat] & ~script.Predeal[seat];
        if (!rest) continue;
        std::string holdings;
        for (int suit = 0; suit < 4; ++suit) {
            std::string cards;
            for (int rank = 14; rank >= 2; --rank)
                if (rest & CardBit(suit, rank)) cards += ranks[static_cast<std::size_t>(rank - 2)];
            if (cards.empty()) continue;
            holdings += (holdings.empty() ? "" : ", ") + std::string(1, "SHDC"[suit]) + cards;
        }
        lines += std::string("predeal ") + kSeatNames[seat] + " " + holdings + "\n";
    }
    return lines;
}

// The names the script defines: NAME = EXPR at the start of a line, outside comments.
std::vector<std::string> Names(const std::string& script) {
    static const std::regex comments(R"(/\*[\s\S]*?\*/|//[^\n]*|#[^\n]*)");
    static const std::regex definition(R"((?:^|\n)[ \t]*([A-Za-z][A-Za-z0-9_]*)[ \t]*=[^=])");
    const std::string text = std::regex_replace(script, comments, " ");
    std::set<std::string> seen;
    std::vector<std::string> names;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), definition);
         it != std::sregex_iterator(); ++it)
        if (seen.insert((*it)[1]).second) names.push_back((*it)[1]);
    return names;
}

std::optional<std::string> TDifferential::RunDealer(const std::string& text) const {
    const fs::path input = folder_ / "input.dlr";
    if (FILE* f = std::fopen(input.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    const std::string command =
        "cd '" + folder_.string() + "' && '" + dealer_ + "' -s 1 -g 1 -p 1 input.dlr 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string out;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    const int status = ::pclose(pipe);
    if (status != 0) return std::nullopt;
    // The closing statistics, when printed (an odd number of printpbn actions
    // turns them off), end the output.
    static const std::regex statistics("Generated [0-9]+ hands\nProduced [0-9]+ hands\nInitial "
                                       "random seed [0-9]+\nTime needed +[0-9.]+ sec\n$");
    std::smatch match;
    if (std::regex_search(out, match, statistics))
        out.erase(static_cast<std::size_t>(match.position(0)));
    return out;
}

std::string TDifferential::Ours(const std::string& text, const TDealMasks& deal,
                                bool& accepted) const {
    const TScript script = test::Script(text, "input.dlr");
    const THandTables tables = THandTables::For(script.Program);
    TEvaluator evaluator(script.Program, tables);
    TRandomStream random = TRandomStream::ForDeal(1, 0);
    accepted = Accepts(script, evaluator, deal, random);
    TActionTotals totals(script);
    std::string out;
    if (accepted) {
        const TPbnTags tags{"input.dlr", "1", Today(), script.Dealer, script.Vulnerable};
        const TDealReport report = ReportDeal(script, evaluator, deal, 1, tags);
        out += report.Text;
        totals.Take(deal, 1, report);
    }
    return out + totals.Finish();
}

// Accepted deals of our own run, uniformly random ones, and accepted ones
// with a card of one seat exchanged for a card of another.
std::vector<TDealMasks> TDifferential::Deals(const TScript& script) const {
    std::vector<TDealMasks> deals;
    TRunRequest request;
    request.Seed = 0x5EED;
    request.Count = kAccepted;
    request.Generate = 3000000;
    const std::atomic<bool> cancel{false};
    RunScript(script, request, {}, {[&](TProducedDeal&& d) { deals.push_back(d.Deal); }, {}},
              cancel);
    const std::size_t accepted = deals.size();
    const THandTables tables = THandTables::For(script.Program);
    const TDealMaker plain(script, tables, false);
    TRandomStream random(0xD1FF);
    for (int i = 0; i < kRandom; ++i) {
        TDealScratch scratch;
        plain.Reset(scratch);
        TDealMasks deal;
        plain.Deal(random, scratch, deal);
        plain.Complete(random, scratch, deal);
        deals.push_back(deal);
    }
    for (std::size_t i = 0; i < accepted && i < kExchanged; ++i) {
        TDealMasks deal = deals[i];
        const std::size_t a = random.Below(4), b = (a + 1 + random.Below(3)) % 4;
        auto pick = [&](std::size_t seat) {
            const std::uint64_t movable = deal.Hands[seat] & ~script.Predeal[seat];
            std::uint64_t m = movable;
            for (std::uint32_t k = random.Below(static_cast<std::uint32_t>(std::popcount(movable)));
                 k > 0; --k)
                m &= m - 1;
            return m & (0 - m);
        };
        if (!(deal.Hands[a] & ~script.Predeal[a]) || !(deal.Hands[b] & ~script.Predeal[b]))
            continue;
        const std::uint64_t x = pick(a), y = pick(b);
        deal.Hands[a] = (deal.Hands[a] & ~x) | y;
        deal.Hands[b] = (deal.Hands[b] & ~y) | x;
        deals.push_back(deal);
    }
    return deals;
}

void TDifferential::Check(const std::string& name, const std::string& text, TCounts& counts) {
    SCOPED_TRACE(name);
    const TScriptRead read = ParseScript(text, name);
    ASSERT_TRUE(read.Ok()) << read.Error->Message();
    ++counts.Scripts;
    const std::vector<std::string> names = Names(text);
    for (const TDealMasks& deal : Deals(*read.Script)) {
        SCOPED_TRACE(test::DealText(deal));
        ++counts.Deals;
        const std::string whole = text + PredealRest(*read.Script, deal);
        const std::optional<std::string> theirs = RunDealer(whole);
        ASSERT_TRUE(theirs) << "dealer refused the script";
        bool accepted = false;
        const std::string ours = Ours(whole, deal, accepted);
        ++counts.Decisions;
        // dealer echoes the characters <, E, O, F and > of /* */ comments
        // before anything else; we do not.
        const bool same = theirs->size() >= ours.size() &&
                          theirs->compare(theirs->size() - ours.size(), ours.size(), ours) == 0 &&
                          theirs->find_first_not_of("<EOF>") >= theirs->size() - ours.size();
        if (!same) ++counts.DecisionMismatches;
        EXPECT_TRUE(same) << "dealer:\n"
                          << *theirs << "\nours (" << (accepted ? "accepted" : "refused") << "):\n"
                          << ours;
        if (names.empty()) continue;
        counts.Values += static_cast<int>(names.size());
        if (!SameValues(text, *read.Script, deal, names)) ++counts.ValueMismatches;
    }
}

bool TDifferential::SameValues(const std::string& text, const TScript& script,
                               const TDealMasks& deal, const std::vector<std::string>& names) {
    std::string values = "\ncondition 1\naction printes(\"v\"";
    for (const std::string& n : names)
        values += ", \" \", " + n;
    values += ", \\n)\n";
    const std::string whole = text + PredealRest(script, deal) + values;
    const std::optional<std::string> theirs = RunDealer(whole);
    EXPECT_TRUE(theirs) << "dealer refused the script";
    if (!theirs) return false;
    bool accepted = false;
    const std::string ours = Ours(whole, deal, accepted);
    const bool same = theirs->size() >= ours.size() &&
                      theirs->compare(theirs->size() - ours.size(), ours.size(), ours) == 0;
    EXPECT_TRUE(same) << "dealer: " << *theirs << "ours:   " << ours;
    return same;
}

fs::path TemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "kv-differential-XXXXXX").string();
    return ::mkdtemp(pattern.data());
}

// Every function of the language on every seat and suit, named so that
// printes shows each value: tricks() aside, which dealer cannot run.
std::string Battery(std::vector<std::string>& names) {
    constexpr std::array<const char*, 4> kSeat = {"north", "east", "south", "west"};
    constexpr std::array<const char*, 4> kSuit = {"spades", "hearts", "diamonds", "clubs"};
    constexpr std::array<const char*, 15> kSuitFunction = {
        "hcp",  "control", "loser", "quality", "tens", "jacks", "queens", "kings",
        "aces", "top2",    "top3",  "top4",    "top5", "c13",   "pt0"};
    constexpr std::array<const char*, 15> kHandFunction = {
        "hcp", "controls", "losers", "cccc", "pt0", "pt1", "pt2", "pt3",
        "pt4", "pt5",      "pt6",    "pt7",  "pt8", "pt9", "hcps"};
    std::string text;
    auto define = [&](const std::string& name, const std::string& expression) {
        text += name + " = " + expression + "\n";
        names.push_back(name);
    };
    for (std::size_t seat = 0; seat < 4; ++seat) {
        const std::string at = std::string("(") + kSeat[seat];
        for (std::size_t f = 0; f < kHandFunction.size(); ++f)
            define("h" + std::to_string(seat) + "f" + std::to_string(f),
                   kHandFunction[f] + at + ")");
        for (std::size_t suit = 0; suit < 4; ++suit) {
            define("l" + std::to_string(seat) + std::to_string(suit),
                   std::string(kSuit[suit]) + at + ")");
            for (std::size_t f = 0; f < kSuitFunction.size(); ++f)
                define("s" + std::to_string(seat) + std::to_string(suit) + "f" + std::to_string(f),
                       kSuitFunction[f] + at + ", " + kSuit[suit] + ")");
        }
        define("a" + std::to_string(seat),
               "shape" + at + ", any 4333 + any 5xxx - 5xx3, any 7xxx -any 0xxx + xxx0)");
        define("b" + std::to_string(seat),
               "shape" + at + ", xxxx - any 4432 - any 4333 - any 5332) * 10 + hcp" + at + ")");
        define("c" + std::to_string(seat),
               "hascard" + at + ", AS) + 2 * hascard" + at + ", TC) + 4 * hascard" + at + ", 2D)");
    }
    define("v1",
           "score(vul, x3N, 6 + hcp(north) / 4) + score(nv, x4S, spades(north) + spades(south))");
    define("v2", "score(nv, x6C, 13 - losers(east)) - score(vul, x7H, 14 - losers(west))");
    define("v3", "imps(hcp(north) * 130 - hcp(south) * 170) + imps(0 - (cccc(east) - cccc(west)))");
    define("v4", "hcp(north) > 11 ? hcp(south) % 7 - 3 : 0 - hcp(east) / 3 * 2");
    return text;
}

TEST(DealerDifferential, EveryFunctionGivesWhatDealerGives) {
    const std::string dealer = DealerPath();
    if (dealer.empty()) GTEST_SKIP() << "Debian's dealer is not installed";
    const fs::path folder = TemporaryFolder();
    TDifferential differential(dealer, folder);
    std::vector<std::string> names;
    const std::string text = Battery(names);
    const TScript script = test::Script(text);
    std::vector<TDealMasks> deals = {
        test::Deal("N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432"),
        test::Deal("N:A.KQ.J2.T9876543 K.AJT.Q543.AKQJ2 Q.98765.AKT9876. JT98765432.432.."),
        test::Deal("N:AQ.K.J.AKQJT9876 KJ.Q.AKQT98765.2 T9876.AJ.432.543 5432.T98765432..")};
    TRandomStream random(0xBA77);
    const THandTables tables = THandTables::For(script.Program);
    const TDealMaker plain(script, tables, false);
    for (int i = 0; i < 60; ++i) {
        TDealScratch scratch;
        plain.Reset(scratch);
        TDealMasks deal;
        plain.Deal(random, scratch, deal);
        plain.Complete(random, scratch, deal);
        deals.push_back(deal);
    }
    int mismatched = 0;
    for (const TDealMasks& deal : deals) {
        SCOPED_TRACE(test::DealText(deal));
        if (!differential.SameValues(text, script, deal, names)) ++mismatched;
    }
    fs::remove_all(folder);
    std::printf("functions: %zu values on each of %zu deals, %d deals mismatched\n", names.size(),
                deals.size(), mismatched);
}

TEST(DealerDifferential, ExamplesAndRealScriptsMeanWhatDealerMeans) {
    const std::string dealer = DealerPath();
    if (dealer.empty()) GTEST_SKIP() << "Debian's dealer is not installed";
    const fs::path folder = TemporaryFolder();
    TDifferential differential(dealer, folder);
    TCounts counts;
    std::vector<fs::path> scripts;
    const fs::path examples = "/usr/share/doc/dealer/examples";
    if (fs::exists(examples))
        for (const auto& entry : fs::directory_iterator(examples))
            if (entry.path().filename().string().rfind("Descr.", 0) == 0)
                scripts.push_back(entry.path());
    std::sort(scripts.begin(), scripts.end());
    for (const fs::path& path : test::DataScripts())
        scripts.push_back(path);
    for (const fs::path& path : scripts)
        differential.Check(path.filename().string(), test::ReadText(path), counts);
    fs::remove_all(folder);
    std::printf("differential: %d scripts, %d deals, %d decisions (%d mismatched), %d values (%d "
                "deals mismatched)\n",
                counts.Scripts, counts.Deals, counts.Decisions, counts.DecisionMismatches,
                counts.Values, counts.ValueMismatches);
    EXPECT_GE(counts.Scripts, 35);
}

// Deals of dealer's own run of the script: its printoneline lines.
std::vector<TDealMasks> DealersDeals(const std::string& dealer, const fs::path& folder,
                                     const std::string& text, int count) {
    const fs::path input = folder / "run.dlr";
    if (FILE* f = std::fopen(input.c_str(), "wb")) {
        const std::string whole = text + "\naction printoneline\n";
        std::fwrite(whole.data(), 1, whole.size(), f);
        std::fclose(f);
    }
    const std::string command = "'" + dealer + "' -s 7 -g 200000000 -p " + std::to_string(count) +
                                " '" + input.string() + "' 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    std::vector<TDealMasks> deals;
    char line[256];
    while (std::fgets(line, sizeof line, pipe)) {
        std::string_view l(line);
        if (l.substr(0, 2) != "n ") continue;
        std::string pbn = "N:";
        for (std::size_t at = 0; at < l.size(); at += 2) {
            const std::size_t end = l.find(' ', at + 2);
            if (end == std::string_view::npos) break;
            pbn += std::string(at ? " " : "") + std::string(l.substr(at + 2, end - at - 2));
            at = end - 1;
        }
        deals.push_back(test::Deal(pbn));
    }
    ::pclose(pipe);
    return deals;
}

// Our deals and dealer's of the same script, each seat's points and suit
// lengths chi-square tested: every deal the condition accepts must be as
// likely with us as with dealer, seat dealt first or not.
TEST(DealerDifferential, DealsAreDistributedAsDealersAre) {
    const std::string dealer = DealerPath();
    if (dealer.empty()) GTEST_SKIP() << "Debian's dealer is not installed";
    const fs::path folder = TemporaryFolder();
    constexpr int kDeals = 1500;
    for (const char* name :
         {"SCS16_1C_any_5-7_Resp.dlr", "1N.dlr", "Any_5422_with_15-17.dlr", "Texas_Transfer.dlr"}) {
        SCOPED_TRACE(name);
        const std::string text = test::ReadText(fs::path(KV_SCRIPT_DATA) / name);
        const TScript script = test::Script(text, name);
        const std::vector<TDealMasks> theirs = DealersDeals(dealer, folder, text, kDeals);
        ASSERT_EQ(theirs.size(), static_cast<std::size_t>(kDeals));
        TRunRequest request;
        request.Seed = 0x7777;
        request.Count = kDeals;
        request.Threads = 2;
        request.Generate = INT64_MAX;
        std::vector<TDealMasks> ours;
        const std::atomic<bool> cancel{false};
        RunScript(script, request, {}, {[&](TProducedDeal&& d) { ours.push_back(d.Deal); }, {}},
                  cancel);
        const auto a = test::DealHistograms(ours), b = test::DealHistograms(theirs);
        double lowest = 1;
        for (std::size_t i = 0; i < a.size(); ++i)
            lowest = std::min(lowest, test::SameDistribution(a[i], b[i]));
        std::printf("%s: lowest p of 20 histograms %.4f\n", name, lowest);
        EXPECT_GT(lowest, 1e-4);
    }
    fs::remove_all(folder);
}

} // namespace
