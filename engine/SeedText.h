#pragma once
// The random seed as users see and type it: 8 upper-case hexadecimal digits.

#include <cstdint>
#include <optional>
#include <string>

namespace kv {

// "0000ABCD": the seed's 32-bit pattern, upper case, leading zeros.
std::string SeedToText(std::int32_t seed);

// Reads a hexadecimal seed: leading zeros allowed, at most 8 significant
// digits, nothing else (no sign, no blanks, no prefix). Values 80000000 to
// FFFFFFFF give their 32-bit pattern. Nothing when the text is empty,
// longer, or holds another character.
std::optional<std::int32_t> SeedFromText(const std::string& text);

// The error shown for text that SeedFromText refuses:
// "'$<text>' is not a valid integer value".
std::string InvalidSeedMessage(const std::string& text);

} // namespace kv
