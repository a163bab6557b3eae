#pragma once
// Splits a script into tokens exactly as Debian's dealer 20211121 does: the
// longest match wins and, between matches of one length, a reserved word
// before a holding, a card, a contract, a shape, a number and a name. So
// "SAK" is a holding, "AS" a card, "x3N" a contract, "5xxx" a shape, "4333"
// a shape or a number, and none of them can name an expression.
//
// Where dealer is plainly unhelpful the lexer is more lenient: "#" starts a
// comment anywhere, not only at the start of a line; a "//" or "#" comment
// may end the file without a line end; a carriage return, form feed or
// vertical tab is a blank; nothing inside "/* */" reaches the output.

#include "Token.h"
#include "script/ScriptError.h"

#include <optional>
#include <string_view>
#include <vector>

namespace kv::script {

struct TLexed {
    std::vector<TToken> Tokens; // ends with an End token; empty on an error
    std::optional<TScriptError> Error;
};

// The tokens of `text`, whose views point into it. `maxTokens` bounds the
// work on untrusted text; more is refused as "the script is too long".
TLexed Lex(std::string_view text, std::size_t maxTokens);

} // namespace kv::script
