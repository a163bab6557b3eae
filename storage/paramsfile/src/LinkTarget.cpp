#include "LinkTarget.h"

#include "storage/paramsfile/NativeFile.h"

#include <system_error>

namespace kv::detail {
namespace {

constexpr int kMaxLinks = 40;

} // namespace

std::filesystem::path LinkTarget(const std::filesystem::path& path) {
    std::filesystem::path at = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        const std::optional<std::filesystem::path> target = SymbolicLinkTarget(at);
        if (!target) return at;
        at = target->is_absolute() ? *target : at.parent_path() / *target;
    }
    throw std::system_error(TooManyLinksError());
}

std::filesystem::path TargetFolder(const std::filesystem::path& path) {
    return LinkTarget(path).parent_path();
}

} // namespace kv::detail
