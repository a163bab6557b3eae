#pragma once
// The summary of an analysis: counts only, so that summaries of shards add up
// to exactly the summary of one run. Means and shares are computed from the
// counts when they are shown.

#include "analysis/AnalysisRequest.h"
#include "analysis/DealResult.h"
#include "analysis/Scoring.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kv::analysis {

// Deals on which one declarer takes 0..13 tricks in one denomination.
struct TTrickCounts {
    int Strain = 0;
    TDeclarer Declarer = TDeclarer::North;
    std::array<std::int64_t, 14> Deals{};

    std::int64_t Total() const;
    double MeanTricks() const; // 0 without deals
    // Deals on which a contract at `level` (1..7) makes: level + 6 tricks or more.
    std::int64_t Makes(int level) const;
    friend bool operator==(const TTrickCounts&, const TTrickCounts&) = default;
};

// What must agree for two summaries to be merged.
struct TSummaryKey {
    std::int32_t Seed = 0;
    std::int64_t Count = 0;
    TTypeList Types;
    TAnalysisKind Kind = TAnalysisKind::ShapeAndPoints;
    std::vector<TDeclarer> Declarers;
    std::vector<int> Strains;
    std::optional<TCompareSpec> Compare;
    int ShardCount = 1; // N of the shards K/N
    // Set for an analysis of given boards: Seed and Types are then not used,
    // and Count is the number of boards to analyse.
    std::optional<TBoardsOrigin> Boards;
    friend bool operator==(const TSummaryKey&, const TSummaryKey&) = default;
};

struct TSummary {
    TSummaryKey Key;
    std::vector<int> Shards{1};                 // the K of each shard counted, ascending
    std::int64_t Deals = 0;                     // deals analysed
    std::vector<std::int64_t> TypeDeals;        // per type of Key.Types (none for boards)
    std::array<std::int64_t, 41> NSPoints{};    // North-South combined HCP 0..40
    std::array<std::int64_t, 38> NorthPoints{}; // 0..37
    std::array<std::int64_t, 38> SouthPoints{};
    std::array<std::int64_t, 27> LongestFit{}; // longest combined fit 0..26 cards
    std::vector<TTrickCounts> Tricks;          // strain by strain, each declarer in turn
    TCompareTally Compare;
    // A merge that lacks some of the run's shards: the counts are of part of
    // the run only.
    bool ShardsMissing = false;

    // Counts one analysed deal (its tricks must be solved for every entry of Tricks).
    void Add(const TDealResult& deal);
    // Deals the counted shards hold; fewer analysed means the run was stopped.
    std::int64_t Expected() const;
    // Stopped, or merged with shards missing: the summary is not the whole run's.
    bool Partial() const { return Deals < Expected() || ShardsMissing; }
    const TTrickCounts* TricksOf(int strain, TDeclarer declarer) const;
    friend bool operator==(const TSummary&, const TSummary&) = default;
};

// Scores both contracts of `spec` on `deal`, at North-South's vulnerability
// for that deal, and counts the two scores into `tally`.
void CountComparison(TCompareTally& tally, const TCompareSpec& spec, const TDealResult& deal);

// The empty summary of a normalised request that RequestFault accepts.
TSummary EmptySummary(const TAnalysisRequest& request);

} // namespace kv::analysis
