#pragma once
// The hand types that the speed figures are reported for.

#include "params/HandParam.h"

#include <string>
#include <utility>
#include <vector>

namespace kv::bench {

inline std::vector<std::pair<std::string, THandParam>> BenchTypes() {
    std::vector<std::pair<std::string, THandParam>> out;
    THandParam t;
    out.emplace_back("Unconstrained", t);

    t = THandParam{};
    t.SHCPMin = 20, t.SHCPMax = 21;
    for (TRange r : kSuitRanges)
        t.Min(TSide::South, r) = 2, t.Max(TSide::South, r) = 5;
    out.emplace_back("South20to21Balanced", t);

    t = THandParam{};
    t.SHCPMin = 11, t.SHCPMax = 15, t.SSpadeMin = 5;
    t.NHCPMin = 10, t.NHCPMax = 12, t.NSpadeMin = 4;
    out.emplace_back("SpadeFitInvitational", t);

    t = THandParam{};
    t.SHCPMin = 20, t.SHCPMax = 22, t.NHCPMin = 12, t.NHCPMax = 15;
    out.emplace_back("South20to22North12to15", t);

    t = THandParam{};
    t.SSpadeMin = 8, t.SHCPMin = 10, t.NHeartMin = 7;
    out.emplace_back("South8SpadesNorth7Hearts", t);

    t = THandParam{};
    t.SHCPMin = 22, t.SSpadeMin = 7;
    out.emplace_back("South22PlusSevenSpades", t);
    return out;
}

} // namespace kv::bench
