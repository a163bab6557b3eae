#include "Parser.h"

#include "script/DealMasks.h"

#include <bit>

namespace kv::script {
namespace {

constexpr std::string_view kSeatNames[] = {"north", "east", "south", "west"};
constexpr std::string_view kSuitNames[] = {"spade", "heart", "diamond", "club"};

std::string CardName(int suit, int rank) {
    constexpr std::string_view ranks = "23456789TJQKA";
    return std::string(1, "SHDC"[suit]) + ranks[static_cast<std::size_t>(rank - 2)];
}

} // namespace

TParser::TParser(const std::vector<TToken>& tokens, TScript& script)
    : tokens_(tokens), script_(script) {}

const TToken& TParser::Peek(std::size_t ahead) const {
    const std::size_t at = std::min(at_ + ahead, tokens_.size() - 1);
    return tokens_[at];
}

const TToken& TParser::Take() {
    const TToken& token = tokens_[at_];
    if (token.Kind != TTok::End) ++at_;
    return token;
}

bool TParser::Accept(TTok kind) {
    if (Peek().Kind != kind) return false;
    Take();
    return true;
}

const TToken& TParser::Expect(TTok kind, const std::string& what) {
    if (Peek().Kind != kind) Expected(what);
    return Take();
}

void TParser::Fail(const TToken& at, const std::string& text) const {
    throw EParseFault{at.Line, at.Column, text};
}

void TParser::Expected(const std::string& what) const {
    Fail(Peek(), "expected " + what);
}

void TParser::Script() {
    while (Peek().Kind != TTok::End)
        Statement();
}

void TParser::Statement() {
    const TToken& token = Peek();
    if (token.Kind == TTok::Name && Peek(1).Kind == TTok::Assign) return Definition();
    if (StartsExpression(token)) {
        script_.Condition = Expression();
        return;
    }
    if (token.Kind != TTok::Keyword) Expected("a statement");
    switch (static_cast<TKeyword>(token.Value)) {
    case TKeyword::Generate:
        Take();
        return Count(script_.Generate, "generate");
    case TKeyword::Produce:
        Take();
        return Count(script_.Produce, "produce");
    case TKeyword::Dealer:
        Take();
        script_.Dealer =
            static_cast<int>(Expect(TTok::Seat, "north, east, south or west after 'dealer'").Value);
        return;
    case TKeyword::VulnerableCmd:
        Take();
        script_.Vulnerable = static_cast<int>(
            Expect(TTok::Vulnerable, "none, NS, EW or all after 'vulnerable'").Value);
        return;
    case TKeyword::Predeal:
        Take();
        return Predeal();
    case TKeyword::Pointcount:
        Take();
        return PointCount(script_.Program.PointCount);
    case TKeyword::Altcount: {
        Take();
        const TToken& at = Peek();
        const std::int64_t count = Number("a count number 0 to 9 after 'altcount'");
        if (count < 0 || count >= kAltCounts)
            Fail(at, "expected a count number 0 to 9 after 'altcount'");
        return PointCount(script_.Program.AltCounts[static_cast<std::size_t>(count)]);
    }
    case TKeyword::Condition:
        Take();
        if (!StartsExpression(Peek())) Expected("an expression after 'condition'");
        script_.Condition = Expression();
        return;
    case TKeyword::Action:
        Take();
        return ActionList();
    default:
        Expected("a statement");
    }
}

// A number as dealer reads one in a statement: digits, a four-digit shape or
// a minus and digits.
std::int64_t TParser::Number(const std::string& what) {
    const bool negative = Peek().Kind == TTok::Minus &&
                          (Peek(1).Kind == TTok::Number || Peek(1).Kind == TTok::ShapeNumber);
    if (negative) Take();
    if (Peek().Kind != TTok::Number && Peek().Kind != TTok::ShapeNumber) Expected(what);
    const std::int64_t value = Take().Value;
    return negative ? -value : value;
}

// generate N, produce N: the first one written counts; 0 is as if absent.
void TParser::Count(std::optional<std::int64_t>& field, const char* keyword) {
    const TToken& at = Peek();
    const std::string what = std::string("a count after '") + keyword + "'";
    const std::int64_t value = Number(what);
    if (value < 0) Fail(at, "expected " + what);
    if (!field && value > 0) field = value;
}

void TParser::Predeal() {
    if (Peek().Kind != TTok::Seat && Peek().Kind != TTok::Suit)
        Expected("a seat or a suit length after 'predeal'");
    while (Peek().Kind == TTok::Seat || Peek().Kind == TTok::Suit) {
        if (Peek().Kind == TTok::Seat) {
            PredealCards(static_cast<int>(Take().Value));
        } else {
            PredealLength();
        }
    }
}

// north SAK2, HQJ3, ...: the cards of one or more suits.
void TParser::PredealCards(int seat) {
    do {
        const TToken& holding = Expect(TTok::Holding, "the cards of a suit such as SAK2");
        const int suit = static_cast<int>(std::string_view("SHDC").find(holding.Text[0]));
        for (const char c : holding.Text.substr(1)) {
            const int rank = static_cast<int>(std::string_view("23456789TJQKA").find(c)) + 2;
            const std::uint64_t bit = CardBit(suit, rank);
            for (const std::uint64_t cards : script_.Predeal)
                if (cards & bit)
                    Fail(holding, "the card " + CardName(suit, rank) + " is predealt twice");
            std::uint64_t& hand = script_.Predeal[static_cast<std::size_t>(seat)];
            if (std::popcount(hand) == 13)
                Fail(holding,
                     "more than 13 cards are predealt to " + std::string(kSeatNames[seat]));
            hand |= bit;
        }
    } while (Accept(TTok::Comma));
}

// spades(north)==1: the seat holds exactly that many of the suit.
void TParser::PredealLength() {
    const TToken& at = Peek();
    const int suit = static_cast<int>(Take().Value);
    Expect(TTok::LeftParen, "'(' after the suit");
    const int seat = static_cast<int>(Expect(TTok::Seat, "a seat").Value);
    Expect(TTok::RightParen, "')' after the seat");
    Expect(TTok::Eq, "'==' after ')'");
    const std::int64_t length = Expect(TTok::Number, "a length of 0 to 13").Value;
    if (length > 13) Fail(at, "a suit holds at most 13 cards");
    int seatTotal = static_cast<int>(length), suitTotal = static_cast<int>(length);
    for (const TSuitLength& set : script_.PredealLengths) {
        if (set.Seat == seat && set.Suit == suit)
            Fail(at, std::string(kSeatNames[seat]) + "'s " + std::string(kSuitNames[suit]) +
                         " length is already set");
        if (set.Seat == seat) seatTotal += set.Length;
        if (set.Suit == suit) suitTotal += set.Length;
    }
    if (seatTotal > 13)
        Fail(at, "the lengths predealt to " + std::string(kSeatNames[seat]) +
                     " add up to more than 13");
    if (suitTotal > 13)
        Fail(at,
             "the " + std::string(kSuitNames[suit]) + " lengths predealt add up to more than 13");
    script_.PredealLengths.push_back({seat, suit, static_cast<int>(length)});
}

// pointcount 4 3 2 1 ...: values from the ace down; the ranks not given count 0.
void TParser::PointCount(TRankValues& values) {
    values.fill(0);
    int rank = 12; // the ace
    while (Peek().Kind == TTok::Number || Peek().Kind == TTok::ShapeNumber ||
           (Peek().Kind == TTok::Minus && Peek(1).Kind == TTok::Number)) {
        const TToken& at = Peek();
        const std::int64_t value = Number("a number");
        if (rank < 0) Fail(at, "a count gives at most 13 values, from the ace down to the two");
        values[static_cast<std::size_t>(rank--)] = static_cast<std::int32_t>(value);
    }
}

// NAME = EXPR: a later definition replaces an earlier one from there on.
void TParser::Definition() {
    const TToken& name = Take();
    Take(); // '='
    if (!StartsExpression(Peek())) Expected("an expression after '='");
    const int node = Expression();
    names_.insert_or_assign(std::string(name.Text), node);
}

} // namespace kv::script
