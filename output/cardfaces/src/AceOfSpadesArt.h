#pragma once
// The ace of spades: an ornate spade, 40 x 39 pixels, stored as 39 rows of
// 5 bytes whose bits, lowest first, are the pixels from left to right; and the
// ribbon mark below it, 23 x 8 pixels, one 32-bit value per row with bit 23
// the leftmost pixel and bit 1 the rightmost. Both are packed at compile time
// from the pictures below ('#' is a set pixel).

#include <array>
#include <cstdint>
#include <string_view>

namespace kv {

inline constexpr int kAceWidth = 40, kAceHeight = 39, kAceRowBytes = 5;
inline constexpr int kMarkWidth = 23, kMarkHeight = 8;

namespace art {

// clang-format off
inline constexpr std::array<std::string_view, kAceHeight> kOrnateSpade{
    "...................##...................",
    "..................####..................",
    ".................##..##.................",
    "................##.##.##................",
    "...............##.####.##...............",
    "..............##.######.##..............",
    "..............##.######.##..............",
    ".............##.###..###.##.............",
    "............##.###.##.###.##............",
    "...........##.###.####.###.##...........",
    "..........##.###.######.###.##..........",
    "........###.###.########.###.###........",
    "......####.###.##########.###.####......",
    "....####..###.############.###..####....",
    "...###..####.##############.####..###...",
    "..##..#####.################.#####..##..",
    "..##.#####.##################.#####.##..",
    ".##.####..#########..#########..####.##.",
    ".##.###.##########....##########.###.##.",
    ".##.###.#########......#########.###.##.",
    "##.###.#########........#########.###.##",
    "##.###.#########........#########.###.##",
    "##.###.##########..##..##########.###.##",
    ".##.###.########.#....#.########.###.##.",
    ".##.###.######..##....##..######.###.##.",
    ".##.####......############......####.##.",
    "..##.############.####.############.##..",
    "..##..##########.#.##.#.##########..##..",
    "...###..######..###..###..######..###...",
    "....####......###.####.###......####....",
    "......##########.##..##.##########......",
    "........######...##..##...######........",
    ".................##..##.................",
    "................##.##.##................",
    "...............##.####.##...............",
    "..............##.######.##..............",
    ".............##..........##.............",
    "............################............",
    "...........##################...........",
};

inline constexpr std::array<std::string_view, kMarkHeight> kRibbonMark{
    "...#################...",
    "...#...............#...",
    "####.##.#.###.#.##.####",
    "#..#...............#..#",
    ".#.#################.#.",
    "#..#...............#..#",
    "#...##...........##...#",
    "#####.............#####",
};
// clang-format on

constexpr bool IsSet(char c) {
    if (c != '#' && c != '.') throw "one-bit pictures hold only '#' and '.'";
    return c == '#';
}

constexpr std::array<std::uint8_t, kAceHeight * kAceRowBytes> PackAce() {
    std::array<std::uint8_t, kAceHeight * kAceRowBytes> bits{};
    for (int y = 0; y < kAceHeight; ++y) {
        if (kOrnateSpade[y].size() != kAceWidth) throw "ace rows are 40 pixels";
        for (int x = 0; x < kAceWidth; ++x)
            if (IsSet(kOrnateSpade[y][x]))
                bits[y * kAceRowBytes + x / 8] |= std::uint8_t(1u << (x % 8));
    }
    return bits;
}

constexpr std::array<std::uint32_t, kMarkHeight> PackMark() {
    std::array<std::uint32_t, kMarkHeight> rows{};
    for (int y = 0; y < kMarkHeight; ++y) {
        if (kRibbonMark[y].size() != kMarkWidth) throw "mark rows are 23 pixels";
        for (int x = 0; x < kMarkWidth; ++x)
            if (IsSet(kRibbonMark[y][x])) rows[y] |= 1u << (kMarkWidth - x);
    }
    return rows;
}

} // namespace art

inline constexpr std::array<std::uint8_t, kAceHeight* kAceRowBytes> kAceOfSpadesBits =
    art::PackAce();
inline constexpr std::array<std::uint32_t, kMarkHeight> kAceMarkBits = art::PackMark();

constexpr bool AcePixel(int x, int y) {
    return (kAceOfSpadesBits[y * kAceRowBytes + x / 8] >> (x % 8)) & 1u;
}
constexpr bool MarkPixel(int x, int y) {
    return (kAceMarkBits[y] >> (kMarkWidth - x)) & 1u;
}

} // namespace kv
