#include "Win32Files.h"

namespace kv::win32 {
namespace {

// FileDispositionInfoEx, which the MinGW headers declare only for newer
// targets; older systems refuse it and the plain disposition is used instead.
constexpr auto kDispositionInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);

bool AttributeTags(HANDLE h, FILE_ATTRIBUTE_TAG_INFO& info) {
    return ::GetFileInformationByHandleEx(h, FileAttributeTagInfo, &info, sizeof info) != 0;
}

} // namespace

bool IsLink(HANDLE h) {
    FILE_ATTRIBUTE_TAG_INFO info{};
    return AttributeTags(h, info) && (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
           IsReparseTagNameSurrogate(info.ReparseTag);
}

bool IsRegularFile(HANDLE h) {
    FILE_ATTRIBUTE_TAG_INFO info{};
    return AttributeTags(h, info) && (info.FileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           !((info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
             IsReparseTagNameSurrogate(info.ReparseTag));
}

bool SameFile(HANDLE a, HANDLE b) {
    BY_HANDLE_FILE_INFORMATION x{};
    BY_HANDLE_FILE_INFORMATION y{};
    return ::GetFileInformationByHandle(a, &x) && ::GetFileInformationByHandle(b, &y) &&
           x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
           x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}

bool MarkForRemoval(HANDLE h) {
    FILE_DISPOSITION_INFO_EX now{FILE_DISPOSITION_FLAG_DELETE |
                                 FILE_DISPOSITION_FLAG_POSIX_SEMANTICS};
    if (::SetFileInformationByHandle(h, kDispositionInfoEx, &now, sizeof now)) return true;
    FILE_DISPOSITION_INFO atClose{TRUE};
    return ::SetFileInformationByHandle(h, FileDispositionInfo, &atClose, sizeof atClose) != 0;
}

} // namespace kv::win32
