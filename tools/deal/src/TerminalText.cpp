#include "TerminalText.h"

#include <cstdint>
#include <cstdio>

namespace kv::cli {
namespace {

bool Escaped(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x061C ||
           (cp >= 0x200B && cp <= 0x200F) || (cp >= 0x2028 && cp <= 0x202E) ||
           (cp >= 0x2060 && cp <= 0x2069) || cp == 0xFEFF;
}

std::string Hex(const char* format, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The length of the well-formed UTF-8 sequence at text[0] and its code point;
// 0 when the bytes there are not one (overlong, surrogate, cut short, too high).
std::size_t Sequence(std::string_view text, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || length > text.size()) return 0;
    cp = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    const bool invalid = (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF;
    return overlong || invalid ? 0 : length;
}

} // namespace

std::string Printable(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        char32_t cp = 0;
        const std::size_t length = Sequence(utf8, cp);
        if (length == 0)
            out += Hex("\\x%02X", static_cast<unsigned char>(utf8[0]));
        else if (cp == '\\')
            out += "\\\\";
        else if (cp < 0x80 && Escaped(cp))
            out += Hex("\\x%02X", static_cast<unsigned>(cp));
        else if (Escaped(cp))
            out += Hex("\\u%04X", static_cast<unsigned>(cp));
        else
            out.append(utf8.substr(0, length));
        utf8.remove_prefix(length == 0 ? 1 : length);
    }
    return out;
}

} // namespace kv::cli
