#pragma once
// A script that cannot be read or run: where, and what was expected there.

#include <string>

namespace kv::script {

struct TScriptError {
    std::string File; // the name the script was read under
    int Line = 0;     // 1 and up; 0 when the fault has no place (an unreadable file)
    int Column = 0;   // 1 and up, in bytes
    std::string Text; // "expected ')' after the suit"

    // "Smolen.dlr:14:22: expected ')' after the suit" ("FILE: text" without a
    // place). Control characters are written as \xNN, so that the message is
    // safe on a terminal.
    std::string Message() const;

    friend bool operator==(const TScriptError&, const TScriptError&) = default;
};

} // namespace kv::script
