#include "engine/doubledummy/DoubleDummyText.h"

#include <array>

namespace kv {
namespace {

constexpr std::array<const char*, kStrains> kHeadings{"NT", "\u2660", "\u2665", "\u2666", "\u2663"};
constexpr std::array<const char*, kDeclarers> kLetters{"N", "S", "E", "W"};

constexpr std::array<const char*, 6> kSeats{"N", "E", "S", "W", "NS", "EW"};

// "NS 4♠=", "N 3NT+1", "EW 5♦x-1".
std::string ContractText(const TParContract& c) {
    const std::string result = c.Result == 0  ? "="
                               : c.Result > 0 ? "+" + std::to_string(c.Result)
                                              : std::to_string(c.Result);
    return std::string(kSeats.at(static_cast<std::size_t>(c.Seats))) + " " +
           std::to_string(c.Level) + StrainHeading(c.Strain) + (c.Doubled ? "x" : "") + result;
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
    for (const TParContract& c : par.Contracts)
        text += (text.empty() ? "" : "; ") + ContractText(c);
    return text;
}

std::string ParScoreText(const TParResult& par) {
    if (par.Contracts.empty() || par.ScoreNS == 0) return "0";
    const int score = DeclaredByEastWest(par.Contracts.front()) ? -par.ScoreNS : par.ScoreNS;
    return (score > 0 ? "+" : "") + std::to_string(score);
}

std::string ParGainText(const TParResult& par) {
    if (par.Contracts.empty() || par.ScoreNS == 0) return "0";
    return par.ScoreNS > 0 ? "NS +" + std::to_string(par.ScoreNS)
                           : "EW +" + std::to_string(-par.ScoreNS);
}

std::string ParText(const TParResult& par) {
    if (par.Contracts.empty()) return ParContractText(par);
    return ParContractText(par) + ", " + ParGainText(par);
}

} // namespace kv
