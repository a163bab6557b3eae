// libFuzzer target: any bytes, taken as a type text and as the contents of a
// parameter file, must be listed, read and decoded without a crash, an
// out-of-bounds access or an exception other than the two the operations
// document; and whatever is accepted must encode back to what was read.

#include "FuzzInput.h"
#include "storage/paramsfile/Cp1252.h"
#include "storage/paramsfile/ParamsFile.h"

#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace kv;

class TQuietWarnings : public IWarningSink {
  public:
    void ShowWarning(const std::string& text) override { last = text; }
    std::string last;
};

using fuzz::Check;

const std::string& InputFile() {
    return fuzz::InputFile("kv-fuzz-XXXXXX", "input.sav");
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// An accepted type text encodes back to itself (hex digits in upper case).
void FuzzTypeText(std::string_view text) {
    try {
        THandParam type;
        if (!TypeFromText(type, text)) return;
        const std::string again = TypeToText(type);
        Check(again == Upper(std::string(text)));
        THandParam back;
        Check(TypeFromText(back, again) && back == type);
    } catch (const EConvertError&) {
    }
}

void FuzzRecord(const std::string& file, std::int32_t recordNumber, TQuietWarnings& warnings) {
    try {
        const TReadResult read = ReadParameterSet(file, recordNumber, warnings);
        const std::string name = RecordName(read.Record);
        const auto* raw = reinterpret_cast<const char*>(read.Record.data() + 1);
        Check(Utf8ToCp1252(name) == std::string(raw, read.Record[0]));
        for (std::size_t slot = 0; slot < kSlotCount; ++slot)
            FuzzTypeText(SlotText(read.Record, slot));
    } catch (const EInOutError&) {
    } catch (const EConvertError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    FuzzTypeText(bytes.substr(0, kTypeTextLength));
    FuzzTypeText(bytes);

    fuzz::WriteInput(InputFile(), data, size);
    const std::string& file = InputFile();
    TQuietWarnings warnings;
    std::vector<TSetEntry> names;
    ListParameterSets(names, file, warnings);
    const auto records = static_cast<std::int32_t>(size / kRecordSize);
    for (const TSetEntry& entry : names) {
        Check(entry.RecordNumber >= 1 && entry.RecordNumber < records);
        FuzzRecord(file, entry.RecordNumber, warnings);
    }
    for (const std::int32_t n : {-1, 0, records - 1, records, records + 1})
        FuzzRecord(file, n, warnings);
    try {
        Check(HoldsParamsHeader(file) == (size >= kRecordSize && IsHeader({data, size})));
    } catch (const EInOutError&) {
        Check(false);
    }
    return 0;
}
