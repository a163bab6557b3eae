#pragma once
// Suit-length patterns packed in 16 bits: spades in bits 12..15, hearts 8..11,
// diamonds 4..7, clubs 0..3; the four lengths add up to 13.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace kv {

constexpr int SpadeCount(std::uint16_t p) {
    return (p >> 12) & 15;
}
constexpr int HeartCount(std::uint16_t p) {
    return (p >> 8) & 15;
}
constexpr int DiamondCount(std::uint16_t p) {
    return (p >> 4) & 15;
}
constexpr int ClubCount(std::uint16_t p) {
    return p & 15;
}

// Length of suit 0..3 (spades, hearts, diamonds, clubs) in a pattern.
constexpr int SuitCount(std::uint16_t p, int suit) {
    return (p >> (12 - 4 * suit)) & 15;
}

constexpr std::uint16_t MakePattern(int s, int h, int d, int c) {
    return static_cast<std::uint16_t>((s << 12) | (h << 8) | (d << 4) | c);
}

// One suit-length pattern, as held by the editor's list of all patterns.
class THand {
  public:
    explicit constexpr THand(std::uint16_t pattern) : Pattern(pattern) {}
    std::uint16_t Pattern;
};

// Raised by the editor when the requested bounds admit no hand; always caught
// inside the editor and answered with a beep, never shown.
class EImpossibleHand : public std::runtime_error {
  public:
    explicit EImpossibleHand(const std::string& message) : std::runtime_error(message) {}
};

} // namespace kv
