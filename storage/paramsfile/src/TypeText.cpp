#include "storage/paramsfile/TypeText.h"

#include "storage/paramsfile/Cp1252.h"
#include "storage/paramsfile/ParamsErrors.h"

#include <cstdint>

namespace kv {
namespace {

constexpr int kHCPOffset = 10;
constexpr int kRequestOffset = 11;
constexpr char kHexDigits[] = "0123456789ABCDEF";

constexpr const char* kRangeNames[] = {"HCP", "Spade", "Heart", "Diamond", "Club"};

std::string FieldName(TSide side, TRange range, const char* bound) {
    return std::string(side == TSide::South ? "S" : "N") +
           kRangeNames[static_cast<std::size_t>(range)] + bound;
}

// --- Encoding ---------------------------------------------------------------

struct TField {
    TSide Side;
    TRange Range;
    const char* Bound;
};

[[noreturn]] void CannotStore(const TField& f, int value) {
    throw EConvertError(FieldName(f.Side, f.Range, f.Bound) + " holds " + std::to_string(value) +
                        ", which a type text cannot store");
}

void PutDecimal(std::string& out, int stored, int value, const TField& field) {
    if (stored < 0 || stored > 99) CannotStore(field, value);
    out += static_cast<char>('0' + stored / 10);
    out += static_cast<char>('0' + stored % 10);
}

void PutHexDigit(std::string& out, std::uint8_t value, const TField& field) {
    if (value > 15) CannotStore(field, value);
    out += kHexDigits[value];
}

// HCP bounds are stored as the byte value + 10 in byte arithmetic, so that a
// bound read from a field below "10" (a byte of 246..255) is written back as it came.
void PutHCP(std::string& out, std::uint8_t value, const TField& field) {
    PutDecimal(out, static_cast<std::uint8_t>(value + kHCPOffset), value, field);
}

void PutRequest(std::string& out, std::int8_t value, const TField& field) {
    PutDecimal(out, value + kRequestOffset, value, field);
}

void PutBlock(std::string& out, const THandParam& t, TSide side) {
    PutHCP(out, t.Min(side, TRange::HCP), {side, TRange::HCP, "Min"});
    PutHCP(out, t.Max(side, TRange::HCP), {side, TRange::HCP, "Max"});
    for (const TRange r : kSuitRanges) {
        PutHexDigit(out, t.Min(side, r), {side, r, "Min"});
        PutHexDigit(out, t.Max(side, r), {side, r, "Max"});
    }
    for (const TRange r : kAllRanges) {
        PutRequest(out, t.MinReq(side, r), {side, r, "MinReq"});
        PutRequest(out, t.MaxReq(side, r), {side, r, "MaxReq"});
    }
}

// --- Decoding ---------------------------------------------------------------

class TFieldReader {
  public:
    explicit TFieldReader(std::string_view text) : text_(text) {}

    int Decimal2() {
        const std::string_view field = Take(2);
        for (const char c : field)
            if (c < '0' || c > '9') Refuse(field, "integer");
        return (field[0] - '0') * 10 + (field[1] - '0');
    }

    std::uint32_t Hex(std::size_t width) {
        const std::string_view field = Take(width);
        std::uint32_t value = 0;
        for (const char c : field) {
            const int digit = HexValue(c);
            if (digit < 0) Refuse(field, "hexadecimal");
            value = value * 16 + static_cast<std::uint32_t>(digit);
        }
        return value;
    }

  private:
    static int HexValue(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    }

    [[noreturn]] static void Refuse(std::string_view field, const char* kind) {
        throw EConvertError("'" + Cp1252ToUtf8(field) + "' is not a valid " + kind + " value");
    }

    std::string_view Take(std::size_t width) {
        const std::string_view field = text_.substr(pos_, width);
        pos_ += width;
        return field;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

void ReadBlock(TFieldReader& in, THandParam& t, TSide side) {
    t.Min(side, TRange::HCP) = static_cast<std::uint8_t>(in.Decimal2() - kHCPOffset);
    t.Max(side, TRange::HCP) = static_cast<std::uint8_t>(in.Decimal2() - kHCPOffset);
    for (const TRange r : kSuitRanges) {
        t.Min(side, r) = static_cast<std::uint8_t>(in.Hex(1));
        t.Max(side, r) = static_cast<std::uint8_t>(in.Hex(1));
    }
    for (const TRange r : kAllRanges) {
        t.MinReq(side, r) = static_cast<std::int8_t>(in.Decimal2() - kRequestOffset);
        t.MaxReq(side, r) = static_cast<std::int8_t>(in.Decimal2() - kRequestOffset);
    }
}

bool BoundsInOrder(const THandParam& t) {
    for (const TSide side : kSidesInRecordOrder)
        for (const TRange r : kAllRanges)
            if (t.Min(side, r) > t.Max(side, r)) return false;
    return true;
}

} // namespace

std::string TypeToText(const THandParam& type) {
    std::string text;
    text.reserve(kTypeTextLength);
    PutBlock(text, type, TSide::South);
    PutBlock(text, type, TSide::North);
    const auto frequency = static_cast<std::uint32_t>(type.Frequency);
    for (int shift = 28; shift >= 0; shift -= 4)
        text += kHexDigits[(frequency >> shift) & 0xF];
    return text;
}

bool TypeFromText(THandParam& type, std::string_view text) {
    if (text.size() != kTypeTextLength) return false;
    THandParam parsed = type;
    TFieldReader in(text);
    ReadBlock(in, parsed, TSide::South);
    ReadBlock(in, parsed, TSide::North);
    parsed.Frequency = static_cast<std::int32_t>(in.Hex(8));
    if (!BoundsInOrder(parsed)) return false;
    type = parsed;
    return true;
}

} // namespace kv
