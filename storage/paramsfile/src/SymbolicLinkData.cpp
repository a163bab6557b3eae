#include "SymbolicLinkData.h"

#include <string_view>

namespace kv::detail {
namespace {

// The fields of the header, as byte offsets in the reparse data. Each name is
// given by its offset from the start of the names and its length in bytes.
constexpr std::size_t kTagAt = 0;
constexpr std::size_t kSubstituteNameAt = 8;
constexpr std::size_t kPrintNameAt = 12;
constexpr std::size_t kNamesAt = 20;

constexpr std::u16string_view kNtPrefix = u"\\??\\";
constexpr std::u16string_view kNtUncPrefix = u"\\??\\UNC\\";

std::uint32_t Little(std::span<const std::uint8_t> data, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = (value << 8) | data[at + i];
    return value;
}

// The name whose offset and length are the header fields at fieldAt: UTF-16
// code units; nothing when it does not lie whole inside the data.
std::optional<std::u16string> Name(std::span<const std::uint8_t> data, std::size_t fieldAt) {
    const auto names = data.subspan(kNamesAt);
    const std::size_t offset = Little(data, fieldAt, 2);
    const std::size_t length = Little(data, fieldAt + 2, 2);
    if (length % 2 != 0 || offset + length > names.size()) return std::nullopt;
    std::u16string name;
    for (std::size_t at = offset; at < offset + length; at += 2)
        name += static_cast<char16_t>(Little(names, at, 2));
    return name;
}

// A substitute name in the system's form (\??\C:\dir, \??\UNC\server\share)
// as a Win32 path.
std::u16string Win32Form(std::u16string name) {
    if (name.starts_with(kNtUncPrefix)) return u"\\\\" + name.substr(kNtUncPrefix.size());
    if (name.starts_with(kNtPrefix)) return name.substr(kNtPrefix.size());
    return name;
}

} // namespace

std::optional<std::u16string> SymbolicLinkName(std::span<const std::uint8_t> data) {
    if (data.size() < kNamesAt || Little(data, kTagAt, 4) != kSymbolicLinkTag) return std::nullopt;
    auto print = Name(data, kPrintNameAt);
    const auto substitute = Name(data, kSubstituteNameAt);
    if (!print || !substitute) return std::nullopt;
    if (!print->empty()) return print;
    if (substitute->empty()) return std::nullopt;
    return Win32Form(*substitute);
}

} // namespace kv::detail
