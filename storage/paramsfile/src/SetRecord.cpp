#include "storage/paramsfile/SetRecord.h"

#include "storage/paramsfile/Cp1252.h"
#include "storage/paramsfile/TypeText.h"

#include <algorithm>
#include <stdexcept>

namespace kv {
namespace {

constexpr std::size_t SlotOffset(std::size_t slot) {
    return kFirstSlotOffset + slot * kSlotSize;
}

void CheckSlot(std::size_t slot) {
    if (slot >= kSlotCount) throw std::out_of_range("type slot index " + std::to_string(slot));
}

} // namespace

TSetRecord HeaderRecord() {
    TSetRecord record{};
    record[0] = static_cast<std::uint8_t>(kHeaderText.size());
    std::copy(kHeaderText.begin(), kHeaderText.end(), record.begin() + 1);
    return record;
}

bool IsHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderCheckedBytes || bytes[0] != kHeaderText.size()) return false;
    return std::equal(kHeaderText.begin(), kHeaderText.end(), bytes.begin() + 1,
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

bool InUse(const TSetRecord& record) {
    return record[kInUseOffset] != 0;
}

std::string AsciiUpper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::string RecordName(const TSetRecord& record) {
    const auto* first = reinterpret_cast<const char*>(record.data() + 1);
    return Cp1252ToUtf8(std::string_view(first, record[0]));
}

void SetRecordName(TSetRecord& record, std::string_view name) {
    std::string bytes = Utf8ToCp1252(name);
    if (bytes.size() > kMaxNameLength) bytes.resize(kMaxNameLength);
    record[0] = static_cast<std::uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), record.begin() + 1);
}

std::uint8_t SlotLength(const TSetRecord& record, std::size_t slot) {
    CheckSlot(slot);
    return record[SlotOffset(slot)];
}

std::string SlotText(const TSetRecord& record, std::size_t slot) {
    const std::size_t length = std::min<std::size_t>(SlotLength(record, slot), kTypeTextLength);
    const std::size_t at = SlotOffset(slot);
    return std::string(reinterpret_cast<const char*>(record.data() + at + 1), length);
}

void SetSlotText(TSetRecord& record, std::size_t slot, std::string_view text) {
    CheckSlot(slot);
    if (text.size() > kTypeTextLength) throw std::invalid_argument("type text longer than 72");
    const std::size_t at = SlotOffset(slot);
    record[at] = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), record.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

TSetRecord NewSetRecord(std::string_view name, std::span<const THandParam> types) {
    TSetRecord record{};
    SetRecordName(record, name);
    record[kInUseOffset] = 1;
    const std::size_t count = std::min(types.size(), kSlotCount);
    for (std::size_t i = 0; i < count; ++i)
        SetSlotText(record, i, TypeToText(types[i]));
    return record;
}

std::vector<THandParam> TypesOfSet(const TSetRecord& record) {
    std::vector<THandParam> types;
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
        if (SlotLength(record, slot) == 0) continue;
        THandParam type;
        if (TypeFromText(type, SlotText(record, slot)) && type.Frequency != 0)
            types.push_back(type);
    }
    return types;
}

} // namespace kv
