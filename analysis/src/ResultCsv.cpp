#include "analysis/ResultCsv.h"

#include "output/dealtext/DealText.h"

namespace kv::analysis {

std::string CsvHeader(const TSummaryKey& key) {
    std::string line = std::string(key.Boards ? "board" : "deal,type") +
                       ",north_hcp,south_hcp,ns_hcp,longest_fit,pbn";
    for (int strain : key.Strains)
        for (TDeclarer declarer : key.Declarers)
            line += "," + StrainName(strain) + "_" + DeclarerName(declarer);
    return line + "\n";
}

std::string CsvLine(const TDealResult& deal, const TSummaryKey& key) {
    const TFullDeal d = DealOf(deal);
    std::string line =
        std::to_string(deal.Number) + "," +
        (key.Boards ? "" : std::to_string(deal.Type + 1) + ",") + std::to_string(deal.NorthHCP) +
        "," + std::to_string(deal.SouthHCP) + "," + std::to_string(deal.NorthHCP + deal.SouthHCP) +
        "," + std::to_string(deal.LongestFit) + "," + "N:" + HandText(d.Hands[0]) + " " +
        HandText(d.Hands[1]) + " " + HandText(d.Hands[2]) + " " + HandText(d.Hands[3]);
    for (int strain : key.Strains)
        for (TDeclarer declarer : key.Declarers)
            line += "," + std::to_string(deal.TricksBy(strain, declarer));
    return line + "\n";
}

} // namespace kv::analysis
