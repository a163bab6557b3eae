#include "analysis/RequestText.h"

#include "AnalysisMessages.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace kv::analysis {
namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'.";
}

std::vector<std::string> Items(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        items.push_back(
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) return items;
        start = comma + 1;
    }
}

std::optional<TDeclarer> DeclarerOf(const std::string& item) {
    const std::string name = Upper(item);
    if (name == "N") return TDeclarer::North;
    if (name == "S") return TDeclarer::South;
    if (name == "NS") return TDeclarer::Better;
    return std::nullopt;
}

std::optional<int> StrainOf(const std::string& item) {
    const std::string name = Upper(item);
    if (name == "N") return 0;
    for (int strain = 0; strain < kStrains; ++strain)
        if (name == StrainName(strain)) return strain;
    return std::nullopt;
}

// Reads a comma-separated list with `of`; `bad` and `twice` start the messages.
template <typename T, typename Of>
TParsed<std::vector<T>> ParseList(const std::string& text, Of of, const char* none, const char* bad,
                                  const char* twice) {
    TParsed<std::vector<T>> parsed;
    if (text.empty()) return {{}, none};
    for (const std::string& item : Items(text)) {
        const std::optional<T> value = of(item);
        if (!value) return {{}, bad + Quoted(item)};
        if (std::find(parsed.Value.begin(), parsed.Value.end(), *value) != parsed.Value.end())
            return {{}, twice + Quoted(item)};
        parsed.Value.push_back(*value);
    }
    std::sort(parsed.Value.begin(), parsed.Value.end());
    return parsed;
}

std::optional<int> Whole(const std::string& text, int lo, int hi) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < lo ||
        value > hi)
        return std::nullopt;
    return value;
}

} // namespace

TParsed<std::vector<TDeclarer>> ParseDeclarers(const std::string& text) {
    return ParseList<TDeclarer>(text, DeclarerOf, msg::kNoDeclarer, msg::kBadDeclarer,
                                msg::kTwiceDeclarer);
}

TParsed<std::vector<int>> ParseStrains(const std::string& text) {
    return ParseList<int>(text, StrainOf, msg::kNoStrain, msg::kBadStrain, msg::kTwiceStrain);
}

TParsed<TShard> ParseShard(const std::string& text) {
    const std::size_t slash = text.find('/');
    const auto n =
        slash == std::string::npos ? std::nullopt : Whole(text.substr(slash + 1), 1, 1000000);
    const auto k = n ? Whole(text.substr(0, slash), 1, *n) : std::nullopt;
    if (!k) return {{}, msg::kBadShard + Quoted(text)};
    return {TShard{*k, *n}, {}};
}

TParsed<TContract> ParseContract(const std::string& text) {
    const std::size_t colon = text.find(':');
    const auto level = text.empty() ? std::nullopt : Whole(text.substr(0, 1), 1, 7);
    const auto strain = colon == std::string::npos || colon < 2
                            ? std::nullopt
                            : StrainOf(text.substr(1, colon - 1));
    const auto declarer =
        colon == std::string::npos ? std::nullopt : DeclarerOf(text.substr(colon + 1));
    if (!level || !strain || !declarer) return {{}, msg::kBadContract + Quoted(text)};
    return {TContract{*level, *strain, *declarer}, {}};
}

} // namespace kv::analysis
