#pragma once
// Reads back what the recording print library was asked to do, through the
// library's own test entry points.

#include <QLibrary>

#include <sstream>
#include <string>
#include <vector>

namespace kv::test {

class TRecordedCalls {
  public:
    TRecordedCalls() : library_(QStringLiteral(KV_RECORD_LIB)) { Take(); }

    // Every call since the last Take, one line each; forgets them.
    std::vector<std::string> Take() {
        using TakeFn = int (*)(char*, int);
        const auto take = reinterpret_cast<TakeFn>(library_.resolve("TakeRecordedCalls"));
        if (take == nullptr) return {"(recording library not loaded)"};
        std::string buffer(1 << 20, '\0');
        const int length = take(buffer.data(), static_cast<int>(buffer.size()));
        buffer.resize(static_cast<std::size_t>(length));
        std::vector<std::string> lines;
        std::istringstream in(buffer);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    void SetPrintResult(int result) {
        using SetFn = void (*)(int);
        const auto set = reinterpret_cast<SetFn>(library_.resolve("SetPrintResult"));
        if (set != nullptr) set(result);
    }

  private:
    QLibrary library_;
};

} // namespace kv::test
