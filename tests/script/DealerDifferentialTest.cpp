// The meaning of scripts against Debian's dealer itself: for each example of
// the dealer package and each real scenario script of tests/data/dlr, deals
// (some the script accepts, some at random, and accepted ones with two cards
// exchanged between hands, which sit near the condition's boundary) are
// given to dealer whole by predeal lines, with generate and produce 1. Its
// output, the script's own actions on that deal or nothing, must equal ours
// byte for byte; and with "condition 1" added, every named expression printed
// by printes must have the same value on every deal. Skipped when dealer is
// not installed.

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
        std::string values = "\ncondition 1\naction printes(\"v\"";
        for (const std::string& n : names)
            values += ", \" \", " + n;
        values += ", \\n)\n";
        const std::optional<std::string> theirValues = RunDealer(whole + values);
        ASSERT_TRUE(theirValues);
        bool all = false;
        const std::string ourValues = Ours(whole + values, deal, all);
        counts.Values += static_cast<int>(names.size());
        const bool sameValues = theirValues->size() >= ourValues.size() &&
                                theirValues->compare(theirValues->size() - ourValues.size(),
                                                     ourValues.size(), ourValues) == 0;
        if (!sameValues) ++counts.ValueMismatches;
        EXPECT_TRUE(sameValues) << "dealer: " << *theirValues << "ours:   " << ourValues;
    }
}

TEST(DealerDifferential, ExamplesAndRealScriptsMeanWhatDealerMeans) {
    const std::string dealer = DealerPath();
    if (dealer.empty()) GTEST_SKIP() << "Debian's dealer is not installed";
    std::string pattern = (fs::temp_directory_path() / "kv-differential-XXXXXX").string();
    const fs::path folder = ::mkdtemp(pattern.data());
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

} // namespace
