#include "analysis/DealResult.h"

#include "engine/CardCodes.h"
#include "output/dealtext/BoardRotation.h"

#include <algorithm>
#include <bit>

namespace kv::analysis {
namespace {

// Points of a holding mask: jack 1 to ace 4.
int MaskPoints(std::uint16_t mask) {
    int points = 0;
    for (int rank = kJack; rank <= kAce; ++rank)
        if (mask & RankBit(rank)) points += CardPoints(static_cast<std::uint8_t>(rank));
    return points;
}

int HandPoints(const std::array<std::uint16_t, 4>& hand) {
    int points = 0;
    for (std::uint16_t mask : hand)
        points += MaskPoints(mask);
    return points;
}

int LongestFitOf(const TDealResult& r) {
    int longest = 0;
    for (std::size_t suit = 0; suit < 4; ++suit)
        longest = std::max(longest, std::popcount(r.Holdings[kNorth][suit]) +
                                        std::popcount(r.Holdings[kSouth][suit]));
    return longest;
}

// North-South vulnerable on board `number` (from 1) of the duplicate rotation.
bool RotationVulnerable(std::int64_t number) {
    return number >= 1 &&
           NorthSouthVulnerable(BoardVulnerability(static_cast<int>((number - 1) % 16) + 1));
}

} // namespace

int TDealResult::TricksBy(int strain, TDeclarer declarer) const {
    const auto& t = Tricks[static_cast<std::size_t>(strain)];
    switch (declarer) {
    case TDeclarer::North:
        return t[0];
    case TDeclarer::South:
        return t[1];
    case TDeclarer::Better:
        break;
    }
    return t[0] < 0 || t[1] < 0 ? -1 : std::max(t[0], t[1]);
}

bool NorthSouthVulnerable(const std::string& vulnerable) {
    return vulnerable == "NS" || vulnerable == "All";
}

TDealResult ResultOf(const TFullDeal& deal, std::int64_t number, int type) {
    TDealResult r;
    r.Number = number;
    r.Type = type;
    r.NSVulnerable = RotationVulnerable(number);
    for (std::size_t seat = 0; seat < 4; ++seat)
        for (int suit = 0; suit < 4; ++suit)
            r.Holdings[seat][static_cast<std::size_t>(suit)] =
                RankMask(deal.Hands[seat].Suit(suit));
    r.NorthHCP = HandPoints(r.Holdings[kNorth]);
    r.SouthHCP = HandPoints(r.Holdings[kSouth]);
    r.LongestFit = LongestFitOf(r);
    for (auto& t : r.Tricks)
        t = {-1, -1};
    return r;
}

TFullDeal DealOf(const TDealResult& result) {
    TFullDeal deal;
    for (std::size_t seat = 0; seat < 4; ++seat)
        for (int suit = 0; suit < 4; ++suit) {
            tSuit& s = deal.Hands[seat].Suit(suit);
            s.Count = 0;
            for (int rank = kAce; rank >= kLowestRank; --rank)
                if (result.Holdings[seat][static_cast<std::size_t>(suit)] & RankBit(rank))
                    s.Cards[s.Count++] = static_cast<std::uint8_t>(rank);
        }
    return deal;
}

} // namespace kv::analysis
