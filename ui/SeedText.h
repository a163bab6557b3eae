#pragma once
// The random seed as the Synchronize dialog shows and reads it: the 8 hex
// digits of its 32-bit pattern.

#include <QString>

#include <cstdint>
#include <optional>

namespace kv {

// Exactly 8 upper-case hex digits with leading zeros ("00000000" for 0).
QString SeedToText(std::int32_t seed);

// A hex number of at most 8 significant digits (leading zeros allowed, either
// case) as its 32-bit pattern; nothing for empty text, more digits, or any
// other character.
std::optional<std::int32_t> SeedFromText(const QString& text);

// "'$<text>' is not a valid integer value": the error for text SeedFromText refuses.
QString InvalidSeedText(const QString& text);

} // namespace kv
