#include "output/dealtext/BoardRotation.h"

namespace kv {

TSeat BoardDealer(int board) {
    return static_cast<TSeat>((board - 1) % 4);
}

std::string BoardVulnerability(int board) {
    // Boards 1..16: None NS EW All / NS EW All None / EW All None NS / All None NS EW.
    static const char* const kTable[16] = {"None", "NS",   "EW", "All", "NS",   "EW",
                                           "All",  "None", "EW", "All", "None", "NS",
                                           "All",  "None", "NS", "EW"};
    return kTable[(board - 1) % 16];
}

char SeatLetter(TSeat seat) {
    return "NESW"[static_cast<int>(seat)];
}

} // namespace kv
