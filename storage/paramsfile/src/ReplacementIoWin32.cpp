// ReplacementIo.h on Windows. The temporary file is written through a handle
// that shares reading only, so that no other program can remove it while it
// is written, and is swapped in with ReplaceFileW, which keeps the replaced
// file's attributes and access rights (MoveFileExW for a file that does not
// exist yet).
#include "ReplacementIo.h"

#include "Win32Errors.h"
#include "Win32Files.h"

#include <windows.h>

#include <bcrypt.h>

#include <algorithm>
#include <array>
#include <string>

namespace kv::detail {
namespace {

constexpr int kMakeTries = 100;
constexpr std::size_t kUniqueLength = 6;
constexpr std::wstring_view kLetters =
    L"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// prefix (ASCII) and six random letters or digits, as mkstemp makes them.
std::wstring UniqueName(std::string_view prefix) {
    std::array<unsigned char, kUniqueLength> random{};
    const NTSTATUS status =
        ::BCryptGenRandom(nullptr, random.data(), random.size(), BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    if (status != 0) throw std::system_error(ERROR_GEN_FAILURE, std::system_category());
    std::wstring name(prefix.begin(), prefix.end());
    for (const unsigned char r : random)
        name.push_back(kLetters[r % kLetters.size()]);
    return name;
}

HANDLE CreateNew(const std::filesystem::path& path) {
    return ::CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool Exists(const std::filesystem::path& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

TNativeFile MakeUniqueFile(const std::filesystem::path& folder, std::string_view prefix,
                           std::filesystem::path& path) {
    for (int attempt = 0; attempt < kMakeTries; ++attempt) {
        const std::filesystem::path name = folder / UniqueName(prefix);
        const HANDLE h = CreateNew(name);
        if (h != INVALID_HANDLE_VALUE) {
            path = name;
            return TNativeFile(win32::ValueOf(h));
        }
        if (::GetLastError() != ERROR_FILE_EXISTS) win32::ThrowLastError();
    }
    throw std::system_error(ERROR_FILE_EXISTS, std::system_category());
}

void TakeAccessOf(const TNativeFile&, const std::filesystem::path&) {}

void WriteAll(const TNativeFile& file, std::span<const std::uint8_t> bytes) {
    const HANDLE h = win32::HandleOf(file.Value());
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(h, bytes.data(), chunk, &written, nullptr)) win32::ThrowLastError();
        if (written == 0) throw std::system_error(ERROR_WRITE_FAULT, std::system_category());
        bytes = bytes.subspan(written);
    }
}

void FlushToDisk(const TNativeFile& file) {
    if (!::FlushFileBuffers(win32::HandleOf(file.Value()))) win32::ThrowLastError();
}

void PutInPlace(const std::filesystem::path& temp, const std::filesystem::path& replaced,
                TNativeFile& lock) {
    constexpr DWORD kMove = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    lock.Close();
    if (!Exists(replaced)) {
        if (!::MoveFileExW(temp.c_str(), replaced.c_str(), kMove)) win32::ThrowLastError();
        return;
    }
    if (::ReplaceFileW(replaced.c_str(), temp.c_str(), nullptr,
                       REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                       nullptr))
        return;
    const DWORD replaceError = ::GetLastError();
    // Some file systems cannot replace (ERROR_UNABLE_TO_REMOVE_REPLACED and
    // the like leave both files as they were): a plain replacing move then.
    if (!::MoveFileExW(temp.c_str(), replaced.c_str(), kMove))
        throw std::system_error(static_cast<int>(replaceError), std::system_category());
}

} // namespace kv::detail
