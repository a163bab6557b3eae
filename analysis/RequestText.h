#pragma once
// Reading the parts of a request that users type: declarer and denomination
// lists, a shard and a contract. Each reader returns the value or, for any
// text it refuses, the message that says why.

#include "analysis/AnalysisRequest.h"

#include <string>
#include <variant>
#include <vector>

namespace kv::analysis {

template <typename T> struct TParsed {
    T Value{};
    std::string Error; // empty when the text was read
};

// "N,S,NS" (any order, any case); empty, unknown or repeated items are refused.
TParsed<std::vector<TDeclarer>> ParseDeclarers(const std::string& text);
// "NT,S,H" (N for notrump too; any order, any case).
TParsed<std::vector<int>> ParseStrains(const std::string& text);
// "K/N", 1 <= K <= N <= 1000000.
TParsed<TShard> ParseShard(const std::string& text);
// "4S:S", "3NT:N", "6H:NS": level, denomination, declarer.
TParsed<TContract> ParseContract(const std::string& text);

} // namespace kv::analysis
