#include "LinkTarget.h"

#include <cerrno>
#include <system_error>

namespace kv::detail {
namespace {

constexpr int kMaxLinks = 40;

} // namespace

std::filesystem::path LinkTarget(const std::filesystem::path& path) {
    std::filesystem::path at = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(at, ec)) || ec) return at;
        const std::filesystem::path target = std::filesystem::read_symlink(at, ec);
        if (ec) return at;
        at = target.is_absolute() ? target : at.parent_path() / target;
    }
    throw std::system_error(ELOOP, std::generic_category());
}

std::filesystem::path TargetFolder(const std::filesystem::path& path) {
    return LinkTarget(path).parent_path();
}

} // namespace kv::detail
