#include "PbnDeal.h"

#include "PbnFormatError.h"
#include "PbnText.h"
#include "engine/CardCodes.h"

#include <string>
#include <vector>

namespace kv::pbn {
namespace {

constexpr const char* kSeatNames[4] = {"North", "East", "South", "West"};
constexpr const char* kSuitNames[4] = {"spades", "hearts", "diamonds", "clubs"};
constexpr const char* kRankNames[15] = {"",     "",     "two",   "three", "four",
                                        "five", "six",  "seven", "eight", "nine",
                                        "ten",  "jack", "queen", "king",  "ace"};
constexpr int kNobody = -1;

std::string CardName(int suit, int rank) {
    return std::string("the ") + kRankNames[rank] + " of " + kSuitNames[suit];
}

// The rank a card symbol stands for, in either case; 0 for a symbol that is
// no card.
int RankOf(char symbol) {
    const bool lower = symbol >= 'a' && symbol <= 'z';
    return RankOfLetter(lower ? static_cast<char>(symbol - 'a' + 'A') : symbol);
}

// The bytes of the UTF-8 character that starts at `at` (its lead byte and
// the continuation bytes after it).
std::size_t CharacterBytes(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end - at;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t p = 0;
    while (p < text.size()) {
        while (p < text.size() && (text[p] == ' ' || text[p] == '\t'))
            ++p;
        const std::size_t start = p;
        while (p < text.size() && text[p] != ' ' && text[p] != '\t')
            ++p;
        if (p > start) words.push_back(text.substr(start, p - start));
    }
    return words;
}

class TDealReader {
  public:
    explicit TDealReader(long line) : line_(line) {
        for (auto& suit : owner_)
            suit.fill(kNobody);
    }

    TDealValue Read(std::string_view value);

  private:
    [[noreturn]] void Fail(const std::string& text) const { throw EPbnFormat{line_, text}; }
    void ReadHand(int seat, std::string_view hand);
    void ReadSuit(int seat, int suit, std::string_view ranks);
    void Give(int seat, int suit, int rank);
    void CheckComplete() const;
    void CheckLengths() const;

    long line_;
    TDealValue result_;
    // owner_[suit][rank]: the seat holding the card, kNobody before it is given.
    std::array<std::array<int, 15>, 4> owner_;
};

TDealValue TDealReader::Read(std::string_view value) {
    const std::vector<std::string_view> words = Words(value);
    const std::string_view first = words.empty() ? std::string_view() : words[0];
    const std::size_t letter = first.size() >= 2 && first[1] == ':'
                                   ? std::string_view("NESWnesw").find(first[0])
                                   : std::string_view::npos;
    if (letter == std::string_view::npos)
        Fail("the Deal tag must start with the seat of its first hand, as in \"N:\", not " +
             Quoted(value));
    std::vector<std::string_view> hands = words;
    hands[0].remove_prefix(2);
    if (hands[0].empty()) hands.erase(hands.begin()); // "N: AKQ..." with a blank after the colon
    if (hands.size() != 4)
        Fail("the Deal tag gives " + std::to_string(hands.size()) + " hands, not 4");
    for (std::size_t i = 0; i < 4; ++i)
        ReadHand(static_cast<int>((letter + i) % 4), hands[i]);
    CheckComplete();
    CheckLengths();
    return result_;
}

void TDealReader::ReadHand(int seat, std::string_view hand) {
    if (hand == "-") return;
    const std::vector<std::string_view> suits = Split(hand, '.');
    if (suits.size() != 4)
        Fail(std::string("the Deal tag's ") + kSeatNames[seat] +
             " hand must be four suits joined by full stops, not " + Quoted(hand));
    for (int suit = 0; suit < 4; ++suit)
        ReadSuit(seat, suit, suits[static_cast<std::size_t>(suit)]);
    result_.Known[static_cast<std::size_t>(seat)] = true;
}

void TDealReader::ReadSuit(int seat, int suit, std::string_view ranks) {
    for (std::size_t i = 0; i < ranks.size(); ++i) {
        int rank = RankOf(ranks[i]);
        if (ranks.substr(i, 2) == "10") {
            rank = kTen;
            ++i;
        }
        if (rank == 0)
            Fail(std::string("the Deal tag's ") + kSeatNames[seat] + " hand holds " +
                 Quoted(ranks.substr(i, CharacterBytes(ranks, i))) + ", which is not a card");
        Give(seat, suit, rank);
    }
}

// Adds the card to the seat's suit, keeping the ranks highest first.
void TDealReader::Give(int seat, int suit, int rank) {
    int& owner = owner_[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank)];
    if (owner == seat)
        Fail("the Deal tag gives " + CardName(suit, rank) + " to " + kSeatNames[seat] + " twice");
    if (owner != kNobody)
        Fail("the Deal tag gives " + CardName(suit, rank) + " to " + kSeatNames[owner] +
             " and to " + kSeatNames[seat]);
    owner = seat;
    tSuit& cards = result_.Deal.Hands[static_cast<std::size_t>(seat)].Suit(suit);
    std::size_t at = cards.Count;
    for (; at > 0 && cards.Cards[at - 1] < rank; --at)
        cards.Cards[at] = cards.Cards[at - 1];
    cards.Cards[at] = static_cast<std::uint8_t>(rank);
    ++cards.Count;
}

void TDealReader::CheckComplete() const {
    for (const bool known : result_.Known)
        if (!known) return;
    for (int suit = 0; suit < 4; ++suit)
        for (int rank = 2; rank <= 14; ++rank)
            if (owner_[static_cast<std::size_t>(suit)][static_cast<std::size_t>(rank)] == kNobody)
                Fail("the Deal tag leaves out " + CardName(suit, rank));
}

void TDealReader::CheckLengths() const {
    for (std::size_t seat = 0; seat < 4; ++seat) {
        const int count = result_.Deal.Hands[seat].CardCount();
        if (result_.Known[seat] && count != 13)
            Fail(std::string("the Deal tag gives ") + kSeatNames[seat] + " " +
                 std::to_string(count) + " cards, not 13");
    }
}

} // namespace

TDealValue ReadDealValue(std::string_view value, long line) {
    return TDealReader(line).Read(value);
}

} // namespace kv::pbn
