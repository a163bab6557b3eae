// draw_divergence_search: finds draws where 64-bit double or exact rational
// arithmetic would pick another pattern than the 80-bit arithmetic does. It
// walks South lists (every bound on up to two suits) and North lists beside
// every South pattern (every bound on one suit), and tries the seeds next to
// each running total's exact crossing, where the three can disagree. The
// pinned rows of DrawDivergenceTest.cpp come from its output.
#include "DrawReferences.h"
#include "engine/PatternCache.h"

#include <algorithm>
#include <cstdio>

namespace {

using namespace kv;

struct TCounts {
    long Lists = 0, Draws = 0, DoubleDiffers = 0, ExactDiffers = 0, Ties = 0;
};

void Report(const char* kind, const THandParam& t, std::uint16_t south, std::uint32_t s, int p80,
            int pDouble, int pExact, bool tie) {
    std::printf("%s south=%04X S=", kind, south);
    for (TRange r : kSuitRanges)
        std::printf("%d-%d,", t.Min(TSide::South, r), t.Max(TSide::South, r));
    std::printf(" N=");
    for (TRange r : kSuitRanges)
        std::printf("%d-%d,", t.Min(TSide::North, r), t.Max(TSide::North, r));
    std::printf(" seed=%08X 80bit=%d double=%d exact=%d%s\n", s, p80, pDouble, pExact,
                tie ? " tie" : "");
}

void SearchList(const char* kind, const THandParam& t, const TDistList& list, std::uint16_t south,
                TCounts& counts, int& shown) {
    if (list.size() < 2) return;
    ++counts.Lists;
    const std::vector<std::uint64_t> n = test::HandCounts(list, south);
    std::vector<std::uint64_t> cumN;
    std::vector<double> cumD;
    std::vector<TExtended> cum80;
    std::uint64_t total = 0;
    double sumD = 0;
    TExtended sum80;
    for (std::size_t i = 0; i < list.size(); ++i) {
        total += n[i], sumD = sumD + static_cast<double>(n[i]) / 635013559600.0;
        sum80 = sum80 + list[i].Weight;
        cumN.push_back(total), cumD.push_back(sumD), cum80.push_back(sum80);
    }
    const auto last = static_cast<int>(list.size()) - 1;
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
        const auto crossing =
            static_cast<std::uint64_t>((static_cast<unsigned __int128>(cumN[i]) << 32) / total);
        for (std::uint64_t s = crossing == 0 ? 0 : crossing - 1;
             s <= crossing + 2 && s < (1ull << 32); ++s) {
            ++counts.Draws;
            const TExtended t80 = TExtended(s) * kTwoToMinus32 * sum80;
            const double tD = static_cast<double>(s) * 2.3283064365386963e-10 * sumD;
            const unsigned __int128 target = static_cast<unsigned __int128>(s) * total;
            const int p80 =
                std::min(last, static_cast<int>(std::lower_bound(cum80.begin(), cum80.end(), t80) -
                                                cum80.begin()));
            const int pD =
                std::min(last, static_cast<int>(std::lower_bound(cumD.begin(), cumD.end(), tD) -
                                                cumD.begin()));
            const int pE = static_cast<int>(
                std::lower_bound(cumN.begin(), cumN.end(), target,
                                 [](std::uint64_t c, unsigned __int128 v) {
                                     return (static_cast<unsigned __int128>(c) << 32) < v;
                                 }) -
                cumN.begin());
            const bool tie = (static_cast<unsigned __int128>(cumN[i]) << 32) == target;
            counts.DoubleDiffers += pD != p80, counts.ExactDiffers += pE != p80,
                counts.Ties += tie && pE != p80;
            if ((pD != p80 || pE != p80) && shown < 100000) {
                ++shown;
                Report(kind, t, south, static_cast<std::uint32_t>(s), p80, pD, pE, tie);
            }
        }
    }
}

void SetRange(THandParam& t, TSide side, TRange r, int lo, int hi) {
    t.Min(side, r) = static_cast<std::uint8_t>(lo), t.Max(side, r) = static_cast<std::uint8_t>(hi);
}

} // namespace

int main() {
    TCounts south, north;
    int shownSouth = 0, shownNorth = 0;
    TDistList list;
    for (std::size_t a = 0; a < 4; ++a)
        for (std::size_t b = a; b < 4; ++b)
            for (int aLo = 0; aLo <= 13; ++aLo)
                for (int aHi = aLo; aHi <= 13; ++aHi)
                    for (int bLo = 0; bLo <= 13; ++bLo)
                        for (int bHi = bLo; bHi <= 13; ++bHi) {
                            if (a == b && (bLo != 0 || bHi != 13)) continue;
                            THandParam t;
                            SetRange(t, TSide::South, kSuitRanges[a], aLo, aHi);
                            if (a != b) SetRange(t, TSide::South, kSuitRanges[b], bLo, bHi);
                            BuildSouthPatterns(t, list);
                            SearchList("South", t, list, 0, south, shownSouth);
                        }
    for (std::uint16_t code : PatternTable())
        for (std::size_t a = 0; a < 4; ++a)
            for (int lo = 0; lo <= 13; ++lo)
                for (int hi = lo; hi <= 13; ++hi) {
                    THandParam t;
                    SetRange(t, TSide::North, kSuitRanges[a], lo, hi);
                    BuildNorthPatterns(t, TDist{code, 0}, list);
                    SearchList("North", t, list, code, north, shownNorth);
                }
    for (const auto& [name, c] : {std::pair{"South", south}, std::pair{"North", north}})
        std::printf(
            "%s: %ld lists, %ld draws tried, double differs %ld, exact differs %ld (%ld at ties)\n",
            name, c.Lists, c.Draws, c.DoubleDiffers, c.ExactDiffers, c.Ties);
}
