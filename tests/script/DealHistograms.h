#pragma once
// The distribution of deals as the uniformity tests compare it: for each
// seat, its points (0..40) and the length of each suit (0..13).

#include "script/DealMasks.h"
#include "script/HandTables.h"

#include <cstdint>
#include <vector>

namespace kv::test {

// 20 histograms: seat s's points at s * 5, its suit k's lengths at s * 5 + 1 + k.
inline std::vector<std::vector<std::int64_t>>
DealHistograms(const std::vector<script::TDealMasks>& deals) {
    std::vector<std::vector<std::int64_t>> h(20, std::vector<std::int64_t>(41, 0));
    const script::TRankTable points(script::DefaultPointCount());
    for (const script::TDealMasks& deal : deals)
        for (std::size_t seat = 0; seat < 4; ++seat) {
            int sum = 0;
            for (int suit = 0; suit < 4; ++suit) {
                const unsigned holding = script::Holding(deal.Hands[seat], suit);
                sum += points[holding];
                ++h[seat * 5 + static_cast<std::size_t>(suit) + 1]
                   [static_cast<std::size_t>(std::popcount(holding))];
            }
            ++h[seat * 5][static_cast<std::size_t>(sum)];
        }
    return h;
}

} // namespace kv::test
