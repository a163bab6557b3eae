#pragma once
// Dealer and vulnerability of a duplicate board: the dealer turns clockwise
// from North with each board; the vulnerability follows the standard cycle of
// sixteen boards (None, N-S, E-W, Both shifted by one seat every four boards).

#include "HeldDeal.h"

namespace kv::printlib {

// Board numbers count from 1.
TSeat DealerOf(int board);
TVulnerability VulnerabilityOf(int board);

bool IsVulnerable(TVulnerability vulnerability, TSeat seat);

const char* SeatName(TSeat seat);                            // "North"
const char* SeatLetter(TSeat seat);                          // "N"
const char* VulnerabilityName(TVulnerability vulnerability); // "None", "N-S", "E-W", "Both"

} // namespace kv::printlib
