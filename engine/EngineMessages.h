#pragma once

namespace kv::msg {

inline constexpr const char* kTooNarrow = "You have defined parameters that are too narrow.";
inline constexpr const char* kNoHands = "There are no hands satisfying your parameters.";
inline constexpr const char* kFirstUnsatisfiable =
    "There are no hands satisfying one of the sets of parameters you chose.";
inline constexpr const char* kAnotherUnsatisfiable =
    "Another set of your parameters has been found to be not capable of being satisfied.";

} // namespace kv::msg
