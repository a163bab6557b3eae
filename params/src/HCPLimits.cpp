#include "params/HCPLimits.h"

#include <algorithm>
#include <numeric>

namespace kv {
namespace {

// Least HCP a suit of 0..13 cards must hold: the cards below the top honours.
constexpr int kLeastHCP[14] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 3, 6, 10};
// Most HCP a suit of 0..13 cards can hold: A, AK, AKQ, then all four honours.
constexpr int kMostHCP[14] = {0, 4, 7, 9, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10};

int Sum(const std::array<int, 4>& lengths) {
    return std::accumulate(lengths.begin(), lengths.end(), 0);
}

// Table lookup for a length that a record read from a file may hold out of range.
int Lookup(const int (&table)[14], int length) {
    return table[std::clamp(length, 0, 13)];
}

// One level of growth; returns whether any suit grew.
bool GrowLevel(std::array<int, 4>& lengths, const THandLengths& effective, int level) {
    bool grew = false;
    for (std::size_t suit = 0; suit < 4 && Sum(lengths) != 13; ++suit)
        if (lengths[suit] == level && lengths[suit] < effective.Max[suit]) {
            ++lengths[suit];
            grew = true;
        }
    return grew;
}

bool CanGrow(const std::array<int, 4>& lengths, const THandLengths& effective) {
    for (std::size_t suit = 0; suit < 4; ++suit)
        if (lengths[suit] < effective.Max[suit]) return true;
    return false;
}

} // namespace

int ForcedMinHCP(const THandLengths& effective) {
    int hcp = 0;
    for (int length : effective.Min)
        hcp += Lookup(kLeastHCP, length);
    return hcp;
}

int MaxPossibleHCP(const THandLengths& effective) {
    std::array<int, 4> lengths = effective.Min;
    // Lengths only grow up to 13, so no growth is possible beyond level 12.
    for (int level = 0; level <= 13 && Sum(lengths) != 13 && CanGrow(lengths, effective); ++level)
        GrowLevel(lengths, effective, level);
    int hcp = 0;
    for (int length : lengths)
        hcp += Lookup(kMostHCP, length);
    return hcp;
}

THCPLimits HCPLimitsOf(const TLengthRanges& effective) {
    return {ForcedMinHCP(effective.South), MaxPossibleHCP(effective.South),
            ForcedMinHCP(effective.North), MaxPossibleHCP(effective.North)};
}

namespace {

int DeriveMinimum(int requested, int floor, int ceiling) {
    if (requested < floor) return floor;
    return requested > ceiling ? ceiling : requested;
}

int DeriveMaximum(int requested, int floor, int ceiling, int otherMinimum) {
    if (requested < floor) return floor;
    return requested > ceiling ? std::min(ceiling, 40 - otherMinimum) : requested;
}

} // namespace

THCPBounds DeriveHCPRanges(const THCPLimits& l, const THCPBounds& req) {
    const int southCeiling = std::min(l.SX, 40 - l.NA);
    const int northCeiling = std::min(l.NX, 40 - l.SA);
    THCPBounds eff;
    eff.SMin = DeriveMinimum(req.SMin, l.SA, southCeiling);
    eff.NMin = DeriveMinimum(req.NMin, l.NA, northCeiling);
    eff.SMax = DeriveMaximum(req.SMax, l.SA, southCeiling, eff.NMin);
    eff.NMax = DeriveMaximum(req.NMax, l.NA, northCeiling, eff.SMin);
    return eff;
}

THCPMovePair HCPMoveBounds(const THCPMovePair& cur, bool actsOnMinimum, int p, int c, int mMinReq,
                           int oMaxReq) {
    THCPMovePair next = cur;
    if (actsOnMinimum) {
        next.MMin = p;
        if (p > c) {
            next.MMax = std::max(cur.MMax, p);
            next.OMax = std::min(cur.OMax, 40 - p);
        } else {
            next.OMax = std::min(std::max(cur.OMax, oMaxReq), 40 - p);
        }
        next.OMin = std::min(cur.OMin, next.OMax);
    } else {
        next.MMax = p;
        if (p > c) {
            next.MMin = std::max(cur.MMin, mMinReq);
            next.OMin = std::min(cur.OMin, 40 - p);
        } else {
            next.MMin = std::min(cur.MMin, p);
        }
    }
    next.MMin = std::max(next.MMin, 0), next.OMin = std::max(next.OMin, 0);
    next.MMax = std::min(next.MMax, kMaxHCP), next.OMax = std::min(next.OMax, kMaxHCP);
    return next;
}

} // namespace kv
