#pragma once
// Windows only: file names as the Win32 API takes them, and Win32 failures as
// the EInOutError that the parameter-file operations throw everywhere.

#include "storage/paramsfile/ParamsErrors.h"

#include <filesystem>
#include <string>

namespace kv::win32 {

// A file name given as UTF-8 (as the program and the command-line tool hold
// every name), for the wide-character API.
std::wstring WideName(const std::string& utf8);
std::filesystem::path PathOf(const std::string& utf8);

// The failure with the system's own description of the Win32 error code and
// the nearest errno value as Code().
EInOutError InOutError(const std::string& fileName, unsigned long win32Code);

// The failure of the last Win32 call, as std::system_error of the system category.
[[noreturn]] void ThrowLastError();

} // namespace kv::win32
