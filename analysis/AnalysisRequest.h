#pragma once
// What one analysis of many deals is asked to do: which deals (seed, count,
// hand types, shard), what to measure (shape and points only, or double-dummy
// tricks for chosen declarers and denominations) and, optionally, which two
// contracts to compare.

#include "engine/DealEngine.h"
#include "engine/doubledummy/DoubleDummy.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kv::analysis {

enum class TAnalysisKind { ShapeAndPoints, Tricks };

// North, South, or whichever of the two takes more tricks in the denomination.
enum class TDeclarer { North, South, Better };
inline constexpr int kDeclarerChoices = 3;

// Analyse deal numbers K, K + N, K + 2N, ... of the seed's sequence (K from 1
// to N). Every deal is still dealt, so that deal numbers keep their deals.
struct TShard {
    int K = 1;
    int N = 1;
    friend bool operator==(const TShard&, const TShard&) = default;
};

// An undoubled contract by North-South.
struct TContract {
    int Level = 1;  // 1..7
    int Strain = 0; // table order: notrump, spades, hearts, diamonds, clubs
    TDeclarer Declarer = TDeclarer::North;
    friend bool operator==(const TContract&, const TContract&) = default;
};

struct TCompareSpec {
    TContract A;
    TContract B;
    bool Vulnerable = false; // North-South's vulnerability
    // Each deal at its own board's vulnerability instead of Vulnerable.
    bool EachBoard = false;
    friend bool operator==(const TCompareSpec&, const TCompareSpec&) = default;
};

// Where the given boards of an analysis came from, as its results name them.
struct TBoardsOrigin {
    std::optional<std::int32_t> Seed; // boards dealt from this seed, board 1 first
    std::string File;                 // otherwise the name of the file they were read from
    friend bool operator==(const TBoardsOrigin&, const TBoardsOrigin&) = default;
};

struct TAnalysisRequest {
    std::int32_t Seed = 0;
    std::int64_t Count = 500;
    TTypeList Types;
    TAnalysisKind Kind = TAnalysisKind::ShapeAndPoints;
    std::vector<TDeclarer> Declarers; // used for Tricks; kept in the order N, S, better
    std::vector<int> Strains;         // used for Tricks; kept in table order
    TShard Shard;
    std::optional<TCompareSpec> Compare;
};

inline constexpr std::int64_t kMaxAnalysisCount = 100000000;

// True when deal number `number` (from 1) belongs to the shard.
constexpr bool InShard(std::int64_t number, const TShard& shard) {
    return (number - shard.K) % shard.N == 0 && number >= shard.K;
}

// How many of deals 1..count the shard analyses.
constexpr std::int64_t DealsInShard(std::int64_t count, const TShard& shard) {
    return count < shard.K ? 0 : (count - shard.K) / shard.N + 1;
}

// The request's declarers and denominations sorted into their table orders.
void Normalise(TAnalysisRequest& request);

// The first fault of a request, or an empty string when it can run.
std::string RequestFault(const TAnalysisRequest& request);
// The first fault of what a request measures (the declarers, denominations and
// contracts to compare), whichever deals it is given; empty when there is none.
std::string MeasureFault(const TAnalysisRequest& request);

// "N", "S", "NS" and "NT", "S", "H", "D", "C": the names used in texts and files.
std::string DeclarerName(TDeclarer declarer);
std::string StrainName(int strain);
// "4S by S", "3NT by N", "6H by NS".
std::string ContractText(const TContract& contract);

// Suits (table order 1..4) in which every type of non-zero frequency holds at
// least eight cards between North and South by its minimum lengths.
std::vector<int> ForcedFitSuits(const TTypeList& types);

} // namespace kv::analysis
