#pragma once
// What the script's functions give for one suit holding (13 bits, DealMasks.h),
// by table: the point count, the ten alternative counts and the controls,
// which add up rank by rank, by two small tables (the ranks 2 to 8 and 9 to
// ace), so that they stay in the fastest cache; losers, quality and each
// suit's part of cccc by a table of every holding; the length too, since the
// build may not assume a population-count instruction. A hand's value is the
// sum over its four suits (cccc adds a part for its shape).

#include "script/Program.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kv::script {

// A count that adds up rank by rank.
struct TRankTable {
    std::array<std::int32_t, 128> Low{}; // ranks 2..8: bits 0..6
    std::array<std::int32_t, 64> High{}; // ranks 9..A: bits 7..12

    explicit TRankTable(const TRankValues& values = {});
    std::int32_t operator[](unsigned holding) const {
        return Low[holding & 127u] + High[holding >> 7];
    }
};

struct THandTables {
    TRankTable Hcp;
    std::array<TRankTable, kAltCounts> Counts; // pt0..pt9
    TRankTable Controls;                       // A 2, K 1
    std::vector<std::uint8_t> Lengths;         // every holding
    std::vector<std::int8_t> Losers;           // as dealer counts them
    std::vector<std::int16_t> Quality;         // Bridge World, times 100
    std::vector<std::int16_t> CcccPart;        // cccc's honour part with the quality

    // The tables of a program's point counts.
    static THandTables For(const TProgram& program);
};

// cccc's shape part: from the sum over suits of the cards short of three.
constexpr int CcccShape(int shortness) {
    return shortness == 0 ? -50 : shortness * 100 - 100;
}

} // namespace kv::script
