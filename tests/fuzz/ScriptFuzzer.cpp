// libFuzzer target: any bytes read as a dealer script give a script or a
// refusal, never a crash, an out-of-bounds access, runaway recursion or an
// exception. A refusal names a line of the text and is safe on a terminal;
// a script that is read deals a few deals within a small limit of tries, each
// whole (52 cards in four hands of 13) and holding its predealt cards, and
// its actions print them.

#include "FuzzInput.h"
#include "script/ScriptRun.h"

#include <algorithm>
#include <bit>
#include <string_view>

namespace {

using namespace kv;
using namespace kv::script;
using fuzz::Check;

void CheckRefusal(const TScriptError& error, std::string_view text) {
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    Check(error.Line >= 1 && error.Line <= lines && error.Column >= 1);
    for (const char c : error.Message())
        Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
}

bool SolvesTricks(const TScript& script) {
    return std::any_of(script.Program.Nodes.begin(), script.Program.Nodes.end(),
                       [](const TNode& node) { return node.Op == TOp::Tricks; });
}

void CheckDeal(const TScript& script, const TDealMasks& deal) {
    std::uint64_t all = 0;
    for (std::size_t seat = 0; seat < kSeats; ++seat) {
        Check(std::popcount(deal.Hands[seat]) == 13);
        Check((all & deal.Hands[seat]) == 0);
        Check((deal.Hands[seat] & script.Predeal[seat]) == script.Predeal[seat]);
        all |= deal.Hands[seat];
    }
    Check(all == kFullPack);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TScriptRead read = ParseScript(text, "fuzz.dlr");
    if (!read.Ok()) {
        if (read.Error->Line > 0) CheckRefusal(*read.Error, text);
        return 0;
    }
    const TScript& script = *read.Script;
    if (SolvesTricks(script)) return 0; // the solver takes its time; the tests cover it
    TRunRequest request;
    request.Seed = 1;
    request.Count = 2;
    request.Generate = 300;
    const std::atomic<bool> cancel{false};
    TActionTotals totals(script);
    const TRunResult result = RunScript(
        script, request, {"fuzz.dlr", "1", "2026.01.01", script.Dealer, script.Vulnerable},
        {[&](TProducedDeal&& d) {
             CheckDeal(script, d.Deal);
             totals.Take(d.Deal, d.Number, d.Report);
         },
         {}},
        cancel);
    Check(result.Produced <= 2 && result.Generated <= 300);
    (void)totals.Finish();
    return 0;
}
