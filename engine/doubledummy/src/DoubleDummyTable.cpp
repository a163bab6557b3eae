// The double-dummy table's text forms, which need no solver.
#include "engine/doubledummy/DoubleDummy.h"

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

namespace {

// "=", "+2" or "-1".
std::string ResultText(int result) {
    if (result == 0) return "=";
    return (result > 0 ? "+" : "") + std::to_string(result);
}

std::string PbnContractText(const TParContract& c) {
    static constexpr const char* kSeats[] = {"N", "E", "S", "W", "NS", "EW"};
    static constexpr const char* kStrainLetters[kStrains] = {"N", "S", "H", "D", "C"};
    return std::string(kSeats[c.Seats]) + " " + std::to_string(c.Level) + kStrainLetters[c.Strain] +
           (c.Doubled ? "X" : "") + ResultText(c.Result);
}

} // namespace

bool DeclaredByEastWest(const TParContract& contract) {
    return contract.Seats == 1 || contract.Seats == 3 || contract.Seats == 5;
}

std::string TParResult::OptimumScore() const {
    const bool eastWest = !Contracts.empty() && DeclaredByEastWest(Contracts.front());
    return (eastWest ? "EW " : "NS ") + std::to_string(eastWest ? -ScoreNS : ScoreNS);
}

std::string TParResult::ParContract() const {
    std::string text;
    for (const TParContract& c : Contracts)
        text += (text.empty() ? "" : "; ") + PbnContractText(c);
    return text;
}

} // namespace kv
