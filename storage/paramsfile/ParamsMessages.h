#pragma once
// The texts of the warnings that the parameter-file operations show.

#include <cstdint>
#include <string>

namespace kv::msg {

inline std::string FileDoesNotExist(const std::string& file) {
    return "File '" + file + "' does not exist.";
}
inline std::string NotSavedParameterFile(const std::string& file) {
    return "File '" + file + "' is not a saved parameter file.";
}
inline std::string ErrorReadingFile(const std::string& file) {
    return "Error reading '" + file + "'.";
}
inline std::string NotValidParameterFile(const std::string& file) {
    return "'" + file + "' is not a valid parameter file.";
}
inline std::string FileIsFull(const std::string& file, std::uint64_t sets) {
    return "File '" + file + "' is full (" + std::to_string(sets) +
           " parameter sets). Delete a set to make room.";
}
inline constexpr const char* kErrorReadingParameters = "Error reading parameters.";

} // namespace kv::msg
