#include "SummaryJson.h"

#include "Json.h"
#include "SummaryMerge.h"
#include "analysis/RequestText.h"
#include "engine/SeedText.h"
#include "storage/paramsfile/TypeText.h"

namespace kv::analysis {
namespace {

constexpr const char* kFormat = "kestrovanhalme-analysis";
constexpr int kVersion = 1;

template <typename Counts> std::string NumberList(const Counts& counts) {
    std::string text = "[";
    for (const auto& n : counts)
        text += (text.size() > 1 ? ", " : "") + std::to_string(n);
    return text + "]";
}

std::string StringList(const std::vector<std::string>& items) {
    std::string text = "[";
    for (const std::string& item : items)
        text += (text.size() > 1 ? ", " : "") + JsonString(item);
    return text + "]";
}

std::string ContractCode(const TContract& c) {
    return std::to_string(c.Level) + StrainName(c.Strain) + ":" + DeclarerName(c.Declarer);
}

std::string CompareJson(const std::optional<TCompareSpec>& compare) {
    if (!compare) return "null";
    return "{\"a\": " + JsonString(ContractCode(compare->A)) +
           ", \"b\": " + JsonString(ContractCode(compare->B)) +
           ", \"vulnerable\": " + (compare->Vulnerable ? "true" : "false") + "}";
}

std::vector<std::string> Names(const std::vector<TDeclarer>& declarers) {
    std::vector<std::string> names;
    names.reserve(declarers.size());
    for (TDeclarer d : declarers)
        names.push_back(DeclarerName(d));
    return names;
}

std::vector<std::string> Names(const std::vector<int>& strains) {
    std::vector<std::string> names;
    names.reserve(strains.size());
    for (int s : strains)
        names.push_back(StrainName(s));
    return names;
}

std::string TricksJson(const std::vector<TTrickCounts>& tricks) {
    std::string text = "[";
    for (const TTrickCounts& t : tricks) {
        std::array<std::int64_t, 7> makes{};
        for (int level = 1; level <= 7; ++level)
            makes[static_cast<std::size_t>(level - 1)] = t.Makes(level);
        text += std::string(text.size() > 1 ? "," : "") +
                "\n    {\"strain\": " + JsonString(StrainName(t.Strain)) +
                ", \"declarer\": " + JsonString(DeclarerName(t.Declarer)) +
                ", \"deals\": " + NumberList(t.Deals) + ", \"makes\": " + NumberList(makes) + "}";
    }
    return text + (tricks.empty() ? "]" : "\n  ]");
}

std::vector<std::string> TypeTexts(const TTypeList& types) {
    std::vector<std::string> texts;
    texts.reserve(types.size());
    for (const THandParam& t : types)
        texts.push_back(TypeToText(t));
    return texts;
}

} // namespace

std::string SummaryToJson(const TSummary& s) {
    const TCompareTally& c = s.Compare;
    std::string j = "{\n";
    j += "  \"format\": " + JsonString(kFormat) + ",\n";
    j += "  \"version\": " + std::to_string(kVersion) + ",\n";
    j += "  \"seed\": " + JsonString(SeedToText(s.Key.Seed)) + ",\n";
    j += "  \"count\": " + std::to_string(s.Key.Count) + ",\n";
    j += "  \"types\": " + StringList(TypeTexts(s.Key.Types)) + ",\n";
    j += std::string("  \"analysis\": ") +
         (s.Key.Kind == TAnalysisKind::Tricks ? "\"tricks\"" : "\"shape\"") + ",\n";
    j += "  \"declarers\": " + StringList(Names(s.Key.Declarers)) + ",\n";
    j += "  \"strains\": " + StringList(Names(s.Key.Strains)) + ",\n";
    j += "  \"compare\": " + CompareJson(s.Key.Compare) + ",\n";
    j += "  \"shards\": {\"of\": " + std::to_string(s.Key.ShardCount) +
         ", \"counted\": " + NumberList(s.Shards) + "},\n";
    j += "  \"deals\": " + std::to_string(s.Deals) + ",\n";
    j += std::string("  \"partial\": ") + (s.Partial() ? "true" : "false") + ",\n";
    j += "  \"typeDeals\": " + NumberList(s.TypeDeals) + ",\n";
    j += "  \"pointsNS\": " + NumberList(s.NSPoints) + ",\n";
    j += "  \"pointsNorth\": " + NumberList(s.NorthPoints) + ",\n";
    j += "  \"pointsSouth\": " + NumberList(s.SouthPoints) + ",\n";
    j += "  \"longestFit\": " + NumberList(s.LongestFit) + ",\n";
    j += "  \"tricks\": " + TricksJson(s.Tricks) + ",\n";
    j += "  \"compareDeals\": {\"aBetter\": " + std::to_string(c.ABetter) +
         ", \"bBetter\": " + std::to_string(c.BBetter) + ", \"equal\": " + std::to_string(c.Equal) +
         ", \"impsForA\": " + std::to_string(c.ImpsForA) + "}\n";
    return j + "}\n";
}

} // namespace kv::analysis
