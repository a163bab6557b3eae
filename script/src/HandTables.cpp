#include "script/HandTables.h"

#include "script/DealMasks.h"

#include <bit>

namespace kv::script {
namespace {

bool Has(unsigned holding, int rank) {
    return holding & (1u << (rank - 2));
}

// Void 0; singleton: the ace 0, else 1; doubleton: AK 0, Ax or Kx 1, else 2;
// longer: 3 less one for each of the ace, king and queen.
int LoserCount(unsigned h) {
    const int length = std::popcount(h);
    const int controls = 2 * Has(h, 14) + Has(h, 13);
    if (length == 0) return 0;
    if (length == 1) return controls == 2 ? 0 : 1;
    if (length == 2) return controls == 3 ? 0 : controls > 0 ? 1 : 2;
    return 3 - Has(h, 14) - Has(h, 13) - Has(h, 12);
}

// A suit's quality as The Bridge World (October 1982) has it, times 100.
int SuitQuality(unsigned h) {
    const int length = std::popcount(h);
    const bool ace = Has(h, 14), king = Has(h, 13), queen = Has(h, 12), jack = Has(h, 11),
               ten = Has(h, 10), nine = Has(h, 9), eight = Has(h, 8);
    const int factor = length * 10;
    const int higher = ace + king + queen + jack;
    int quality = factor * (4 * ace + 3 * king + 2 * queen + jack);
    if (length > 6) {
        int replaced = 3 - 2 * queen - jack;
        if (replaced > length - 6) replaced = length - 6;
        quality += replaced * factor;
    } else {
        if (ten) quality += (higher > 1 || jack) ? factor : factor / 2;
        if (nine && (higher == 2 || ten || eight)) quality += factor / 2;
    }
    return quality;
}

// cccc's part for one suit: the honours, valued by length and company, and
// the suit's quality.
int CcccSuitPart(unsigned h) {
    const int length = std::popcount(h);
    int value = 0, higher = 0;
    if (Has(h, 14)) {
        value += 300;
        ++higher;
    }
    if (Has(h, 13)) {
        value += length == 1 ? 50 : 200;
        ++higher;
    }
    if (Has(h, 12)) {
        value += 100 - (length == 1 ? 75 : 0) - (length == 2 ? 25 : 0) - (higher == 0 ? 25 : 0);
        ++higher;
    }
    if (Has(h, 11)) {
        value += higher == 2 ? 50 : higher == 1 ? 25 : 0;
        ++higher;
    }
    if (Has(h, 10) && (higher == 2 || (higher == 1 && Has(h, 9)))) value += 25;
    return value + SuitQuality(h);
}

} // namespace

TRankTable::TRankTable(const TRankValues& values) {
    for (unsigned h = 1; h < 128; ++h)
        Low[h] = Low[h & (h - 1)] + values[static_cast<std::size_t>(std::countr_zero(h))];
    for (unsigned h = 1; h < 64; ++h)
        High[h] = High[h & (h - 1)] + values[static_cast<std::size_t>(7 + std::countr_zero(h))];
}

THandTables THandTables::For(const TProgram& program) {
    THandTables t;
    t.Hcp = TRankTable(program.PointCount);
    for (std::size_t k = 0; k < kAltCounts; ++k)
        t.Counts[k] = TRankTable(program.AltCounts[k]);
    t.Controls = TRankTable({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2});
    t.Lengths.resize(kHoldings);
    t.Losers.resize(kHoldings);
    t.Quality.resize(kHoldings);
    t.CcccPart.resize(kHoldings);
    for (unsigned h = 0; h < kHoldings; ++h) {
        t.Lengths[h] = static_cast<std::uint8_t>(std::popcount(h));
        t.Losers[h] = static_cast<std::int8_t>(LoserCount(h));
        t.Quality[h] = static_cast<std::int16_t>(SuitQuality(h));
        t.CcccPart[h] = static_cast<std::int16_t>(CcccSuitPart(h));
    }
    return t;
}

} // namespace kv::script
