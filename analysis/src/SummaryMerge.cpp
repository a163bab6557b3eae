#include "SummaryMerge.h"

#include "AnalysisMessages.h"
#include "engine/SeedText.h"

#include <algorithm>

namespace kv::analysis {
namespace {

std::string Pair(const std::string& a, const std::string& b) {
    return a + " and " + b + ".";
}

// Why `part` cannot join `first`, or an empty string.
std::string KeyMismatch(const TSummaryKey& first, const TSummaryKey& part) {
    if (part.Seed != first.Seed)
        return msg::kMergeSeed + Pair(SeedToText(first.Seed), SeedToText(part.Seed));
    if (part.Count != first.Count)
        return msg::kMergeCount + Pair(std::to_string(first.Count), std::to_string(part.Count));
    if (part.Types != first.Types) return msg::kMergeTypes;
    if (part.Kind != first.Kind) return msg::kMergeKind;
    if (part.Declarers != first.Declarers)
        return msg::kMergeDeclarers +
               Pair(DeclarerList(first.Declarers), DeclarerList(part.Declarers));
    if (part.Strains != first.Strains)
        return msg::kMergeStrains + Pair(StrainList(first.Strains), StrainList(part.Strains));
    if (part.Compare != first.Compare) return msg::kMergeCompare;
    if (part.ShardCount != first.ShardCount)
        return msg::kMergeShardCount +
               Pair(std::to_string(first.ShardCount), std::to_string(part.ShardCount));
    return {};
}

template <typename A> void AddCounts(A& into, const A& from) {
    for (std::size_t i = 0; i < into.size(); ++i)
        into[i] += from[i];
}

void AddPart(TSummary& into, const TSummary& part) {
    into.Shards.insert(into.Shards.end(), part.Shards.begin(), part.Shards.end());
    into.Deals += part.Deals;
    AddCounts(into.TypeDeals, part.TypeDeals);
    AddCounts(into.NSPoints, part.NSPoints);
    AddCounts(into.NorthPoints, part.NorthPoints);
    AddCounts(into.SouthPoints, part.SouthPoints);
    AddCounts(into.LongestFit, part.LongestFit);
    for (std::size_t i = 0; i < into.Tricks.size(); ++i)
        AddCounts(into.Tricks[i].Deals, part.Tricks[i].Deals);
    into.Compare.Merge(part.Compare);
}

// A shard counted twice, or 0.
int RepeatedShard(std::vector<int> shards) {
    std::sort(shards.begin(), shards.end());
    const auto twice = std::adjacent_find(shards.begin(), shards.end());
    return twice == shards.end() ? 0 : *twice;
}

} // namespace

std::string DeclarerList(const std::vector<TDeclarer>& declarers) {
    std::string text;
    for (TDeclarer d : declarers)
        text += (text.empty() ? "" : ",") + DeclarerName(d);
    return text;
}

std::string StrainList(const std::vector<int>& strains) {
    std::string text;
    for (int s : strains)
        text += (text.empty() ? "" : ",") + StrainName(s);
    return text;
}

TMerged MergeSummaries(const std::vector<TSummary>& parts) {
    if (parts.empty()) return {{}, msg::kNothingToMerge};
    TSummary merged = parts.front();
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::string mismatch = KeyMismatch(merged.Key, parts[i].Key);
        if (!mismatch.empty()) return {{}, mismatch};
        AddPart(merged, parts[i]);
    }
    if (const int twice = RepeatedShard(merged.Shards))
        return {{},
                msg::kMergeShardTwice + std::to_string(twice) + "/" +
                    std::to_string(merged.Key.ShardCount) + "."};
    std::sort(merged.Shards.begin(), merged.Shards.end());
    merged.ShardsMissing = static_cast<int>(merged.Shards.size()) < merged.Key.ShardCount;
    if (!merged.ShardsMissing) {
        merged.Key.ShardCount = 1;
        merged.Shards = {1};
    }
    return {merged, {}};
}

std::string MissingShardsNote(const TSummary& merged) {
    if (!merged.ShardsMissing) return {};
    constexpr std::size_t kNamed = 10;
    std::string named;
    std::size_t missing = 0;
    auto counted = merged.Shards.begin();
    for (int k = 1; k <= merged.Key.ShardCount; ++k) {
        if (counted != merged.Shards.end() && *counted == k) {
            ++counted;
            continue;
        }
        if (++missing <= kNamed) named += (named.empty() ? "" : ", ") + std::to_string(k);
    }
    if (missing > kNamed) named += " and " + std::to_string(missing - kNamed) + " more";
    return (missing == 1 ? "Shard " : "Shards ") + named + " of " +
           std::to_string(merged.Key.ShardCount) + (missing == 1 ? " is" : " are") +
           msg::kShardsMissing;
}

} // namespace kv::analysis
