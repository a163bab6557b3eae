#include "DealEngine.h"

#include "EngineMessages.h"

namespace kv {

bool TDealEngine::GenerateDeal(TTypeList& types, IEngineHost& host) {
    const std::size_t starting = types.size();
    int notices = 0;
    for (int attempts = 1;; ++attempts) {
        host.ProcessMessages();
        if (attempts == 60) {
            host.ShowWarning(msg::kTooNarrow);
            host.CloseHandsWindow();
            return false;
        }
        if (types.empty()) {
            host.ShowWarning(msg::kNoHands);
            return false;
        }
        ChooseType(types);
        const THandParam type = types[static_cast<std::size_t>(ChosenType)];
        if (!DrawPatterns(type)) {
            if (starting > 1)
                host.ShowWarning(notices++ == 0 ? msg::kFirstUnsatisfiable
                                                : msg::kAnotherUnsatisfiable);
            types.erase(types.begin() + ChosenType);
            continue;
        }
        ResetPack();
        DealPattern(SouthHand, southCode_);
        if (!AdjustHCP(SouthHand, type.SHCPMin, type.SHCPMax)) continue;
        DealPattern(NorthHand, northCode_);
        if (!AdjustHCP(NorthHand, type.NHCPMin, type.NHCPMax)) continue;
        DealEastWest();
        return true;
    }
}

// Frequencies are added in wrapping 32-bit arithmetic: a file may hold any
// frequency, and a sum past the 32-bit range must not be undefined behaviour.
void TDealEngine::ChooseType(const TTypeList& types) {
    std::uint32_t sum = 0;
    for (const THandParam& t : types)
        sum += static_cast<std::uint32_t>(t.Frequency);
    const std::int32_t r = Random.RandomBelow(static_cast<std::int32_t>(sum));
    ChosenType = 0;
    std::uint32_t running = 0;
    for (std::size_t k = 0; k < types.size(); ++k) {
        running += static_cast<std::uint32_t>(types[k].Frequency);
        if (static_cast<std::int32_t>(running) > r) {
            ChosenType = static_cast<std::int32_t>(k);
            return;
        }
    }
}

void TDealEngine::ResetPack() {
    for (int i = 0; i < 4; ++i)
        Pack.Suit(i).Fill();
    for (int i = 0; i < 4; ++i)
        Pack.Suit(i).Shuffle(Random);
}

void TDealEngine::DealPattern(tHand& hand, std::uint16_t pattern) {
    for (int i = 0; i < 4; ++i) {
        const auto n = static_cast<std::uint8_t>(SuitCount(pattern, i));
        tSuit& from = Pack.Suit(i);
        tSuit& to = hand.Suit(i);
        to.Count = n;
        for (std::size_t p = 0; p < n; ++p)
            to.Cards[p] = from.Cards[p];
        from.RemoveFirst(n);
    }
}

void TDealEngine::DealEastWest() {
    for (int i = 0; i < 4; ++i)
        EastHand.Suit(i).Count = 0;
    for (int k = 0; k < 13; ++k) {
        Pack.PickSuit(Random);
        tSuit& from = *Pack.PickedSuit();
        tSuit& to = EastHand.Suit(Pack.PickedIndex());
        to.Cards[to.Count++] = from.Cards[0];
        from.RemoveFirst(1);
    }
    for (int i = 0; i < 4; ++i)
        WestHand.Suit(i).Assign(Pack.Suit(i));
}

} // namespace kv
