#include "HeldDeal.h"

#include "engine/CardCodes.h"

#include <bitset>

namespace kv::printlib {
namespace {

constexpr std::string_view kSeats = "NESW"; // clockwise

std::optional<THeldHand> ParseHand(std::string_view text, std::bitset<52>& seen) {
    THeldHand hand;
    std::size_t suit = 0;
    int lastRank = 0;
    int cards = 0;
    for (const char c : text) {
        if (c == '.') {
            if (++suit > 3) return std::nullopt;
            lastRank = 0;
            continue;
        }
        const int rank = RankOfLetter(c);
        if (rank == 0) return std::nullopt;
        if (!hand[suit].empty() && rank >= lastRank) return std::nullopt; // not highest first
        const std::size_t card = suit * 13 + static_cast<std::size_t>(rank - kLowestRank);
        if (seen.test(card)) return std::nullopt;
        seen.set(card);
        hand[suit] += c;
        lastRank = rank;
        ++cards;
    }
    if (suit != 3 || cards != 13) return std::nullopt;
    return hand;
}

} // namespace

std::optional<THeldDeal> ParseDealText(std::string_view text, bool allowUnknown) {
    constexpr std::string_view kOpening = "[Deal \"";
    constexpr std::string_view kClosing = "\"]";
    if (text.size() < kOpening.size() + 2 + kClosing.size() || !text.starts_with(kOpening) ||
        !text.ends_with(kClosing))
        return std::nullopt;
    text.remove_prefix(kOpening.size());
    text.remove_suffix(kClosing.size());
    const std::size_t first = kSeats.find(text[0]);
    if (first == std::string_view::npos || text[1] != ':') return std::nullopt;
    text.remove_prefix(2);

    THeldDeal deal;
    std::bitset<52> seen;
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t end = k < 3 ? text.find(' ') : text.size();
        if (end == std::string_view::npos) return std::nullopt;
        const std::size_t seat = (first + k) % 4;
        if (allowUnknown && text.substr(0, end) == "-") {
            deal.Known[seat] = false;
            text.remove_prefix(k < 3 ? end + 1 : end);
            continue;
        }
        const std::optional<THeldHand> hand = ParseHand(text.substr(0, end), seen);
        if (!hand) return std::nullopt;
        deal.Hands[seat] = *hand;
        text.remove_prefix(k < 3 ? end + 1 : end);
    }
    return deal;
}

} // namespace kv::printlib
