// Expressions by precedence: ?: loosest, then the binary operators level by
// level, then ! and unary minus, then the operands.
#include "Parser.h"

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

} // namespace kv::script
