#include "engine/RandomSource.h"

#include <chrono>

namespace kv {

std::uint32_t TRandomSource::Step() {
    const std::uint32_t next = static_cast<std::uint32_t>(RandomSeed) * 134775813u + 1u;
    RandomSeed = static_cast<std::int32_t>(next);
    ++draws_;
    return next;
}

std::int32_t TRandomSource::RandomBelow(std::int32_t n) {
    const std::uint64_t seed = Step();
    return static_cast<std::int32_t>(
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * seed) >> 32);
}

TExtended TRandomSource::RandomFraction() {
    return TExtended(Step()) * kTwoToMinus32;
}

void TRandomSource::SeedFromClock() {
    using namespace std::chrono;
    const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    RandomSeed = static_cast<std::int32_t>(now % 86400000);
}

} // namespace kv
