#pragma once
// The random source of script dealing: counter-based, so that every deal of a
// run has a stream of its own, derived from the run's seed and the deal's
// number alone. The numbers a deal draws are then the same whichever thread
// deals it and whatever was dealt before, which makes a run's output
// independent of the number of threads and lets a shard deal its share alone.
// Each number is the SplitMix64 mix of the stream's key plus a counter; a draw
// below n is Lemire's multiply-and-reject, exactly uniform.

#include <cstdint>

namespace kv::script {

class TRandomStream {
  public:
    explicit TRandomStream(std::uint64_t key) : key_(key) {}

    // The stream of deal number `deal` (0 and up) of the run seeded with `seed`.
    static TRandomStream ForDeal(std::int32_t seed, std::uint64_t deal);

    std::uint64_t Next64() {
        ++draws_;
        return Mix(key_ + draws_ * kGamma);
    }

    // Uniform in [0, n); n > 0.
    std::uint32_t Below(std::uint32_t n) {
        std::uint64_t m = std::uint64_t{Next32()} * n;
        if (static_cast<std::uint32_t>(m) < n) {
            const std::uint32_t threshold = static_cast<std::uint32_t>(-n) % n;
            while (static_cast<std::uint32_t>(m) < threshold)
                m = std::uint64_t{Next32()} * n;
        }
        return static_cast<std::uint32_t>(m >> 32);
    }

    // Uniform in [0, n); n > 0. `raw` gets the 64-bit number it was made
    // from, whose high bits order the results: a larger raw never gives a
    // smaller result.
    std::uint64_t Below64(std::uint64_t n, std::uint64_t& raw);
    std::uint64_t Below64(std::uint64_t n) {
        std::uint64_t raw;
        return Below64(n, raw);
    }

    // Uniform in [0, 1), 53 bits.
    double Fraction() { return static_cast<double>(Next64() >> 11) * 0x1.0p-53; }

    // 64-bit numbers drawn so far.
    std::uint64_t Draws() const { return draws_; }

    static constexpr std::uint64_t Mix(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

  private:
    static constexpr std::uint64_t kGamma = 0x9E3779B97F4A7C15ull;

    std::uint32_t Next32() {
        if (half_) {
            half_ = false;
            return static_cast<std::uint32_t>(spare_ >> 32);
        }
        spare_ = Next64();
        half_ = true;
        return static_cast<std::uint32_t>(spare_);
    }

    std::uint64_t key_;
    std::uint64_t draws_ = 0;
    std::uint64_t spare_ = 0;
    bool half_ = false;
};

} // namespace kv::script
