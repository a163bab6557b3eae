#pragma once
// Text helpers of the PBN reader: the two encodings a PBN file may be
// written in, and pieces of the file quoted safely in messages.

#include <string>
#include <string_view>

namespace kv::pbn {

// True when `bytes` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool IsUtf8(std::string_view bytes);

// Each byte taken as a Latin-1 character, written as UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);

// A piece of the file as a message quotes it: in double quotes, cut after 40
// characters with "...". The text is left as it is: the message is escaped
// whole, as the place it is shown needs (TPbnError).
std::string Quoted(std::string_view text);

// Control characters (C0, DEL and C1) written as \xNN, everything else kept.
std::string EscapeControls(std::string_view text);

} // namespace kv::pbn
