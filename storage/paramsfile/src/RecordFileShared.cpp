// The parts of RecordFile.h that need no system call of their own, shared by
// the POSIX and the Windows file access.
#include "storage/paramsfile/RecordFile.h"

#include "storage/paramsfile/ParamsErrors.h"

namespace kv::detail {

std::vector<std::uint8_t> TOpenFile::ReadAll() const {
    std::vector<std::uint8_t> bytes(Size());
    ReadAt(0, bytes);
    return bytes;
}

void ThrowReadBeyondEnd(const std::string& fileName) {
    throw EInOutError(fileName, 0, "Read beyond end of file");
}

} // namespace kv::detail
