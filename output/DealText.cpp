#include "DealText.h"

#include <array>

namespace kv {
namespace {

std::string RankSymbol(int rank, const std::string& tenSymbol)
{
    static constexpr std::array<char, 15> kSymbols{' ', ' ', '2', '3', '4', '5', '6', '7',
                                                   '8', '9', 'T', 'J', 'Q', 'K', 'A'};
    return rank == 10 ? tenSymbol : std::string(1, kSymbols[static_cast<std::size_t>(rank)]);
}

} // namespace

std::string HoldingText(const tSuit& suit, const std::string& tenSymbol)
{
    std::array<bool, 15> held{};
    for (int i = 1; i <= suit.Count; ++i) held[suit.Card(i)] = true;
    std::string text;
    for (int rank = kAce; rank >= 2; --rank)
        if (held[static_cast<std::size_t>(rank)]) text += RankSymbol(rank, tenSymbol);
    return text;
}

std::string HandText(const tHand& hand, const std::string& tenSymbol)
{
    return HoldingText(hand.Spades, tenSymbol) + "." + HoldingText(hand.Hearts, tenSymbol) + "." +
           HoldingText(hand.Diamonds, tenSymbol) + "." + HoldingText(hand.Clubs, tenSymbol);
}

std::string DealText(const tHand& north, const tHand& east, const tHand& south, const tHand& west,
                     const std::string& tenSymbol)
{
    return "[Deal \"N:" + HandText(north, tenSymbol) + " " + HandText(east, tenSymbol) + " " +
           HandText(south, tenSymbol) + " " + HandText(west, tenSymbol) + "\"]";
}

} // namespace kv
