#include "Parser.h"

namespace kv::script {

bool TParser::StartsAction(const TToken& token) const {
    if (token.Kind != TTok::Keyword) return false;
    switch (static_cast<TKeyword>(token.Value)) {
    case TKeyword::Print:
    case TKeyword::PrintAll:
    case TKeyword::PrintPbn:
    case TKeyword::PrintEw:
    case TKeyword::PrintCompact:
    case TKeyword::PrintOneLine:
    case TKeyword::PrintEs:
    case TKeyword::EvalContract:
    case TKeyword::Average:
    case TKeyword::Frequency:
        return true;
    default:
        return false;
    }
}

// action A, B, C: a list that may be empty and may end with a comma. A later
// action statement replaces the list.
void TParser::ActionList() {
    script_.Actions.clear();
    script_.DefaultAction = false;
    while (StartsAction(Peek())) {
        if (script_.Actions.size() >= kMaxActions) Fail(Peek(), "the script has too many actions");
        script_.Actions.push_back(Action());
        if (!Accept(TTok::Comma)) return;
    }
}

TAction TParser::Action() {
    const TToken& name = Take();
    TAction action;
    switch (static_cast<TKeyword>(name.Value)) {
    case TKeyword::PrintAll:
        action.Kind = TActionKind::PrintAll;
        return action;
    case TKeyword::PrintEw:
        action.Kind = TActionKind::PrintEw;
        return action;
    case TKeyword::PrintPbn:
        action.Kind = TActionKind::PrintPbn;
        return action;
    case TKeyword::Print:
        return PrintSeats();
    case TKeyword::PrintCompact:
        action.Kind = TActionKind::PrintCompact;
        action.Expr = OptionalParenExpression();
        return action;
    case TKeyword::PrintOneLine:
        action.Kind = TActionKind::PrintOneLine;
        action.Expr = OptionalParenExpression();
        return action;
    case TKeyword::PrintEs:
        return PrintEs();
    case TKeyword::Average:
        action.Kind = TActionKind::Average;
        action.Label = OptionalLabel();
        if (!StartsExpression(Peek())) Expected("an expression after 'average'");
        action.Expr = Expression();
        return action;
    case TKeyword::Frequency:
        return Frequency(name);
    default:
        Fail(name, "evalcontract is not supported: use tricks() and score() with average");
    }
}

// print(north, south): those hands on pages of their own.
TAction TParser::PrintSeats() {
    TAction action;
    action.Kind = TActionKind::Print;
    Expect(TTok::LeftParen, "'(' after 'print'");
    do {
        action.Seats |= 1 << SeatArgument();
    } while (Accept(TTok::Comma));
    Expect(TTok::RightParen, "',' or ')' after the seat");
    return action;
}

// printcompact and printoneline may be followed by an expression in brackets.
int TParser::OptionalParenExpression() {
    if (!Accept(TTok::LeftParen)) return kNoNode;
    if (!StartsExpression(Peek())) Expected("an expression after '('");
    const int node = Expression();
    Expect(TTok::RightParen, "')' after the expression");
    return node;
}

std::optional<std::string> TParser::OptionalLabel() {
    if (Peek().Kind != TTok::String) return std::nullopt;
    return std::string(Take().Text);
}

// printes("text", expression, \n, ...)
TAction TParser::PrintEs() {
    TAction action;
    action.Kind = TActionKind::PrintEs;
    Expect(TTok::LeftParen, "'(' after 'printes'");
    do {
        if (Peek().Kind == TTok::String) {
            action.Items.push_back({kNoNode, std::string(Take().Text)});
        } else if (StartsExpression(Peek())) {
            action.Items.push_back({Expression(), ""});
        } else {
            Expected("an expression or a string");
        }
    } while (Accept(TTok::Comma));
    Expect(TTok::RightParen, "',' or ')' after the item");
    return action;
}

// frequency "label" (expr, low, high) or (expr, low, high, expr, low, high)
TAction TParser::Frequency(const TToken& name) {
    TAction action;
    action.Kind = TActionKind::Frequency;
    action.Label = OptionalLabel();
    Expect(TTok::LeftParen, "'(' after 'frequency'");
    auto dimension = [&](int& expr, int& low, int& high) {
        if (!StartsExpression(Peek())) Expected("an expression");
        expr = Expression();
        Expect(TTok::Comma, "',' after the expression");
        low = static_cast<int>(Number("a number for the lowest value"));
        Expect(TTok::Comma, "',' after the lowest value");
        const TToken& at = Peek();
        high = static_cast<int>(Number("a number for the highest value"));
        if (high < low) Fail(at, "the highest value is below the lowest");
    };
    dimension(action.Expr, action.Low, action.High);
    std::int64_t cells = std::int64_t{action.High} - action.Low + 3;
    if (Accept(TTok::Comma)) {
        action.Kind = TActionKind::Frequency2;
        dimension(action.Expr2, action.Low2, action.High2);
        cells *= std::int64_t{action.High2} - action.Low2 + 3;
        Expect(TTok::RightParen, "')' after the highest value");
    } else {
        Expect(TTok::RightParen, "',' or ')' after the highest value");
    }
    if (cells > kMaxFrequencyCells) Fail(name, "the frequency table is too large");
    return action;
}

} // namespace kv::script
