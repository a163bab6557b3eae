#pragma once
// The fixed seeds and hand-type lists whose deals every platform must make
// alike. The lists reach every branch of the pattern draw: the unconstrained
// lists, narrow and fixed patterns, voids, South patterns beside which no
// North pattern fits (removal), and several types chosen by frequency.

#include "engine/DealEngine.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kv::cross {

struct TSignatureCase {
    std::string Name;
    TTypeList Types;
};

inline constexpr std::uint32_t kSignatureSeeds[] = {0x00000000, 0x00000001, 0x7FFFFFFF, 0x80000000,
                                                    0xFFFFFFFF, 0x1234ABCD, 0x0BADF00D};

// One side's suit bounds in the order spades, hearts, diamonds, clubs, min then max.
inline void SetSuits(THandParam& t, TSide side, std::initializer_list<int> bounds) {
    auto it = bounds.begin();
    for (TRange r : kSuitRanges) {
        t.Min(side, r) = static_cast<std::uint8_t>(*it++);
        t.Max(side, r) = static_cast<std::uint8_t>(*it++);
    }
}

inline THandParam Hcp(int sMin, int sMax, int nMin, int nMax) {
    THandParam t;
    t.SHCPMin = static_cast<std::uint8_t>(sMin), t.SHCPMax = static_cast<std::uint8_t>(sMax);
    t.NHCPMin = static_cast<std::uint8_t>(nMin), t.NHCPMax = static_cast<std::uint8_t>(nMax);
    return t;
}

inline std::vector<TSignatureCase> SignatureCases() {
    std::vector<TSignatureCase> out;
    out.push_back({"Unconstrained", {THandParam{}}});
    out.push_back({"StrongSouthWeakNorth", {Hcp(20, 22, 0, 5)}});

    THandParam t = Hcp(20, 21, 0, 37);
    SetSuits(t, TSide::South, {2, 5, 2, 5, 2, 5, 2, 5});
    out.push_back({"South20to21Balanced", {t}});

    t = Hcp(11, 15, 10, 12);
    t.SSpadeMin = 5, t.NSpadeMin = 4;
    out.push_back({"SpadeFitInvitational", {t}});

    t = Hcp(22, 37, 0, 37);
    t.SSpadeMin = 7;
    out.push_back({"South22PlusSevenSpades", {t}});

    // Beside five or more South spades North cannot hold nine: such South
    // patterns are removed and another is drawn, often several times.
    t = THandParam{};
    t.SSpadeMin = 4, t.NSpadeMin = 9;
    out.push_back({"RemovalOfLongSpades", {t}});

    t = THandParam{};
    SetSuits(t, TSide::South, {4, 4, 3, 3, 3, 3, 3, 3});
    SetSuits(t, TSide::North, {2, 2, 4, 4, 5, 5, 2, 2});
    out.push_back({"FixedPatterns", {t}});

    t = Hcp(8, 16, 0, 37);
    SetSuits(t, TSide::South, {0, 13, 0, 13, 1, 13, 0, 0});
    SetSuits(t, TSide::North, {0, 13, 0, 13, 0, 1, 0, 13});
    out.push_back({"VoidsAndShortness", {t}});

    t = THandParam{};
    t.SHeartMin = 7, t.NSpadeMin = 7;
    out.push_back({"LongSuitsBothSides", {t}});

    TTypeList three{Hcp(12, 14, 6, 9), Hcp(0, 37, 0, 37), Hcp(15, 17, 8, 10)};
    three[0].SSpadeMin = 5, three[0].NSpadeMin = 3;
    three[0].Frequency = 10, three[1].Frequency = 35, three[2].Frequency = 55;
    out.push_back({"ThreeTypesByFrequency", three});

    TTypeList eight;
    for (int k = 0; k < 8; ++k) {
        THandParam e = Hcp(k * 2, k * 2 + 12, k < 6 ? 25 - k * 4 : 0, 37 - k * 3);
        e.Frequency = 10 + 7 * k;
        eight.push_back(e);
    }
    eight[3].SClubMin = 6, eight[5].NDiamondMax = 1, eight[6].SHeartMin = 5, eight[6].NHeartMin = 5;
    out.push_back({"EightTypes", eight});
    return out;
}

} // namespace kv::cross
