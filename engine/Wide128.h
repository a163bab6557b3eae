#pragma once
// The two 128-bit steps that the extended arithmetic needs: the full product
// of two 64-bit numbers, and the division of a 128-bit number by a 64-bit one.
// Compilers with a 128-bit integer type (GCC, Clang, MinGW-w64) use it; any
// other compiler gets the portable versions, which the tests compare with it.

#include <cstdint>

namespace kv::wide {

struct TU128 {
    std::uint64_t Hi = 0;
    std::uint64_t Lo = 0;
    friend bool operator==(const TU128&, const TU128&) = default;
};

struct TDivision {
    std::uint64_t Quotient = 0;
    std::uint64_t Remainder = 0;
};

// a * b, exact, in 32-bit halves.
constexpr TU128 MulPortable(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t aLo = a & 0xFFFFFFFFu, aHi = a >> 32;
    const std::uint64_t bLo = b & 0xFFFFFFFFu, bHi = b >> 32;
    const std::uint64_t ll = aLo * bLo, lh = aLo * bHi, hl = aHi * bLo, hh = aHi * bHi;
    const std::uint64_t middle = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
    return {hh + (lh >> 32) + (hl >> 32) + (middle >> 32), (middle << 32) | (ll & 0xFFFFFFFFu)};
}

// (hi * 2^64 + lo) / d, one quotient bit at a time. Needs hi < d, so that the
// quotient fits in 64 bits.
constexpr TDivision DivPortable(std::uint64_t hi, std::uint64_t lo, std::uint64_t d) {
    std::uint64_t q = 0;
    for (int bit = 63; bit >= 0; --bit) {
        const bool carry = (hi >> 63) != 0; // the shifted remainder has 65 bits
        hi = (hi << 1) | (lo >> 63);
        lo <<= 1;
        if (carry || hi >= d) {
            hi -= d;
            q |= std::uint64_t{1} << bit;
        }
    }
    return {q, hi};
}

#if defined(__SIZEOF_INT128__)
inline constexpr bool kNativeWide = true;

constexpr TU128 Mul(std::uint64_t a, std::uint64_t b) {
    const unsigned __int128 p = static_cast<unsigned __int128>(a) * b;
    return {static_cast<std::uint64_t>(p >> 64), static_cast<std::uint64_t>(p)};
}

constexpr TDivision Div(std::uint64_t hi, std::uint64_t lo, std::uint64_t d) {
    const unsigned __int128 n = (static_cast<unsigned __int128>(hi) << 64) | lo;
    return {static_cast<std::uint64_t>(n / d), static_cast<std::uint64_t>(n % d)};
}
#else
inline constexpr bool kNativeWide = false;

constexpr TU128 Mul(std::uint64_t a, std::uint64_t b) {
    return MulPortable(a, b);
}
constexpr TDivision Div(std::uint64_t hi, std::uint64_t lo, std::uint64_t d) {
    return DivPortable(hi, lo, d);
}
#endif

} // namespace kv::wide
