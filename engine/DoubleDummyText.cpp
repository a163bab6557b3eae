#include "DoubleDummyText.h"

#include <array>

namespace kv {
namespace {

constexpr std::array<const char*, kStrains> kHeadings{"NT", "\u2660", "\u2665", "\u2666", "\u2663"};
constexpr std::array<const char*, kDeclarers> kLetters{"N", "S", "E", "W"};

// "4S" -> "4♠", "3NT" stays, "5Dx" -> "5♦x".
std::string WithSymbol(const std::string& contract) {
    static constexpr std::string_view kSuitLetters = "SHDC";
    for (std::size_t i = 0; i < contract.size(); ++i) {
        const std::size_t suit = kSuitLetters.find(contract[i]);
        if (suit == std::string_view::npos || i == 0 || contract[i - 1] < '1' ||
            contract[i - 1] > '7')
            continue;
        return contract.substr(0, i) + kHeadings[suit + 1] + contract.substr(i + 1);
    }
    return contract;
}

} // namespace

const char* StrainHeading(int strain) {
    return kHeadings.at(static_cast<std::size_t>(strain));
}

const char* DeclarerLetter(int declarer) {
    return kLetters.at(static_cast<std::size_t>(declarer));
}

std::string MakeableText(int tricks) {
    return tricks >= 7 ? std::to_string(tricks - 6) : std::string("\u2013");
}

std::string ParContractText(const TParResult& par) {
    if (par.Contracts.empty()) return "Passed out";
    std::string text;
    std::size_t start = 0;
    while (start <= par.Contracts.size()) {
        const std::size_t end = par.Contracts.find(';', start);
        const std::string one = par.Contracts.substr(start, end - start);
        text += (text.empty() ? "" : ", ") + WithSymbol(one);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return text;
}

std::string ParScoreText(const TParResult& par) {
    if (par.ScoreNS == 0) return "0";
    return par.ScoreNS > 0 ? "NS +" + std::to_string(par.ScoreNS)
                           : "EW +" + std::to_string(-par.ScoreNS);
}

} // namespace kv
