#include "output/dealtext/DealText.h"

#include "engine/CardCodes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace kv {
namespace {

// Writes the ranks of a mask at p, highest first, one at a time; returns the end.
char* WriteEachRank(char* p, std::uint32_t held, const std::string& tenSymbol) {
    while (held != 0) {
        const int rank = std::bit_width(held) - 1; // the highest rank left
        held &= ~std::uint32_t{RankBit(rank)};
        if (rank == kTen)
            p = std::copy(tenSymbol.begin(), tenSymbol.end(), p);
        else
            *p++ = RankLetter(rank);
    }
    return p;
}

// The text of every set of ranks from low to low + count - 1, highest first,
// with the ten written "T": made at compile time, so that a holding is two
// look-ups instead of a step per card (deal text is the command line's limit).
struct TRankRun {
    std::array<char, 8> Text{};
    std::uint8_t Length = 0;
};

template <int Low, int Count> constexpr std::array<TRankRun, 1u << Count> RankRuns() {
    std::array<TRankRun, 1u << Count> runs{};
    for (std::uint32_t bits = 0; bits < runs.size(); ++bits)
        for (int rank = Low + Count - 1; rank >= Low; --rank)
            if (bits & (RankBit(rank) >> Low))
                runs[bits].Text[runs[bits].Length++] = RankLetter(rank);
    return runs;
}

constexpr auto kHighRuns = RankRuns<8, 7>(); // A K Q J T 9 8
constexpr auto kLowRuns = RankRuns<2, 6>();  // 7 6 5 4 3 2

// Copies all eight bytes of the run, whatever its length, and so needs kSlack
// bytes of room beyond the text.
constexpr std::size_t kSlack = 8;

char* CopyRun(char* p, const TRankRun& run) {
    std::memcpy(p, run.Text.data(), run.Text.size());
    return p + run.Length;
}

// Writes the held ranks at p, highest first; returns the end. A suit holds at
// most 13 distinct ranks, so the room needed is 12 + the ten symbol's length.
char* WriteHolding(char* p, const tSuit& suit, const std::string& tenSymbol) {
    const std::uint32_t held = RankMask(suit);
    if (tenSymbol != "T") return WriteEachRank(p, held, tenSymbol);
    p = CopyRun(p, kHighRuns[(held >> 8) & 0x7F]);
    return CopyRun(p, kLowRuns[(held >> 2) & 0x3F]);
}

char* WriteHand(char* p, const tHand& hand, const std::string& tenSymbol) {
    for (int suit = 0; suit < 4; ++suit) {
        if (suit > 0) *p++ = '.';
        p = WriteHolding(p, hand.Suit(suit), tenSymbol);
    }
    return p;
}

constexpr std::size_t HandRoom(const std::string& tenSymbol) {
    return 4 * (12 + tenSymbol.size()) + 3 + kSlack;
}

} // namespace

std::string HoldingText(const tSuit& suit, const std::string& tenSymbol) {
    std::string text(12 + tenSymbol.size() + kSlack, '\0');
    text.resize(static_cast<std::size_t>(WriteHolding(text.data(), suit, tenSymbol) - text.data()));
    return text;
}

std::string HandText(const tHand& hand, const std::string& tenSymbol) {
    std::string text(HandRoom(tenSymbol), '\0');
    text.resize(static_cast<std::size_t>(WriteHand(text.data(), hand, tenSymbol) - text.data()));
    return text;
}

std::string DealText(const tHand& north, const tHand& east, const tHand& south, const tHand& west,
                     const std::string& tenSymbol) {
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
