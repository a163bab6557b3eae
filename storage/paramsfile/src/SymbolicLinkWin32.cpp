// SymbolicLinkTarget (NativeFile.h) on Windows: the reparse data of the link,
// read without following it. The standard library of MinGW-w64 does not read
// Windows links.
#include "storage/paramsfile/NativeFile.h"

#include "SymbolicLinkData.h"
#include "Win32Files.h"

#include <windows.h>

#include <winioctl.h>

#include <vector>

namespace kv::detail {

std::optional<std::filesystem::path> SymbolicLinkTarget(const std::filesystem::path& path) {
    constexpr DWORD kFlags = FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS;
    const HANDLE h = ::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, win32::kShareAll, nullptr,
                                   OPEN_EXISTING, kFlags, nullptr);
    const TNativeFile link(win32::ValueOf(h));
    if (!link || !win32::IsLink(h)) return std::nullopt;
    std::vector<std::uint8_t> data(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
    DWORD size = 0;
    if (!::DeviceIoControl(h, FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                           static_cast<DWORD>(data.size()), &size, nullptr))
        return std::nullopt;
    const std::optional<std::u16string> name = SymbolicLinkName(std::span(data).first(size));
    if (!name) return std::nullopt;
    return std::filesystem::path(std::wstring(name->begin(), name->end()));
}

} // namespace kv::detail
