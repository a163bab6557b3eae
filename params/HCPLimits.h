#pragma once
// The high-card-point arithmetic of the editor: the HCP that a hand's suit
// ranges force or allow, the HCP bounds derived after a suit change, and the
// new HCP bounds after a move of an HCP thumb.

#include "params/HandParam.h"
#include "params/LengthRanges.h"

namespace kv {

// Sum over the four suits of the least HCP a suit of its effective minimum
// length must hold (0 up to 9 cards, then 1, 3, 6, 10 for 10..13 cards). 0..40.
int ForcedMinHCP(const THandLengths& effective);

// Every suit starts at its effective minimum; level by level (i = 0, 1, ...),
// each suit of length i below its maximum grows by one card, spades to clubs,
// stopping as soon as the lengths add up to 13 or no suit can grow. Result: the
// sum of the most HCP each final length can hold (0, 4, 7, 9, then 10). 0..40.
int MaxPossibleHCP(const THandLengths& effective);

// HCP bounds of both hands: minimums and maximums.
struct THCPBounds {
    int SMin = 0, SMax = 37, NMin = 0, NMax = 37;
    friend bool operator==(const THCPBounds&, const THCPBounds&) = default;
};

// The HCP limits of both hands' suit ranges: ForcedMinHCP and MaxPossibleHCP.
struct THCPLimits {
    int SA = 0, SX = 37, NA = 0, NX = 37;
};

THCPLimits HCPLimitsOf(const TLengthRanges& effective);

// ApplyHCPRanges: the effective HCP bounds from the requested ones (markers
// -1 and 38 included): each minimum raised to the forced minimum or lowered to
// the ceiling (the possible maximum, and 40 minus the other hand's forced
// minimum); each maximum raised to the forced minimum, or when above the
// ceiling lowered to the ceiling and to 40 minus the other's new minimum.
THCPBounds DeriveHCPRanges(const THCPLimits& limits, const THCPBounds& requested);

// The HCP bounds of the moved hand (M) and the other hand (O).
struct THCPMovePair {
    int MMin, MMax, OMin, OMax;
    friend bool operator==(const THCPMovePair&, const THCPMovePair&) = default;
};

// One move of an HCP thumb from C to P (P != C), acting on M's minimum or
// maximum; mMinReq and oMaxReq are M's requested minimum and O's requested
// maximum. Minimums end at least 0, maximums at most 37.
THCPMovePair HCPMoveBounds(const THCPMovePair& current, bool actsOnMinimum, int p, int c,
                           int mMinReq, int oMaxReq);

} // namespace kv
