#pragma once
// The dealer and vulnerability of duplicate boards, repeating every 16 boards.

#include <string>

namespace kv {

enum class TSeat { North, East, South, West };

// Board 1 is dealt by North, 2 by East, 3 by South, 4 by West, and so on.
TSeat BoardDealer(int board);
// "None", "NS", "EW" or "All", as the PBN Vulnerable tag writes it.
std::string BoardVulnerability(int board);
char SeatLetter(TSeat seat);

} // namespace kv
