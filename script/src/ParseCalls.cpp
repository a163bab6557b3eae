// The function calls of expressions: hcp(seat, suit), shape(seat, ...), score(...) and
// the others, each with what it takes between its brackets.
#include "Parser.h"
#include "Shapes.h"

namespace kv::script {
namespace {

std::string Quoted(std::string_view word) {
    return "'" + std::string(word) + "'";
}

} // namespace

int TParser::SeatArgument() {
    return static_cast<int>(Expect(TTok::Seat, "a seat (north, east, south or west)").Value);
}

int TParser::SuitArgument() {
    return static_cast<int>(Expect(TTok::Suit, "a suit (spades, hearts, diamonds or clubs)").Value);
}

// hcp(seat) or hcp(seat, suit), and the functions written like it.
int TParser::HandFunction(const TToken& name, TOp whole, TOp suit, int value) {
    const int seat = SeatArgument();
    int node;
    if (Accept(TTok::Comma)) {
        const int s = SuitArgument();
        node = Add(suit, name);
        script_.Program.Nodes[static_cast<std::size_t>(node)].Suit = static_cast<std::uint8_t>(s);
    } else {
        if (Peek().Kind != TTok::RightParen) Expected("',' or ')' after the seat");
        node = Add(whole, name);
    }
    TNode& n = script_.Program.Nodes[static_cast<std::size_t>(node)];
    n.Seat = static_cast<std::uint8_t>(seat);
    n.Value = value;
    Expect(TTok::RightParen, "')' after the suit");
    return node;
}

int TParser::Call(const TToken& name) {
    const std::string what = "'(' after " + Quoted(name.Text);
    Expect(TTok::LeftParen, what);
    if (name.Kind == TTok::Suit) {
        const int node = Add(TOp::Length, name);
        TNode& n = script_.Program.Nodes[static_cast<std::size_t>(node)];
        n.Suit = static_cast<std::uint8_t>(name.Value);
        n.Seat = static_cast<std::uint8_t>(SeatArgument());
        Expect(TTok::RightParen, "')' after the seat");
        return node;
    }
    auto seatOnly = [&](TOp op, int suit = 0) {
        const int node = Add(op, name);
        const int seat = SeatArgument();
        if (op == TOp::Quality) {
            Expect(TTok::Comma, "',' after the seat");
            suit = SuitArgument();
            Expect(TTok::RightParen, "')' after the suit");
        } else {
            Expect(TTok::RightParen, "')' after the seat");
        }
        TNode& n = script_.Program.Nodes[static_cast<std::size_t>(node)];
        n.Seat = static_cast<std::uint8_t>(seat);
        n.Suit = static_cast<std::uint8_t>(suit);
        return node;
    };
    auto oneOperand = [&](TOp op) {
        if (!StartsExpression(Peek())) Expected("an expression after '('");
        const int operand = Expression();
        Expect(TTok::RightParen, "')' after the expression");
        return Add(op, name, operand);
    };
    switch (static_cast<TKeyword>(name.Value)) {
    case TKeyword::Hcp:
        return HandFunction(name, TOp::Hcp, TOp::HcpSuit, 0);
    case TKeyword::Count:
        return HandFunction(name, TOp::Count, TOp::CountSuit, name.Aux);
    case TKeyword::Loser:
        return HandFunction(name, TOp::Losers, TOp::LosersSuit, 0);
    case TKeyword::Control:
        return HandFunction(name, TOp::Controls, TOp::ControlsSuit, 0);
    case TKeyword::Cccc:
        return seatOnly(TOp::Cccc);
    case TKeyword::Quality:
        return seatOnly(TOp::Quality);
    case TKeyword::ShapeFn:
        return ShapeCall(name);
    case TKeyword::HasCard: {
        const int seat = SeatArgument();
        Expect(TTok::Comma, "',' after the seat");
        const TToken& card = Expect(TTok::Card, "a card such as AS or TC");
        Expect(TTok::RightParen, "')' after the card");
        const int node = Add(TOp::HasCard, name);
        TNode& n = script_.Program.Nodes[static_cast<std::size_t>(node)];
        n.Seat = static_cast<std::uint8_t>(seat);
        n.Value = static_cast<std::int32_t>(card.Value);
        return node;
    }
    case TKeyword::Tricks: {
        const int seat = SeatArgument();
        Expect(TTok::Comma, "',' after the seat");
        if (Peek().Kind != TTok::Suit && Peek().Kind != TTok::Notrump)
            Expected("a suit or notrump");
        const TToken& strain = Take();
        Expect(TTok::RightParen, "')' after the strain");
        const int node = Add(TOp::Tricks, name);
        TNode& n = script_.Program.Nodes[static_cast<std::size_t>(node)];
        n.Seat = static_cast<std::uint8_t>(seat);
        n.Suit = static_cast<std::uint8_t>(strain.Kind == TTok::Notrump ? 4 : strain.Value);
        return node;
    }
    case TKeyword::Score:
        return ScoreCall(name);
    case TKeyword::Imps:
        return oneOperand(TOp::Imps);
    case TKeyword::Rnd:
        return oneOperand(TOp::Rnd);
    default:
        Fail(name, "expected an expression");
    }
}

// score(nv|vul, x3N, tricks)
int TParser::ScoreCall(const TToken& name) {
    const int vulnerable = static_cast<int>(Expect(TTok::Vul, "nv or vul").Value);
    Expect(TTok::Comma, "',' after the vulnerability");
    const int contract = static_cast<int>(Expect(TTok::Contract, "a contract such as x3N").Value);
    Expect(TTok::Comma, "',' after the contract");
    if (!StartsExpression(Peek())) Expected("the number of tricks");
    const int tricks = Expression();
    Expect(TTok::RightParen, "')' after the tricks");
    const int node = Add(TOp::Score, name, tricks);
    script_.Program.Nodes[static_cast<std::size_t>(node)].Value = vulnerable * 64 + contract;
    return node;
}

// shape(seat, any 4333 + 5xxx - any 0xxx ...): the patterns added and taken
// away in the order written; "+" may be left out and "," stands for it.
int TParser::ShapeCall(const TToken& name) {
    const int seat = SeatArgument();
    Expect(TTok::Comma, "',' after the seat");
    TShapeSet set;
    ShapeElement(set);
    while (Peek().Kind != TTok::RightParen) {
        if (Peek().Kind == TTok::End) Expected("')' after the shapes");
        ShapeElement(set);
    }
    Take();
    const int node = Add(TOp::Shape, name);
    TNode& n = script_.Program.Nodes[static_cast<std::size_t>(node)];
    n.Seat = static_cast<std::uint8_t>(seat);
    n.Value = static_cast<std::int32_t>(script_.Program.Shapes.size());
    script_.Program.Shapes.push_back(set);
    return node;
}

void TParser::ShapeElement(TShapeSet& set) {
    bool remove = false;
    if (Peek().Kind == TTok::Minus) {
        remove = true;
        Take();
    } else if (Peek().Kind == TTok::Plus || Peek().Kind == TTok::Comma) {
        Take();
    }
    const bool any = Peek().Is(TKeyword::Any);
    if (any) Take();
    if (Peek().Kind != TTok::Shape && Peek().Kind != TTok::ShapeNumber)
        Expected(any ? "a shape such as 4333 or 5xxx after 'any'"
                     : "a shape such as 4333 or 5xxx, or ')'");
    const TToken& pattern = Take();
    const std::string fault = ApplyShape(set, pattern.Text, any, remove);
    if (!fault.empty()) Fail(pattern, fault);
}

} // namespace kv::script
