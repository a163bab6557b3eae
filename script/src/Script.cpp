#include "script/Script.h"

#include "Compile.h"
#include "Lexer.h"
#include "Parser.h"
#include "script/DealMasks.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace kv::script {
namespace {

int AddNode(TProgram& program, TNode node) {
    program.Nodes.push_back(node);
    return static_cast<int>(program.Nodes.size()) - 1;
}

// The condition as written (1 when there is none), and with it each predealt
// suit length, which must hold as well.
void CompleteCondition(TScript& script) {
    TProgram& program = script.Program;
    if (script.Condition == kNoNode)
        script.Condition = AddNode(program, TNode{TOp::Const, 0, 0, 1});
    for (const TSuitLength& length : script.PredealLengths) {
        TNode has{TOp::Length, static_cast<std::uint8_t>(length.Seat),
                  static_cast<std::uint8_t>(length.Suit)};
        const int a = AddNode(program, has);
        const int b = AddNode(program, TNode{TOp::Const, 0, 0, length.Length});
        TNode equal{TOp::Eq};
        equal.A = a;
        equal.B = b;
        TNode both{TOp::And};
        both.A = script.Condition;
        both.B = AddNode(program, equal);
        script.Condition = AddNode(program, both);
    }
}

// The predealt cards of a seat in a suit must fit the length predealt there.
std::optional<std::string> LengthFault(const TScript& script) {
    for (const TSuitLength& length : script.PredealLengths)
        if (Length(script.Predeal[static_cast<std::size_t>(length.Seat)], length.Suit) >
            length.Length)
            return "more cards are predealt to a seat than its predealt suit length allows";
    return std::nullopt;
}

} // namespace

std::string TScriptError::Message() const {
    std::string text = File;
    if (Line > 0) text += ":" + std::to_string(Line) + ":" + std::to_string(Column);
    text += ": " + Text;
    std::string safe;
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", u);
            safe += escape;
        } else {
            safe += c;
        }
    }
    return safe;
}

bool TScript::Prints() const {
    for (const TAction& action : Actions)
        if (action.Kind != TActionKind::Average && action.Kind != TActionKind::Frequency &&
            action.Kind != TActionKind::Frequency2)
            return true;
    return false;
}

std::int64_t TScript::GenerateLimit() const {
    return Generate.value_or(kDefaultGenerate);
}

std::int64_t TScript::ProduceCount() const {
    if (Produce) return *Produce;
    return DefaultAction || Prints() ? kDefaultPrintedProduce : GenerateLimit();
}

TScriptRead ParseScript(std::string_view text, const std::string& file) {
    TScriptRead read;
    auto fail = [&](int line, int column, std::string what) {
        read.Error = TScriptError{file, line, column, std::move(what)};
        return read;
    };
    if (text.size() > kMaxScriptBytes) return fail(0, 0, "the script is larger than 1 MiB");
    const TLexed lexed = Lex(text, text.size() + 1);
    if (lexed.Error) return fail(lexed.Error->Line, lexed.Error->Column, lexed.Error->Text);
    TScript script;
    script.File = file;
    script.Program.PointCount = DefaultPointCount();
    script.Program.AltCounts = DefaultAltCounts();
    script.Actions.push_back(TAction{});
    try {
        TParser(lexed.Tokens, script).Script();
    } catch (const EParseFault& fault) {
        return fail(fault.Line, fault.Column, fault.Text);
    }
    if (const std::optional<std::string> fault = LengthFault(script)) return fail(0, 0, *fault);
    CompleteCondition(script);
    if (const std::optional<TCompileFault> fault = Compile(script)) {
        const TNode& at = script.Program.Nodes[static_cast<std::size_t>(fault->Node)];
        return fail(at.Line, at.Column, fault->Text);
    }
    read.Script = std::move(script);
    return read;
}

TScriptRead ReadScriptFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        TScriptRead read;
        read.Error =
            TScriptError{path, 0, 0, std::string("cannot open the file: ") + std::strerror(errno)};
        return read;
    }
    std::string text(kMaxScriptBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        TScriptRead read;
        read.Error = TScriptError{path, 0, 0, "cannot read the file"};
        return read;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    return ParseScript(text, path);
}

} // namespace kv::script
