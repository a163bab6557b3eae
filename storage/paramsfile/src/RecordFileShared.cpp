// The part of RecordFile.h that needs no system call of its own, shared by
// the POSIX and the Windows file access.
#include "storage/paramsfile/RecordFile.h"

#include "storage/paramsfile/ParamsErrors.h"

namespace kv::detail {

void ThrowReadBeyondEnd(const std::string& fileName) {
    throw EInOutError(fileName, 0, "Read beyond end of file");
}

} // namespace kv::detail
