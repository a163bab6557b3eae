#pragma once
// Set names are single-byte text in the files that users exchange: Windows-1252
// bytes on disk, UTF-8 in the program. Every byte decodes (the five bytes that
// Windows-1252 leaves undefined decode to the C1 controls of the same value), so
// a name read from a file encodes back to the same bytes.

#include <optional>
#include <string>
#include <string_view>

namespace kv {

// The UTF-8 text of Windows-1252 bytes. Never fails.
std::string Cp1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of UTF-8 text. Throws ENameError, with the message of
// NameEncodingProblem, when the text is not valid UTF-8 or holds a character
// that Windows-1252 lacks; nothing is ever replaced or dropped.
std::string Utf8ToCp1252(std::string_view utf8);

// Why a name cannot be stored ("The name contains the character 'Ω' (U+03A9),
// which parameter files cannot hold. ..."), or nothing when it can.
std::optional<std::string> NameEncodingProblem(std::string_view utf8);

} // namespace kv
