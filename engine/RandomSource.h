#pragma once
// The program's pseudo-random source: a 32-bit linear congruential generator
// whose whole state is one seed. The exact arithmetic is a contract: two users
// who set the same seed and deal with the same types get the same deals.

#include "engine/Extended.h"

#include <cstdint>

namespace kv {

// 2^-32, held as the double 2.3283064365386963e-10.
inline constexpr TExtended kTwoToMinus32{2.3283064365386963e-10};

// The whole state of a random source: the seed and the count of draws.
struct TRandomState {
    std::int32_t Seed = 0;
    std::uint64_t Draws = 0;
    friend bool operator==(const TRandomState&, const TRandomState&) = default;
};

class TRandomSource {
  public:
    // The seed, as a signed 32-bit value; shown to users as its 8 hex digits.
    std::int32_t RandomSeed = 0;

    // An integer in [0, n): the high 32 bits of n times the new seed.
    // 0 when n is 0 or 1. Advances the seed once, whatever n is.
    std::int32_t RandomBelow(std::int32_t n);

    // The new seed times 2^-32 (the double 2.3283064365386963e-10) in 80-bit
    // arithmetic: exact, in [0, 1). Advances the seed once.
    TExtended RandomFraction();

    // Milliseconds since midnight UTC, 0..86399999.
    void SeedFromClock();

    // How many numbers have been drawn since construction (for tests and tools).
    std::uint64_t Draws() const { return draws_; }

    // The state to give back when the work that draws from here is dropped.
    TRandomState State() const { return {RandomSeed, draws_}; }
    void Restore(const TRandomState& state) {
        RandomSeed = state.Seed;
        draws_ = state.Draws;
    }

  private:
    std::uint32_t Step();
    std::uint64_t draws_ = 0;
};

} // namespace kv
