#include "BoardInfo.h"

#include <array>

namespace kv::printlib {
namespace {

// Counts 1.. onto 0..; boards below 1 are taken as board 1.
int Index(int board) {
    return board < 1 ? 0 : board - 1;
}

} // namespace

TSeat DealerOf(int board) {
    return static_cast<TSeat>(Index(board) % 4);
}

TVulnerability VulnerabilityOf(int board) {
    const int i = Index(board);
    return static_cast<TVulnerability>((i + i / 4) % 4);
}

bool IsVulnerable(TVulnerability vulnerability, TSeat seat) {
    const bool northSouth = seat == TSeat::North || seat == TSeat::South;
    switch (vulnerability) {
    case TVulnerability::None:
        return false;
    case TVulnerability::NorthSouth:
        return northSouth;
    case TVulnerability::EastWest:
        return !northSouth;
    case TVulnerability::Both:
        break;
    }
    return true;
}

const char* SeatName(TSeat seat) {
    static constexpr std::array<const char*, 4> kNames{"North", "East", "South", "West"};
    return kNames[static_cast<std::size_t>(seat)];
}

const char* SeatLetter(TSeat seat) {
    static constexpr std::array<const char*, 4> kLetters{"N", "E", "S", "W"};
    return kLetters[static_cast<std::size_t>(seat)];
}

const char* VulnerabilityName(TVulnerability vulnerability) {
    static constexpr std::array<const char*, 4> kNames{"None", "N-S", "E-W", "Both"};
    return kNames[static_cast<std::size_t>(vulnerability)];
}

} // namespace kv::printlib
