// The C entry points of the hand-printing library. Each forwards to the
// library's state and turns any exception into a result code: nothing C++
// crosses the boundary.

#include "LibraryState.h"
#include "output/printlib/ZuzirorApi.h"

#include <algorithm>
#include <cstring>

using kv::printlib::State;

namespace {

template <typename F> int Guarded(F&& call) noexcept {
    try {
        return call();
    } catch (...) {
        return KV_ZUZIROR_INTERNAL;
    }
}

std::string Text(const char* text) {
    return text == nullptr ? std::string() : std::string(text);
}

} // namespace

extern "C" {

int AddDeal(const char* dealText) {
    return Guarded([&] { return State().AddDeal(dealText); });
}

int PrintMulti(int layout, int selector, const char* title, const char* subtitle,
               const char* banner, char tenCharacter, bool colour, bool flagA, bool flagB) {
    return Guarded([&] {
        const kv::printlib::TPrintRequest request{layout,         selector,     Text(title),
                                                  Text(subtitle), Text(banner), tenCharacter,
                                                  colour,         flagA,        flagB};
        return State().PrintMulti(request);
    });
}

int AddBoard(const char* dealText, int board, int dealer, int vulnerability) {
    return Guarded([&] { return State().AddBoard(dealText, board, dealer, vulnerability); });
}

int AnalyseDeals(KvProgressFn progress, void* context) {
    return Guarded([&] {
        kv::printlib::TAnalysisProgress told;
        if (progress != nullptr)
            told = [progress, context](int done, int total) {
                return progress(done, total, context) == 0;
            };
        return State().AnalyseDeals(told);
    });
}

int ClearDeals(void) {
    return Guarded([] { return State().ClearDeals(); });
}

int SetOutput(const char* printerName, const char* pdfFile, int pageWidth, int pageHeight,
              bool landscape) {
    return Guarded([&] {
        State().SetOutput({Text(printerName), Text(pdfFile), pageWidth, pageHeight, landscape});
        return static_cast<int>(KV_ZUZIROR_OK);
    });
}

int SetDoubleDummy(int on) {
    return Guarded([&] {
        State().SetDoubleDummy(on != 0);
        return static_cast<int>(KV_ZUZIROR_OK);
    });
}

int LastOutputFile(char* buffer, int size) {
    return Guarded([&] {
        const std::string& file = State().LastOutputFile();
        if (buffer != nullptr && size > 0) {
            const std::size_t n = std::min(file.size(), static_cast<std::size_t>(size - 1));
            std::memcpy(buffer, file.data(), n);
            buffer[n] = '\0';
        }
        return static_cast<int>(file.size());
    });
}

} // extern "C"
