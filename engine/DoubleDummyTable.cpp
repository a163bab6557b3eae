// The double-dummy table's text forms, which need no solver.
#include "DoubleDummy.h"

#include <cctype>

namespace kv {

std::string TDDTable::TagValue() const {
    std::string value;
    for (int d = 0; d < kDeclarers; ++d)
        for (int strain = 0; strain < kStrains; ++strain)
            value += "0123456789ABCD"[Tricks[static_cast<std::size_t>(strain)]
                                            [static_cast<std::size_t>(d)]];
    return value;
}

bool TableFromTag(const std::string& value, TDDTable& table) {
    if (value.size() != 20) return false;
    TDDTable parsed;
    for (std::size_t i = 0; i < 20; ++i) {
        const auto digit =
            std::string("0123456789ABCD").find(static_cast<char>(std::toupper(value[i])));
        if (digit == std::string::npos) return false;
        parsed.Tricks[i % kStrains][i / kStrains] = static_cast<int>(digit);
    }
    table = parsed;
    return true;
}

std::string TParResult::OptimumScore() const {
    return "NS " + std::to_string(ScoreNS);
}

} // namespace kv
