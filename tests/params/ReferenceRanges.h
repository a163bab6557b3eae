#pragma once
// A deliberately plain GetLengthRanges over lists of patterns, written apart
// from the fit table, to check the editor's version against.

#include "params/LengthRanges.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace kv::test {

inline std::vector<std::uint16_t> AllPatternsByLoop() {
    std::vector<std::uint16_t> all;
    for (int s = 0; s <= 13; ++s)
        for (int h = 0; h + s <= 13; ++h)
            for (int d = 0; d + h + s <= 13; ++d)
                all.push_back(MakePattern(s, h, d, 13 - s - h - d));
    return all;
}

inline bool ReferenceFits(std::uint16_t a, std::uint16_t b) {
    return SpadeCount(a) + SpadeCount(b) <= 13 && HeartCount(a) + HeartCount(b) <= 13 &&
           DiamondCount(a) + DiamondCount(b) <= 13 && ClubCount(a) + ClubCount(b) <= 13;
}

inline bool ReferenceFitsWithSome(std::uint16_t p, const std::vector<std::uint16_t>& list) {
    return std::any_of(list.begin(), list.end(),
                       [p](std::uint16_t q) { return ReferenceFits(p, q); });
}

inline std::vector<std::uint16_t> Within(const THandLengths& req,
                                         const std::vector<std::uint16_t>& from) {
    std::vector<std::uint16_t> kept;
    for (std::uint16_t p : from)
        if (SpadeCount(p) >= req.Min[0] && SpadeCount(p) <= req.Max[0] &&
            HeartCount(p) >= req.Min[1] && HeartCount(p) <= req.Max[1] &&
            DiamondCount(p) >= req.Min[2] && DiamondCount(p) <= req.Max[2] &&
            ClubCount(p) >= req.Min[3] && ClubCount(p) <= req.Max[3])
            kept.push_back(p);
    return kept;
}

inline THandLengths ReferenceBounds(const std::vector<std::uint16_t>& list) {
    THandLengths b{{13, 13, 13, 13}, {0, 0, 0, 0}};
    for (std::uint16_t p : list)
        for (int suit = 0; suit < 4; ++suit) {
            b.Min[suit] = std::min(b.Min[suit], SuitCount(p, suit));
            b.Max[suit] = std::max(b.Max[suit], SuitCount(p, suit));
        }
    return b;
}

// The effective bounds, or nothing when the requests admit no pair.
inline std::optional<TLengthRanges> ReferenceLengthRanges(const TLengthRanges& requested) {
    static const std::vector<std::uint16_t> all = AllPatternsByLoop();
    const std::vector<std::uint16_t> south = Within(requested.South, all);
    std::vector<std::uint16_t> north;
    for (std::uint16_t p : Within(requested.North, all))
        if (ReferenceFitsWithSome(p, south)) north.push_back(p);
    std::vector<std::uint16_t> southFitting;
    for (std::uint16_t p : south)
        if (ReferenceFitsWithSome(p, north)) southFitting.push_back(p);
    if (north.empty() || southFitting.empty()) return std::nullopt;
    return TLengthRanges{ReferenceBounds(southFitting), ReferenceBounds(north)};
}

// Whether some South pattern within South's bounds and some North pattern
// within North's fit beside each other.
inline bool AdmitsSomePair(const TLengthRanges& bounds) {
    return ReferenceLengthRanges(bounds).has_value();
}

} // namespace kv::test
