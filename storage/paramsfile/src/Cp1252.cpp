#include "storage/paramsfile/Cp1252.h"

#include "storage/paramsfile/ParamsErrors.h"

#include <array>
#include <cstdio>

namespace kv {
namespace {

// Code points of the bytes 0x80..0x9F; every other byte is its own code point.
// The five bytes Windows-1252 leaves undefined map to the C1 control of that value.
constexpr std::array<char32_t, 32> kHighBlock = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighBlock[byte - 0x80u] : char32_t{byte};
}

// The byte for a code point, or -1 when Windows-1252 has none.
int ByteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHighBlock.size(); ++i)
        if (kHighBlock[i] == cp) return static_cast<int>(0x80 + i);
    return -1;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int ContinuationCount(unsigned char lead) {
    if (lead < 0x80) return 0;
    if (lead >= 0xC2 && lead < 0xE0) return 1;
    if (lead >= 0xE0 && lead < 0xF0) return 2;
    if (lead >= 0xF0 && lead < 0xF5) return 3;
    return -1;
}

// Decodes one strict UTF-8 sequence at pos (no overlong forms, no surrogates,
// nothing above U+10FFFF); returns false for an invalid sequence.
bool NextCodePoint(std::string_view s, std::size_t& pos, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    const int extra = ContinuationCount(lead);
    if (extra < 0 || s.size() - pos <= static_cast<std::size_t>(extra)) return false;
    cp = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
        if ((c & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (c & 0x3F);
    }
    pos += static_cast<std::size_t>(extra) + 1;
    const bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
    return !overlong && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

std::string Unstorable(char32_t cp, std::string_view character) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
    return "The name contains the character '" + std::string(character) + "' (" + code +
           "), which parameter files cannot hold. Please pick another name.";
}

// Converts, or returns the message that explains why not.
std::optional<std::string> Convert(std::string_view utf8, std::string& out) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        char32_t cp = 0;
        if (!NextCodePoint(utf8, pos, cp))
            return std::string("The name is not valid text. Please pick another name.");
        const int byte = ByteOf(cp);
        if (byte < 0) return Unstorable(cp, utf8.substr(start, pos - start));
        out += static_cast<char>(byte);
    }
    return std::nullopt;
}

} // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes)
        AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    if (const auto problem = Convert(utf8, out)) throw ENameError(*problem);
    return out;
}

std::optional<std::string> NameEncodingProblem(std::string_view utf8) {
    std::string out;
    return Convert(utf8, out);
}

} // namespace kv
