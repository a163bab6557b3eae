// kv-seed-signature: the deals and seeds of a fixed set of seeds and hand
// types, one line per deal. Every platform must print the same bytes; the
// cross-platform tests compare this output with the native build's and with
// tests/data/seed-signature.txt.
#include "SignatureTypes.h"
#include "engine/GenerateDeal.h"
#include "output/dealtext/DealText.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using namespace kv;

class TSilentHost : public IEngineHost {
  public:
    void ProcessMessages() override {}
    void ShowWarning(const std::string& text) override { Warning = text; }
    void CloseHandsWindow() override {}
    std::string Warning;
};

constexpr int kDealsPerSeed = 12;

std::string Hex(std::int32_t seed) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(seed));
    return text;
}

// One deal as "<deal text> <seed after> <draws>", or the warning that ended it.
std::string DealLine(TDealEngine& engine, TTypeList& types) {
    TSilentHost host;
    const std::uint64_t before = engine.Random().Draws();
    const TDealOutcome dealt = GenerateDeal(engine, types, host);
    if (!dealt.Dealt()) return "no deal: " + host.Warning;
    const TFullDeal& d = dealt.Deal;
    const std::string text = DealText(d.North(), d.East(), d.South(), d.West());
    return text + " " + Hex(engine.Random().RandomSeed) + " " +
           std::to_string(engine.Random().Draws() - before);
}

// The deals of one case and seed on the cached path; a line that the literal
// path makes differently is marked, so that the comparison fails on it.
void PrintCase(const cross::TSignatureCase& c, std::uint32_t seed) {
    std::printf("%s seed %08X\n", c.Name.c_str(), static_cast<unsigned>(seed));
    TDealEngine cached(TDealEngine::TPatternPath::Cached);
    TDealEngine literal(TDealEngine::TPatternPath::Literal);
    cached.Random().RandomSeed = literal.Random().RandomSeed = static_cast<std::int32_t>(seed);
    TTypeList cachedTypes = c.Types, literalTypes = c.Types;
    for (int i = 0; i < kDealsPerSeed; ++i) {
        const std::string line = DealLine(cached, cachedTypes);
        const bool same = DealLine(literal, literalTypes) == line;
        std::printf("%s%s\n", line.c_str(), same ? "" : " LITERAL PATH DIFFERS");
    }
}

} // namespace

int main() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY); // the same bytes as everywhere: no CR before LF
#endif
    for (const auto& c : kv::cross::SignatureCases())
        for (std::uint32_t seed : kv::cross::kSignatureSeeds)
            PrintCase(c, seed);
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
