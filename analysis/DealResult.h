#pragma once
// What the analysis keeps of one deal: its number in the seed's sequence (or
// its board's number), the hand type it was dealt for, North-South's
// vulnerability, its cards, the shape and point facts, and the double-dummy
// tricks of North and South in each denomination solved.

#include "analysis/AnalysisRequest.h"
#include "engine/doubledummy/DoubleDummy.h"

#include <array>
#include <cstdint>
#include <string>

namespace kv::analysis {

// Seats in the solver's order.
inline constexpr int kNorth = 0, kEast = 1, kSouth = 2, kWest = 3;

struct TDealResult {
    std::int64_t Number = 0; // 1 for the first deal of the seed
    int Type = 0;            // index in the request's type list
    // North-South vulnerable on the deal's board: a given board's own, or for
    // deal n of a seed that of board n of the duplicate rotation, as the hands
    // window numbers the seed's deals.
    bool NSVulnerable = false;
    // Holdings[seat][suit]: seats N, E, S, W; suits spades, hearts, diamonds,
    // clubs; bit r set when the hand holds rank r (2..14).
    std::array<std::array<std::uint16_t, 4>, 4> Holdings{};
    int NorthHCP = 0;
    int SouthHCP = 0;
    int LongestFit = 0; // the most cards North and South hold together in one suit
    // Tricks[strain][0 North, 1 South], table order of strains; -1 where not solved.
    std::array<std::array<std::int8_t, 2>, kStrains> Tricks{};

    // The tricks of the declarer (the better of North's and South's for
    // TDeclarer::Better); -1 when not solved.
    int TricksBy(int strain, TDeclarer declarer) const;
    friend bool operator==(const TDealResult&, const TDealResult&) = default;
};

// The result of a dealt deal, shape, points and the rotation's vulnerability
// filled in, no tricks yet.
TDealResult ResultOf(const TFullDeal& deal, std::int64_t number, int type);

// True for the vulnerabilities "NS" and "All", as the PBN Vulnerable tag writes them.
bool NorthSouthVulnerable(const std::string& vulnerable);

// The cards again, as the double-dummy module holds them (ranks in descending order).
TFullDeal DealOf(const TDealResult& result);

} // namespace kv::analysis
