#include "engine/SeedText.h"

#include <cstdio>

namespace kv {
namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

std::string SeedToText(std::int32_t seed) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X",
                  static_cast<unsigned>(static_cast<std::uint32_t>(seed)));
    return text;
}

std::optional<std::int32_t> SeedFromText(const std::string& text) {
    if (text.empty()) return std::nullopt;
    std::uint32_t value = 0;
    int significant = 0;
    for (char c : text) {
        const int digit = HexValue(c);
        if (digit < 0) return std::nullopt;
        if (significant > 0 || digit != 0) ++significant;
        if (significant > 8) return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::string InvalidSeedMessage(const std::string& text) {
    return "'$" + text + "' is not a valid integer value";
}

} // namespace kv
