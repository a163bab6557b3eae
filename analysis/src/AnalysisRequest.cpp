#include "analysis/AnalysisRequest.h"

#include "AnalysisMessages.h"

#include <algorithm>

namespace kv::analysis {
namespace {

template <typename T> bool Contains(const std::vector<T>& list, const T& value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

std::string ContractFault(const TAnalysisRequest& request, const TContract& contract) {
    if (contract.Level < 1 || contract.Level > 7) return msg::kCompareUnsolved;
    if (!Contains(request.Strains, contract.Strain) ||
        !Contains(request.Declarers, contract.Declarer))
        return msg::kCompareUnsolved;
    return {};
}

std::string CompareFault(const TAnalysisRequest& request) {
    if (!request.Compare) return {};
    if (request.Kind != TAnalysisKind::Tricks) return msg::kCompareNeedsTricks;
    const std::string a = ContractFault(request, request.Compare->A);
    return a.empty() ? ContractFault(request, request.Compare->B) : a;
}

int SuitMinimum(const THandParam& type, TSide side, int suit) {
    return type.Min(side, kSuitRanges[static_cast<std::size_t>(suit)]);
}

} // namespace

void Normalise(TAnalysisRequest& request) {
    std::sort(request.Declarers.begin(), request.Declarers.end());
    std::sort(request.Strains.begin(), request.Strains.end());
}

std::string RequestFault(const TAnalysisRequest& request) {
    if (request.Count < 1 || request.Count > kMaxAnalysisCount) return msg::kCountRange;
    if (request.Types.empty()) return msg::kNoTypes;
    if (request.Shard.N < 1 || request.Shard.K < 1 || request.Shard.K > request.Shard.N)
        return std::string(msg::kBadShard) + "'" + std::to_string(request.Shard.K) + "/" +
               std::to_string(request.Shard.N) + "'.";
    return MeasureFault(request);
}

std::string MeasureFault(const TAnalysisRequest& request) {
    if (request.Kind == TAnalysisKind::Tricks) {
        if (request.Declarers.empty()) return msg::kNoDeclarer;
        if (request.Strains.empty()) return msg::kNoStrain;
    }
    return CompareFault(request);
}

std::string DeclarerName(TDeclarer declarer) {
    switch (declarer) {
    case TDeclarer::North:
        return "N";
    case TDeclarer::South:
        return "S";
    case TDeclarer::Better:
        break;
    }
    return "NS";
}

std::string StrainName(int strain) {
    static constexpr const char* kNames[kStrains] = {"NT", "S", "H", "D", "C"};
    return kNames[strain];
}

std::string ContractText(const TContract& contract) {
    return std::to_string(contract.Level) + StrainName(contract.Strain) + " by " +
           DeclarerName(contract.Declarer);
}

std::vector<int> ForcedFitSuits(const TTypeList& types) {
    const bool anyDealt = std::any_of(types.begin(), types.end(),
                                      [](const THandParam& t) { return t.Frequency != 0; });
    std::vector<int> suits;
    for (int suit = 0; suit < 4; ++suit) {
        const bool forced =
            !types.empty() && std::all_of(types.begin(), types.end(), [&](const THandParam& t) {
                if (anyDealt && t.Frequency == 0) return true;
                return SuitMinimum(t, TSide::North, suit) + SuitMinimum(t, TSide::South, suit) >= 8;
            });
        if (forced) suits.push_back(suit + 1);
    }
    return suits;
}

} // namespace kv::analysis
