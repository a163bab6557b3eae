#pragma once
// What a Windows symbolic link points to, read from the reparse data that the
// system returns for it (FSCTL_GET_REPARSE_POINT): a REPARSE_DATA_BUFFER with
// the symbolic-link layout, little-endian, read field by field. Pure code, so
// that every platform's tests check it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kv::detail {

// The reparse tag of a symbolic link (IO_REPARSE_TAG_SYMLINK).
inline constexpr std::uint32_t kSymbolicLinkTag = 0xA000000C;

// The link's target as the user gave it: its print name, or when that is
// empty its substitute name without the "\??\" of the system's own names.
// Nothing for another kind of reparse point, or for data that ends before the
// names it describes.
std::optional<std::u16string> SymbolicLinkName(std::span<const std::uint8_t> data);

} // namespace kv::detail
