#include "analysis/AnalysisSummary.h"

#include <numeric>

namespace kv::analysis {

std::int64_t TTrickCounts::Total() const {
    return std::accumulate(Deals.begin(), Deals.end(), std::int64_t{0});
}

double TTrickCounts::MeanTricks() const {
    std::int64_t sum = 0;
    for (std::size_t tricks = 0; tricks < Deals.size(); ++tricks)
        sum += static_cast<std::int64_t>(tricks) * Deals[tricks];
    const std::int64_t total = Total();
    return total == 0 ? 0.0 : static_cast<double>(sum) / static_cast<double>(total);
}

std::int64_t TTrickCounts::Makes(int level) const {
    return std::accumulate(Deals.begin() + level + 6, Deals.end(), std::int64_t{0});
}

void TSummary::Add(const TDealResult& deal) {
    ++Deals;
    if (!TypeDeals.empty()) ++TypeDeals[static_cast<std::size_t>(deal.Type)];
    ++NSPoints[static_cast<std::size_t>(deal.NorthHCP + deal.SouthHCP)];
    ++NorthPoints[static_cast<std::size_t>(deal.NorthHCP)];
    ++SouthPoints[static_cast<std::size_t>(deal.SouthHCP)];
    ++LongestFit[static_cast<std::size_t>(deal.LongestFit)];
    for (TTrickCounts& counts : Tricks)
        ++counts.Deals[static_cast<std::size_t>(deal.TricksBy(counts.Strain, counts.Declarer))];
    if (Key.Compare) CountComparison(Compare, *Key.Compare, deal);
}

void CountComparison(TCompareTally& tally, const TCompareSpec& spec, const TDealResult& deal) {
    const bool vulnerable = spec.EachBoard ? deal.NSVulnerable : spec.Vulnerable;
    const auto score = [&](const TContract& k) {
        return ContractScore(k.Level, k.Strain, deal.TricksBy(k.Strain, k.Declarer), vulnerable);
    };
    tally.Add(score(spec.A), score(spec.B));
}

std::int64_t TSummary::Expected() const {
    std::int64_t expected = 0;
    for (int k : Shards)
        expected += DealsInShard(Key.Count, TShard{k, Key.ShardCount});
    return expected;
}

const TTrickCounts* TSummary::TricksOf(int strain, TDeclarer declarer) const {
    for (const TTrickCounts& counts : Tricks)
        if (counts.Strain == strain && counts.Declarer == declarer) return &counts;
    return nullptr;
}

TSummary EmptySummary(const TAnalysisRequest& request) {
    TSummary summary;
    summary.Key = TSummaryKey{request.Seed,    request.Count,     request.Types,
                              request.Kind,    request.Declarers, request.Strains,
                              request.Compare, request.Shard.N,   std::nullopt};
    if (request.Kind != TAnalysisKind::Tricks)
        summary.Key.Declarers.clear(), summary.Key.Strains.clear();
    summary.Shards = {request.Shard.K};
    summary.TypeDeals.assign(request.Types.size(), 0);
    for (int strain : summary.Key.Strains)
        for (TDeclarer declarer : summary.Key.Declarers)
            summary.Tricks.push_back(TTrickCounts{strain, declarer, {}});
    return summary;
}

} // namespace kv::analysis
