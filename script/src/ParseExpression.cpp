#include "Parser.h"
#include "Shapes.h"

#include <array>

namespace kv::script {
namespace {

struct TBinary {
    TTok Token;
    TOp Op;
};

// The binary operators by precedence level, loosest first, each level left
// associative: C's order, which dealer keeps.
const std::array<std::vector<TBinary>, 6> kLevels = {{
    {{TTok::Or, TOp::Or}},
    {{TTok::And, TOp::And}},
    {{TTok::Eq, TOp::Eq}, {TTok::Ne, TOp::Ne}},
    {{TTok::Lt, TOp::Lt}, {TTok::Le, TOp::Le}, {TTok::Gt, TOp::Gt}, {TTok::Ge, TOp::Ge}},
    {{TTok::Plus, TOp::Add}, {TTok::Minus, TOp::Sub}},
    {{TTok::Times, TOp::Mul}, {TTok::Divide, TOp::Div}, {TTok::Modulo, TOp::Mod}},
}};

std::string Quoted(std::string_view word) {
    return "'" + std::string(word) + "'";
}

// Keeps the nesting of one expression below kMaxDepth.
class TDepth {
  public:
    TDepth(int& depth, const std::function<void()>& tooDeep) : depth_(depth) {
        if (++depth_ > kMaxDepth) tooDeep();
    }
    ~TDepth() { --depth_; }
    TDepth(const TDepth&) = delete;
    TDepth& operator=(const TDepth&) = delete;

  private:
    int& depth_;
};

} // namespace

bool TParser::StartsExpression(const TToken& token) const {
    switch (token.Kind) {
    case TTok::Number:
    case TTok::ShapeNumber:
    case TTok::Name:
    case TTok::Suit:
    case TTok::Not:
    case TTok::Minus:
    case TTok::LeftParen:
        return true;
    case TTok::Keyword:
        switch (static_cast<TKeyword>(token.Value)) {
        case TKeyword::Hcp:
        case TKeyword::Count:
        case TKeyword::Loser:
        case TKeyword::Control:
        case TKeyword::Quality:
        case TKeyword::Cccc:
        case TKeyword::Tricks:
        case TKeyword::Score:
        case TKeyword::Imps:
        case TKeyword::HasCard:
        case TKeyword::ShapeFn:
        case TKeyword::Rnd:
            return true;
        default:
            return false;
        }
    default:
        return false;
    }
}

int TParser::Add(TOp op, const TToken& at, int a, int b, int c) {
    std::vector<TNode>& nodes = script_.Program.Nodes;
    if (nodes.size() >= kMaxNodes) Fail(at, "the script's expressions are too large");
    TNode node;
    node.Op = op;
    node.A = a;
    node.B = b;
    node.C = c;
    node.Line = at.Line;
    node.Column = at.Column;
    nodes.push_back(node);
    return static_cast<int>(nodes.size()) - 1;
}

int TParser::Expression() {
    const TDepth depth(depth_, [this] { Fail(Peek(), "the expression is nested too deeply"); });
    return Ternary();
}

// A ? B : C, right associative and looser than every binary operator.
int TParser::Ternary() {
    const int condition = Binary(0);
    if (Peek().Kind != TTok::Query) return condition;
    const TToken& at = Take();
    const int then = Expression();
    Expect(TTok::Colon, "':' after the first choice of '?'");
    const int otherwise = Expression();
    return Add(TOp::Choose, at, condition, then, otherwise);
}

int TParser::Binary(int level) {
    if (level == static_cast<int>(kLevels.size())) return Unary();
    int left = Binary(level + 1);
    for (;;) {
        const TBinary* found = nullptr;
        for (const TBinary& op : kLevels[static_cast<std::size_t>(level)])
            if (Peek().Kind == op.Token) found = &op;
        if (!found) return left;
        const TToken& at = Take();
        if (!StartsExpression(Peek())) Expected("an expression after " + Quoted(at.Text));
        const int right = Binary(level + 1);
        left = Add(found->Op, at, left, right);
    }
}

// ! and not, and unary minus: tighter than every binary operator. A minus
// before a number makes a negative number, as in dealer.
int TParser::Unary() {
    const TDepth depth(depth_, [this] { Fail(Peek(), "the expression is nested too deeply"); });
    const TToken& at = Peek();
    if (at.Kind == TTok::Not || at.Kind == TTok::Minus) {
        Take();
        if (at.Kind == TTok::Minus &&
            (Peek().Kind == TTok::Number || Peek().Kind == TTok::ShapeNumber)) {
            const int node = Add(TOp::Const, at);
            script_.Program.Nodes[static_cast<std::size_t>(node)].Value =
                -static_cast<std::int32_t>(Take().Value);
            return node;
        }
        if (!StartsExpression(Peek())) Expected("an expression after " + Quoted(at.Text));
        const int operand = Unary();
        return Add(at.Kind == TTok::Not ? TOp::Not : TOp::Negate, at, operand);
    }
    return Primary();
}

int TParser::Primary() {
    const TToken& at = Peek();
    switch (at.Kind) {
    case TTok::Number:
    case TTok::ShapeNumber: {
        const int node = Add(TOp::Const, at);
        script_.Program.Nodes[static_cast<std::size_t>(node)].Value =
            static_cast<std::int32_t>(Take().Value);
        return node;
    }
    case TTok::Name: {
        const auto found = names_.find(at.Text);
        if (found == names_.end()) Fail(at, "unknown name " + Quoted(at.Text));
        Take();
        return found->second;
    }
    case TTok::LeftParen: {
        Take();
        if (!StartsExpression(Peek())) Expected("an expression after '('");
        const int inner = Expression();
        Expect(TTok::RightParen, "')' after the expression");
        return inner;
    }
    case TTok::Suit:
    case TTok::Keyword:
        return Call(Take());
    default:
        Expected("an expression");
    }
}

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
