#pragma once
// An 80-bit extended real computed as the x87 floating-point unit computes
// it: a 64-bit significand with an explicit leading bit, and every addition,
// multiplication and division rounded to the nearest 64-bit significand, ties
// to even. Built on integers, so that every platform makes the same pattern
// weights, sums and draws as the x86 hardware type did, bit for bit.
//
// Only zero and positive values exist: weights, sums and fractions are never
// negative. The engine's values (at most 13!, at least about 2^-72) stay far
// inside the 80-bit exponent range, so subnormals and overflow never arise
// and are not modelled.

#include "engine/Wide128.h"

#include <bit>
#include <compare>
#include <concepts>
#include <cstdint>
#include <iosfwd>
#include <limits>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace kv {

class TExtended {
  public:
    // Zero.
    constexpr TExtended() = default;

    // An integer, exactly (64 significant bits hold every 64-bit value).
    // Throws std::domain_error for a negative value.
    template <std::integral T>
    constexpr TExtended(T n) // NOLINT(google-explicit-constructor): integers convert exactly
    {
        if constexpr (std::is_signed_v<T>)
            if (n < 0) throw std::domain_error("TExtended holds no negative value");
        const auto u = static_cast<std::uint64_t>(n);
        if (u != 0) *this = Normalized(u, 63);
    }

    // A double, exactly. Throws std::domain_error for a negative, infinite or
    // NaN value.
    constexpr explicit TExtended(double d);

    // significand * 2^(exponent - 63): the exponent is that of the leading
    // bit. A significand of 0 gives zero; any other must have its top bit set.
    static constexpr TExtended FromParts(std::uint64_t significand, std::int32_t exponent) {
        TExtended x;
        if (significand != 0) x.exponent_ = exponent, x.significand_ = significand;
        return x;
    }

    constexpr std::uint64_t Significand() const { return significand_; }
    constexpr std::int32_t Exponent() const { return exponent_; }
    constexpr bool IsZero() const { return significand_ == 0; }

    // The nearest double (ties to even), for display and tests.
    double ToDouble() const;

    friend constexpr TExtended operator+(TExtended a, TExtended b);
    friend constexpr TExtended operator*(TExtended a, TExtended b);
    // Throws std::domain_error when b is zero.
    friend constexpr TExtended operator/(TExtended a, TExtended b);
    constexpr TExtended& operator+=(TExtended b) { return *this = *this + b; }
    constexpr TExtended& operator*=(TExtended b) { return *this = *this * b; }
    constexpr TExtended& operator/=(TExtended b) { return *this = *this / b; }

    // Zero's exponent lies below every other, so the order of (exponent,
    // significand) is the order of the values.
    friend constexpr bool operator==(const TExtended&, const TExtended&) = default;
    friend constexpr std::strong_ordering operator<=>(const TExtended&, const TExtended&) = default;

  private:
    static constexpr std::int32_t kZeroExponent = std::numeric_limits<std::int32_t>::min();
    static constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;

    // u * 2^(exponent - 63) with u's leading bit moved to the top; u != 0.
    static constexpr TExtended Normalized(std::uint64_t u, std::int32_t exponent) {
        const int shift = std::countl_zero(u);
        return FromParts(u << shift, exponent - shift);
    }

    // The 128-bit significand hi:lo (top bit of hi set), with `sticky` when
    // nonzero bits lie below lo, rounded to 64 bits: nearest, ties to even.
    static constexpr TExtended Rounded(std::uint64_t hi, std::uint64_t lo, bool sticky,
                                       std::int32_t exponent) {
        const bool up = lo > kTopBit || (lo == kTopBit && (sticky || (hi & 1) != 0));
        if (up && ++hi == 0) return FromParts(kTopBit, exponent + 1);
        return FromParts(hi, exponent);
    }

    std::int32_t exponent_ = kZeroExponent; // first: it decides the order
    std::uint64_t significand_ = 0;
};

constexpr TExtended::TExtended(double d) {
    const auto bits = std::bit_cast<std::uint64_t>(d);
    const auto biased = static_cast<std::int32_t>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if ((bits >> 63) != 0 && (biased != 0 || fraction != 0))
        throw std::domain_error("TExtended holds no negative value");
    if (biased == 0x7FF) throw std::domain_error("TExtended holds only finite values");
    if (biased != 0)
        *this = FromParts((fraction | (std::uint64_t{1} << 52)) << 11, biased - 1023);
    else if (fraction != 0)
        *this = Normalized(fraction, 63 - 1074); // subnormal double
}

constexpr TExtended operator+(TExtended a, TExtended b) {
    if (a.IsZero()) return b;
    if (b.IsZero()) return a;
    if (a.exponent_ < b.exponent_) std::swap(a, b);
    // b's significand shifted right by the exponent difference, as bHi:bLo
    // plus a sticky bit for what falls below bLo.
    const std::int64_t d = std::int64_t{a.exponent_} - b.exponent_;
    const std::uint64_t s = b.significand_;
    std::uint64_t bHi = 0, bLo = 0;
    bool sticky = false;
    if (d == 0)
        bHi = s;
    else if (d < 64)
        bHi = s >> d, bLo = s << (64 - d);
    else if (d == 64)
        bLo = s;
    else if (d < 128)
        bLo = s >> (d - 64), sticky = (s << (128 - d)) != 0;
    else
        sticky = true;
    std::uint64_t hi = a.significand_ + bHi;
    std::uint64_t lo = bLo;
    std::int32_t exponent = a.exponent_;
    if (hi < bHi) { // carry out of the top: one bit more, shifted back in
        sticky = sticky || (lo & 1) != 0;
        lo = (lo >> 1) | (hi << 63);
        hi = (hi >> 1) | TExtended::kTopBit;
        ++exponent;
    }
    return TExtended::Rounded(hi, lo, sticky, exponent);
}

constexpr TExtended operator*(TExtended a, TExtended b) {
    if (a.IsZero() || b.IsZero()) return {};
    const wide::TU128 p = wide::Mul(a.significand_, b.significand_); // in [2^126, 2^128)
    const std::int32_t exponent = a.exponent_ + b.exponent_;
    if ((p.Hi >> 63) != 0) return TExtended::Rounded(p.Hi, p.Lo, false, exponent + 1);
    return TExtended::Rounded((p.Hi << 1) | (p.Lo >> 63), p.Lo << 1, false, exponent);
}

constexpr TExtended operator/(TExtended a, TExtended b) {
    if (b.IsZero()) throw std::domain_error("TExtended division by zero");
    if (a.IsZero()) return {};
    const std::uint64_t x = a.significand_, y = b.significand_;
    const std::int32_t exponent = a.exponent_ - b.exponent_;
    if (x >= y) {
        // x / y in [1, 2): a leading 1, then the bits of (x - y) / y.
        const wide::TDivision q = wide::Div(x - y, 0, y);
        return TExtended::Rounded(TExtended::kTopBit | (q.Quotient >> 1), q.Quotient << 63,
                                  q.Remainder != 0, exponent);
    }
    // x / y in [1/2, 1): 64 quotient bits, then 64 more for the rounding.
    const wide::TDivision high = wide::Div(x, 0, y);
    const wide::TDivision low = wide::Div(high.Remainder, 0, y);
    return TExtended::Rounded(high.Quotient, low.Quotient, low.Remainder != 0, exponent - 1);
}

// "0x<significand>p<exponent>" and the nearest double, for test messages.
std::ostream& operator<<(std::ostream& out, const TExtended& x);

} // namespace kv
