#include "analysis/SummaryText.h"

#include "engine/SeedText.h"

#include <algorithm>
#include <charconv>
#include <numeric>

namespace kv::analysis {
namespace {

std::string Padded(const std::string& text, std::size_t width, bool right = true) {
    if (text.size() >= width) return text;
    const std::string pad(width - text.size(), ' ');
    return right ? pad + text : text + pad;
}

template <typename Counts> double Mean(const Counts& counts) {
    std::int64_t n = 0, sum = 0;
    for (std::size_t v = 0; v < counts.size(); ++v)
        n += counts[v], sum += static_cast<std::int64_t>(v) * counts[v];
    return n == 0 ? 0.0 : static_cast<double>(sum) / static_cast<double>(n);
}

// A heading, then "value  deals  share" rows for every value that occurs.
template <typename Counts>
std::string Distribution(const std::string& title, const std::string& value, const Counts& counts,
                         std::int64_t deals) {
    std::string text =
        title + ", mean " + Fixed(Mean(counts)) + "\n" + Padded(value, 6) + "     Deals   Share\n";
    for (std::size_t v = 0; v < counts.size(); ++v)
        if (counts[v] != 0)
            text += Padded(std::to_string(v), 6) + Padded(std::to_string(counts[v]), 10) +
                    Padded(Percent(counts[v], deals), 8) + "%\n";
    return text;
}

double Share(std::int64_t part, std::int64_t whole) {
    return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

// "12-37 HCP", "5+ spades", "0-2 hearts", "4 clubs"; empty for the whole range.
std::string RangeText(int min, int max, int top, const char* what) {
    if (min == 0 && max == top) return {};
    const std::string low = std::to_string(min);
    const std::string bounds = min == max   ? low
                               : max == top ? low + "+"
                                            : low + "-" + std::to_string(max);
    return bounds + " " + what;
}

std::string HandDescription(const THandParam& type, TSide side) {
    static constexpr const char* kWhat[] = {"HCP", "spades", "hearts", "diamonds", "clubs"};
    std::string text;
    for (std::size_t i = 0; i < kAllRanges.size(); ++i) {
        const TRange range = kAllRanges[i];
        const std::string part =
            RangeText(type.Min(side, range), type.Max(side, range), RangeTop(range), kWhat[i]);
        if (!part.empty()) text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

} // namespace

bool HasBetterDeclarer(const TSummaryKey& key) {
    return std::find(key.Declarers.begin(), key.Declarers.end(), TDeclarer::Better) !=
           key.Declarers.end();
}

std::string TypeDescription(const THandParam& type) {
    const std::string south = HandDescription(type, TSide::South);
    const std::string north = HandDescription(type, TSide::North);
    if (south.empty() && north.empty()) return "South and North any";
    if (north.empty()) return "South " + south + "; North any";
    if (south.empty()) return "South any; North " + north;
    return "South " + south + "; North " + north;
}

std::string TypesText(const TSummaryKey& key) {
    std::int64_t frequencies = 0;
    for (const THandParam& t : key.Types)
        frequencies += t.Frequency;
    std::string text;
    for (std::size_t i = 0; i < key.Types.size(); ++i)
        text += "Type " + std::to_string(i + 1) + ", " +
                Percent(key.Types[i].Frequency, frequencies) +
                "%: " + TypeDescription(key.Types[i]) + "\n";
    return text;
}

std::string Fixed(double value, int decimals) {
    char text[32];
    const auto [end, ec] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(text, end) : std::string("?");
}

std::string Percent(std::int64_t part, std::int64_t whole) {
    return Fixed(Share(part, whole));
}

// Of a merge with shards missing, the deals of the whole run.
std::string PartialLabel(const TSummary& s) {
    if (!s.Partial()) return {};
    const std::int64_t whole = s.ShardsMissing ? s.Key.Count : s.Expected();
    return "partial: " + std::to_string(s.Deals) + " of " + std::to_string(whole) + " deals";
}

std::string BoardsText(std::int64_t count, const TBoardsOrigin& origin) {
    const std::string boards = std::to_string(count) + (count == 1 ? " board" : " boards");
    if (origin.Seed) return boards + " dealt from seed " + SeedToText(*origin.Seed);
    return origin.File.empty() ? boards : boards + " of " + origin.File;
}

std::string TitleText(const TSummary& s) {
    if (s.Key.Boards) return "Analysis of " + BoardsText(s.Deals, *s.Key.Boards);
    return "Analysis of " + std::to_string(s.Deals) + " deals, seed " + SeedToText(s.Key.Seed);
}

std::string HeadingText(const TSummary& s) {
    std::string text = TitleText(s);
    if (s.Key.ShardCount > 1) {
        std::string shards;
        for (int k : s.Shards)
            shards += (shards.empty() ? "" : ", ") + std::to_string(k);
        text += ", shard " + shards + " of " + std::to_string(s.Key.ShardCount);
    }
    if (s.Partial()) text += " (" + PartialLabel(s) + ")";
    return text + "\n";
}

std::string MakeTableText(const TSummary& s) {
    std::string text =
        "Make table: mean tricks, and the share of deals (%) on which each level makes\n";
    text += "Denomination  Declarer  Mean tricks";
    for (int level = 1; level <= 7; ++level)
        text += Padded(std::to_string(level), 7);
    text += "\n";
    for (const TTrickCounts& t : s.Tricks) {
        text += Padded(StrainName(t.Strain), 14, false) +
                Padded(DeclarerName(t.Declarer), 10, false) + Padded(Fixed(t.MeanTricks(), 2), 11);
        for (int level = 1; level <= 7; ++level)
            text += Padded(Percent(t.Makes(level), t.Total()), 7);
        text += "\n";
    }
    if (HasBetterDeclarer(s.Key)) text += std::string(kBetterDeclarerNote) + "\n";
    return text;
}

std::string CompareText(const TCompareSpec& spec, const TCompareTally& tally) {
    const std::string a = ContractText(spec.A), b = ContractText(spec.B);
    const char* vulnerability = spec.EachBoard    ? ", at each board's own vulnerability"
                                : spec.Vulnerable ? ", vulnerable"
                                                  : ", not vulnerable";
    std::string text = "Compare " + a + " with " + b + vulnerability + "\n";
    text += a + " scores more on " + std::to_string(tally.ABetter) + " deals, " + b + " on " +
            std::to_string(tally.BBetter) + ", the same on " + std::to_string(tally.Equal) + "\n";
    text += "IMPs per deal for " + a + ": " + (tally.ImpsForA >= 0 ? "+" : "") +
            Fixed(tally.MeanImpsForA(), 2) + "\n";
    text += "Matchpoints for " + a + ": " + Fixed(100.0 * tally.MatchpointShareOfA()) + "%\n";
    return text;
}

std::string PointsText(const TSummary& s) {
    return Distribution("North-South combined points", "Points", s.NSPoints, s.Deals) + "\n" +
           Distribution("North's points", "Points", s.NorthPoints, s.Deals) + "\n" +
           Distribution("South's points", "Points", s.SouthPoints, s.Deals) + "\n" +
           Distribution("Longest combined fit", "Cards", s.LongestFit, s.Deals);
}

std::string TypeMixText(const TSummary& s) {
    std::int64_t frequencies = 0;
    for (const THandParam& t : s.Key.Types)
        frequencies += t.Frequency;
    std::string text =
        "Hand types: requested and delivered\nType  Requested %     Deals  Delivered %\n";
    for (std::size_t i = 0; i < s.Key.Types.size(); ++i)
        text += Padded(std::to_string(i + 1), 4) +
                Padded(Percent(s.Key.Types[i].Frequency, frequencies), 13) +
                Padded(std::to_string(s.TypeDeals[i]), 10) +
                Padded(Percent(s.TypeDeals[i], s.Deals), 13) + "\n";
    return text;
}

std::string SummaryText(const TSummary& s) {
    std::string text = HeadingText(s) + "\n";
    if (!s.Tricks.empty()) text += MakeTableText(s) + "\n";
    if (s.Key.Compare) text += CompareText(*s.Key.Compare, s.Compare) + "\n";
    if (!s.Key.Types.empty()) text += TypeMixText(s) + "\n";
    return text + PointsText(s);
}

} // namespace kv::analysis
