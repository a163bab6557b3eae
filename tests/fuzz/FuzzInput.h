#pragma once
// What both fuzz targets need: a finding that stops the run, and the input
// written to a file of its own, in one folder per fuzzing process that is
// removed when the process exits.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace kv::fuzz {

inline void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// The path of the input file: `name` in a folder made from `folderPattern`
// (ending in XXXXXX) under the temporary folder, the same for the whole run.
inline const std::string& InputFile(const char* folderPattern, const char* name) {
    static const std::string file = [&] {
        std::string folder = (std::filesystem::temp_directory_path() / folderPattern).string();
        Check(::mkdtemp(folder.data()) != nullptr);
        static const std::string toRemove = folder;
        std::atexit([] { std::filesystem::remove_all(toRemove); });
        return folder + "/" + name;
    }();
    return file;
}

inline void WriteInput(const std::string& file, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Check(static_cast<bool>(out));
}

} // namespace kv::fuzz
