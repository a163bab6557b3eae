#include "DealText.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace kv {
namespace {

constexpr std::array<char, 15> kSymbols{' ', ' ', '2', '3', '4', '5', '6', '7', '8', '9', 'T', 'J', 'Q', 'K', 'A'};
constexpr std::uint32_t kTen = 1u << 10;

// Writes the held ranks at p, highest first; returns the end. A suit holds at
// most 13 distinct ranks, so the room needed is 12 + the ten symbol's length.
char* WriteHolding(char* p, const tSuit& suit, const std::string& tenSymbol)
{
    std::uint32_t held = 0;
    for (int i = 0; i < suit.Count; ++i) held |= 1u << suit.Cards[static_cast<std::size_t>(i)];
    while (held != 0) {
        const int rank = std::bit_width(held) - 1; // the highest rank left
        held &= ~(1u << rank);
        if ((1u << rank) == kTen) p = std::copy(tenSymbol.begin(), tenSymbol.end(), p);
        else *p++ = kSymbols[static_cast<std::size_t>(rank)];
    }
    return p;
}

char* WriteHand(char* p, const tHand& hand, const std::string& tenSymbol)
{
    for (int suit = 0; suit < 4; ++suit) {
        if (suit > 0) *p++ = '.';
        p = WriteHolding(p, hand.Suit(suit), tenSymbol);
    }
    return p;
}

constexpr std::size_t HandRoom(const std::string& tenSymbol) { return 4 * (12 + tenSymbol.size()) + 3; }

} // namespace

std::string HoldingText(const tSuit& suit, const std::string& tenSymbol)
{
    std::string text(12 + tenSymbol.size(), '\0');
    text.resize(static_cast<std::size_t>(WriteHolding(text.data(), suit, tenSymbol) - text.data()));
    return text;
}

std::string HandText(const tHand& hand, const std::string& tenSymbol)
{
    std::string text(HandRoom(tenSymbol), '\0');
    text.resize(static_cast<std::size_t>(WriteHand(text.data(), hand, tenSymbol) - text.data()));
    return text;
}

std::string DealText(const tHand& north, const tHand& east, const tHand& south, const tHand& west,
                     const std::string& tenSymbol)
{
    static constexpr std::string_view kOpening = "[Deal \"N:";
    std::string text(kOpening.size() + 4 * HandRoom(tenSymbol) + 5, '\0');
    char* p = std::copy(kOpening.begin(), kOpening.end(), text.data());
    const tHand* hands[] = {&north, &east, &south, &west};
    for (int seat = 0; seat < 4; ++seat) {
        if (seat > 0) *p++ = ' ';
        p = WriteHand(p, *hands[seat], tenSymbol);
    }
    *p++ = '"';
    *p++ = ']';
    text.resize(static_cast<std::size_t>(p - text.data()));
    return text;
}

} // namespace kv
