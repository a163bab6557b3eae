#include "script/RandomStream.h"

namespace kv::script {

TRandomStream TRandomStream::ForDeal(std::int32_t seed, std::uint64_t deal) {
    const std::uint64_t run = Mix(static_cast<std::uint32_t>(seed) ^ 0x5CA1AB1E00000000ull);
    return TRandomStream(Mix(run + Mix(deal + 0xD1B54A32D192ED03ull)));
}

std::uint64_t TRandomStream::Below64(std::uint64_t n, std::uint64_t& raw) {
    raw = Next64();
    unsigned __int128 m = static_cast<unsigned __int128>(raw) * n;
    if (static_cast<std::uint64_t>(m) < n) {
        const std::uint64_t threshold = (0 - n) % n;
        while (static_cast<std::uint64_t>(m) < threshold) {
            raw = Next64();
            m = static_cast<unsigned __int128>(raw) * n;
        }
    }
    return static_cast<std::uint64_t>(m >> 64);
}

} // namespace kv::script
