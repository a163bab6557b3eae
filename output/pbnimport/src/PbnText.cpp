#include "PbnText.h"

#include <cstdint>
#include <cstdio>

namespace kv::pbn {
namespace {

constexpr std::size_t kQuotedChars = 40;

// The length of the UTF-8 sequence that starts with `lead`, 0 when no
// sequence starts with it; `low` and `high` bound its second byte.
std::size_t SequenceLength(unsigned char lead, unsigned char& low, unsigned char& high) {
    low = 0x80;
    high = 0xBF;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead == 0xE0) low = 0xA0;  // no overlong three-byte forms
    if (lead == 0xED) high = 0x9F; // no surrogates
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead == 0xF0) low = 0x90;  // no overlong four-byte forms
    if (lead == 0xF4) high = 0x8F; // nothing above U+10FFFF
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool IsContinuation(unsigned char byte) {
    return byte >= 0x80 && byte <= 0xBF;
}

// The length of the well-formed UTF-8 character at `at`, 0 when the bytes
// there are not one.
std::size_t ValidLength(std::string_view text, std::size_t at) {
    unsigned char low, high;
    const std::size_t length = SequenceLength(static_cast<unsigned char>(text[at]), low, high);
    if (length == 0 || at + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[at + k]);
        if (!IsContinuation(byte) || (k == 1 && (byte < low || byte > high))) return 0;
    }
    return length;
}

std::string Hex(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", value);
    return text;
}

} // namespace

bool IsUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = ValidLength(bytes, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::string EscapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = ValidLength(text, i);
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = length == 2 ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (length == 0 || (length == 1 && (byte < 0x20 || byte == 0x7F))) {
            out += Hex(byte); // a control character, or a byte of no character
        } else if (byte == 0xC2 && next <= 0x9F) {
            out += Hex(next); // a C1 control, U+0080..U+009F
        } else {
            out.append(text.substr(i, length));
        }
        i += length == 0 ? 1 : length;
    }
    return out;
}

std::string Quoted(std::string_view text) {
    std::size_t end = 0;
    std::size_t chars = 0;
    while (end < text.size() && chars < kQuotedChars) {
        const std::size_t length = ValidLength(text, end);
        end += length == 0 ? 1 : length;
        ++chars;
    }
    const std::string more = end < text.size() ? "..." : "";
    return "\"" + std::string(text.substr(0, end)) + more + "\"";
}

} // namespace kv::pbn
