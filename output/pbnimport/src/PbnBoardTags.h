#pragma once
// The Board, Dealer and Vulnerable tags. An empty value or "?" says the value
// is not known, as if the tag were missing; any other value that is not one
// of the tag's values is refused.

#include "output/dealtext/BoardRotation.h"

#include <optional>
#include <string>
#include <string_view>

namespace kv::pbn {

// A board number from 1 to 2147483647.
std::optional<int> ReadBoardNumber(std::string_view value, long line);
// N, E, S or W, in either case.
std::optional<TSeat> ReadDealer(std::string_view value, long line);
// "None", "NS", "EW" or "All"; "Love" and "-" read as "None", "Both" as
// "All"; in any case.
std::optional<std::string> ReadVulnerable(std::string_view value, long line);

} // namespace kv::pbn
