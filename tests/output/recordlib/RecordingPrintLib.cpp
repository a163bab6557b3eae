// A stand-in for the hand-printing library that prints nothing and records
// every call, one line per call, for tests to read back through its own
// entry points. Built a second time without ClearDeals (KV_RECORD_NO_CLEARDEALS)
// to stand for a library that lacks an entry point, and a third time without
// the optional SetDoubleDummy, AddBoard and AnalyseDeals
// (KV_RECORD_NO_DOUBLEDUMMY), as an older library.

#include "output/printlib/ZuzirorApi.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

namespace {

struct TRecord {
    std::string Calls;
    int PrintResult = 0;
    int Held = 0; // deals added since the last ClearDeals
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
    ++Record().Held;
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
    Record().Held = 0;
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

KV_ZUZIROR_API int AddBoard(const char* dealText, int board, int dealer, int vulnerability) {
    Add("AddBoard " + Text(dealText) + "|" + std::to_string(board) + "|" + std::to_string(dealer) +
        "|" + std::to_string(vulnerability));
    ++Record().Held;
    return 0;
}

// Tells the host each count of deals from 0 to all held, pausing a moment
// between, and records where the host stopped it, if it did.
KV_ZUZIROR_API int AnalyseDeals(KvProgressFn progress, void* context) {
    const int total = Record().Held;
    for (int done = 0; done <= total; ++done) {
        if (progress != nullptr && progress(done, total, context) != 0) {
            Add("AnalyseDeals stopped at " + std::to_string(done) + " of " + std::to_string(total));
            return KV_ZUZIROR_CANCELLED;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    Add("AnalyseDeals " + std::to_string(total));
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
