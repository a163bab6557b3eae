#pragma once
// The 72-character text form of one hand type, as stored in a type slot of a
// set record: South block (32), North block (32), frequency (8 hex digits).
// A block holds HCP min and max as two decimal digits of value + 10, the eight
// suit bounds as one hexadecimal digit each, and the ten requested bounds as
// two decimal digits of signed value + 11.

#include "params/HandParam.h"

#include <string>
#include <string_view>

namespace kv {

inline constexpr std::size_t kTypeTextLength = 72;

// The type text of a type. Every value that TypeFromText can produce encodes
// back to the same characters; a value with no two-digit (or one hex digit)
// form in its field throws EConvertError rather than write a malformed text.
std::string TypeToText(const THandParam& type);

// Parses a type text into type. Returns false and leaves type unchanged when the
// text is not 72 characters long, or when in either hand an HCP or suit minimum
// exceeds its maximum (unsigned byte comparison). Every field is parsed before
// any test: a non-digit in a decimal field, or a non-hexadecimal character in a
// hexadecimal one, throws EConvertError. Requested bounds and frequency are not tested.
bool TypeFromText(THandParam& type, std::string_view text);

} // namespace kv
