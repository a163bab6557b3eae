// A stand-in for the hand-printing library that prints nothing and records
// every call, one line per call, for tests to read back through its own
// entry points. Built a second time without ClearDeals (KV_RECORD_NO_CLEARDEALS)
// to stand for a library that lacks an entry point, and a third time without
// the optional SetDoubleDummy (KV_RECORD_NO_DOUBLEDUMMY).

#include "ZuzirorApi.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

struct TRecord {
    std::string Calls;
    int PrintResult = 0;
};

TRecord& Record() {
    static TRecord record;
    return record;
}

std::string Text(const char* text) {
    return text == nullptr ? "(null)" : text;
}
std::string Flag(bool flag) {
    return flag ? "1" : "0";
}

void Add(const std::string& line) {
    Record().Calls += line + "\n";
}

} // namespace

extern "C" {

KV_ZUZIROR_API int AddDeal(const char* dealText) {
    Add("AddDeal " + Text(dealText));
    return 0;
}

KV_ZUZIROR_API int PrintMulti(int layout, int selector, const char* title, const char* subtitle,
                              const char* banner, char tenCharacter, bool colour, bool flagA,
                              bool flagB) {
    Add("PrintMulti " + std::to_string(layout) + "|" + std::to_string(selector) + "|" +
        Text(title) + "|" + Text(subtitle) + "|" + Text(banner) + "|" +
        std::string(1, tenCharacter) + "|" + Flag(colour) + "|" + Flag(flagA) + "|" + Flag(flagB));
    return Record().PrintResult;
}

#ifndef KV_RECORD_NO_CLEARDEALS
KV_ZUZIROR_API int ClearDeals(void) {
    Add("ClearDeals");
    return 0;
}
#endif

KV_ZUZIROR_API int SetOutput(const char* printerName, const char* pdfFile, int pageWidth,
                             int pageHeight, bool landscape) {
    Add("SetOutput " + Text(printerName) + "|" + Text(pdfFile) + "|" + std::to_string(pageWidth) +
        "|" + std::to_string(pageHeight) + "|" + Flag(landscape));
    return 0;
}

#ifndef KV_RECORD_NO_DOUBLEDUMMY
KV_ZUZIROR_API int SetDoubleDummy(int on) {
    Add("SetDoubleDummy " + std::to_string(on));
    return 0;
}
#endif

// Test hooks: the calls so far (and their number of bytes), forgetting them.
KV_ZUZIROR_API int TakeRecordedCalls(char* buffer, int size) {
    const std::string calls = Record().Calls;
    if (buffer != nullptr && size > 0) {
        const std::size_t n = std::min(calls.size(), static_cast<std::size_t>(size - 1));
        std::memcpy(buffer, calls.data(), n);
        buffer[n] = '\0';
    }
    Record().Calls.clear();
    return static_cast<int>(calls.size());
}

// Test hook: what PrintMulti returns from now on.
KV_ZUZIROR_API void SetPrintResult(int result) {
    Record().PrintResult = result;
}

} // extern "C"
