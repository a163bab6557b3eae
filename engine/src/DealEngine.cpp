#include "engine/DealEngine.h"

#include "engine/EngineMessages.h"

#include <numeric>

namespace kv {

std::string_view TDealOutcome::Message() const {
    switch (Failure) {
    case TDealFailure::TooNarrow:
        return msg::kTooNarrow;
    case TDealFailure::NoTypes:
        return msg::kNoHands;
    case TDealFailure::None:
        break;
    }
    return {};
}

// The types still in play are kept as indices into the list given, in list
// order, so that choosing among them draws exactly as choosing from the list
// with the others erased.
TDealOutcome TDealEngine::Deal(const TTypeList& types, const std::function<void()>& eachAttempt) {
    TDealOutcome outcome;
    std::vector<std::size_t> alive(types.size());
    std::iota(alive.begin(), alive.end(), std::size_t{0});
    for (int attempts = 1;; ++attempts) {
        if (eachAttempt) eachAttempt();
        if (attempts == 60) {
            outcome.Failure = TDealFailure::TooNarrow;
            return outcome;
        }
        if (alive.empty()) {
            outcome.Failure = TDealFailure::NoTypes;
            return outcome;
        }
        const std::size_t chosen = ChooseType(types, alive);
        const THandParam& type = types[alive[chosen]];
        if (!DrawPatterns(type)) {
            outcome.Removed.push_back(alive[chosen]);
            alive.erase(alive.begin() + static_cast<std::ptrdiff_t>(chosen));
            continue;
        }
        if (!DealHands(type, outcome.Deal)) continue;
        outcome.Type = alive[chosen];
        return outcome;
    }
}

bool TDealEngine::DealHands(const THandParam& type, TFullDeal& deal) {
    dealer_.ResetPack();
    tHand& south = deal.Hands[kSouthSeat];
    tHand& north = deal.Hands[kNorthSeat];
    dealer_.DealPattern(south, southCode_);
    if (!dealer_.AdjustHCP(south, type.SHCPMin, type.SHCPMax)) return false;
    dealer_.DealPattern(north, northCode_);
    if (!dealer_.AdjustHCP(north, type.NHCPMin, type.NHCPMax)) return false;
    dealer_.DealEastWest(deal.Hands[kEastSeat], deal.Hands[kWestSeat]);
    return true;
}

// Frequencies are added in wrapping 32-bit arithmetic: a file may hold any
// frequency, and a sum past the 32-bit range must not be undefined behaviour.
std::size_t TDealEngine::ChooseType(const TTypeList& types, const std::vector<std::size_t>& alive) {
    std::uint32_t sum = 0;
    for (const std::size_t k : alive)
        sum += static_cast<std::uint32_t>(types[k].Frequency);
    const std::int32_t r = random_.RandomBelow(static_cast<std::int32_t>(sum));
    std::uint32_t running = 0;
    for (std::size_t k = 0; k < alive.size(); ++k) {
        running += static_cast<std::uint32_t>(types[alive[k]].Frequency);
        if (static_cast<std::int32_t>(running) > r) return k;
    }
    return 0;
}

} // namespace kv
