#pragma once
// What the POSIX file access shares: the descriptor of a native file, and a
// failed call's errno as an exception.

#include "storage/paramsfile/NativeFile.h"

#include <cerrno>
#include <system_error>

namespace kv::detail {

inline int Fd(const TNativeFile& file) {
    return static_cast<int>(file.Value());
}

[[noreturn]] inline void ThrowErrno() {
    throw std::system_error(errno, std::generic_category());
}

} // namespace kv::detail
