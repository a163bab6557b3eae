#pragma once
// The parser of the dealer language: one function per rule of the grammar,
// binary operators by a table of precedence levels (C's), every fault named
// with what was expected and where. The statements need no terminator, so a
// statement ends where the next token cannot continue it, as in dealer.
//
// Beyond dealer: a name may be defined again (a use refers to the definition
// written before it, so the last definition wins from there on); unary minus
// applies to any operand, not only to a number; shape() calls are not limited
// to 32; a frequency's bounds must be in order.

#include "Token.h"
#include "script/Script.h"

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace kv::script {

// Thrown inside the parser; ParseScript turns it into a TScriptError.
struct EParseFault {
    int Line = 0, Column = 0;
    std::string Text;
};

inline constexpr int kMaxDepth = 200;            // nesting of one expression
inline constexpr std::size_t kMaxNodes = 200000; // nodes of all expressions
inline constexpr std::size_t kMaxActions = 10000;
inline constexpr std::int64_t kMaxFrequencyCells = 1000000;

class TParser {
  public:
    TParser(const std::vector<TToken>& tokens, TScript& script);
    // Reads every statement into the script; throws EParseFault.
    void Script();

  private:
    // Tokens.
    const TToken& Peek(std::size_t ahead = 0) const;
    const TToken& Take();
    bool Accept(TTok kind);
    const TToken& Expect(TTok kind, const std::string& what);
    [[noreturn]] void Fail(const TToken& at, const std::string& text) const;
    [[noreturn]] void Expected(const std::string& what) const;

    // Statements (Parser.cpp).
    void Statement();
    std::int64_t Number(const std::string& what);
    void Count(std::optional<std::int64_t>& field, const char* keyword);
    void Predeal();
    void PredealCards(int seat);
    void PredealLength();
    void PointCount(TRankValues& values);
    void Definition();

    // Expressions (ParseExpression.cpp).
    int Expression();
    int Ternary();
    int Binary(int level);
    int Unary();
    int Primary();
    int Call(const TToken& name);
    int SeatArgument();
    int SuitArgument();
    int HandFunction(const TToken& name, TOp whole, TOp suit, int value);
    int ShapeCall(const TToken& name);
    void ShapeElement(TShapeSet& set);
    int ScoreCall(const TToken& name);
    int Add(TOp op, const TToken& at, int a = kNoNode, int b = kNoNode, int c = kNoNode);
    bool StartsExpression(const TToken& token) const;

    // Actions (ParseActions.cpp).
    void ActionList();
    bool StartsAction(const TToken& token) const;
    TAction Action();
    TAction PrintSeats();
    TAction PrintEs();
    TAction Frequency(const TToken& name);
    int OptionalParenExpression();
    std::optional<std::string> OptionalLabel();

    const std::vector<TToken>& tokens_;
    std::size_t at_ = 0;
    TScript& script_;
    std::map<std::string, int, std::less<>> names_;
    int depth_ = 0;
};

} // namespace kv::script
