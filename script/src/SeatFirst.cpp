#include "SeatFirst.h"

#include "Bounds.h"
#include "script/DealMasks.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace kv::script {
namespace {

constexpr int kMaxSpan = 64;

// The nodes the condition reaches, and whether it reads each seat's hand and points.
struct TReach {
    std::size_t Nodes = 0;
    std::array<bool, kSeats> Reads{};
    std::array<bool, kSeats> ReadsPoints{};
};

TReach Reach(const TProgram& program, int root) {
    TReach reach;
    std::vector<bool> seen(program.Nodes.size(), false);
    std::vector<int> stack{root};
    while (!stack.empty()) {
        const int n = stack.back();
        stack.pop_back();
        if (seen[static_cast<std::size_t>(n)]) continue;
        seen[static_cast<std::size_t>(n)] = true;
        ++reach.Nodes;
        const TNode& node = program.Nodes[static_cast<std::size_t>(n)];
        if (node.Op == TOp::Hcp) reach.ReadsPoints[node.Seat] = true;
        if (node.Op == TOp::Tricks) reach.Reads.fill(true);
        if (node.Op >= TOp::Length && node.Op <= TOp::HasCard) reach.Reads[node.Seat] = true;
        if (node.Op == TOp::And || node.Op == TOp::Or) {
            for (int i = 0; i < node.B; ++i)
                stack.push_back(program.Lists[static_cast<std::size_t>(node.A + i)]);
        } else {
            for (const int c : {node.A, node.B, node.C})
                if (c != kNoNode) stack.push_back(c);
        }
    }
    return reach;
}

// Each suit's holdings for the seat: its predealt cards with any of the free ones.
std::array<std::vector<std::uint16_t>, 4> SeatHoldings(std::uint64_t own, std::uint64_t free) {
    std::array<std::vector<std::uint16_t>, 4> all;
    for (int suit = 0; suit < kSuits; ++suit) {
        const unsigned mine = Holding(own, suit), open = Holding(free, suit);
        for (unsigned sub = open;; sub = (sub - 1) & open) {
            all[static_cast<std::size_t>(suit)].push_back(static_cast<std::uint16_t>(mine | sub));
            if (sub == 0) break;
        }
    }
    return all;
}

} // namespace

void TSeatFirst::SortHoldings(const std::array<std::vector<std::uint16_t>, 4>& holdings,
                              const THandTables& tables, std::int64_t lowest, bool usePoints) {
    const std::size_t keys = static_cast<std::size_t>(14 * span_);
    for (std::size_t suit = 0; suit < 4; ++suit) {
        auto key = [&](std::uint16_t h) {
            const int points = usePoints ? static_cast<int>(tables.Hcp[h] - lowest) : 0;
            return static_cast<std::size_t>(tables.Lengths[h] * span_ + points);
        };
        std::vector<std::uint64_t>& count = count_[suit];
        std::vector<std::uint32_t>& start = start_[suit];
        count.assign(keys, 0);
        start.assign(keys + 1, 0);
        for (const std::uint16_t h : holdings[suit])
            ++count[key(h)];
        for (std::size_t k = 0; k < keys; ++k)
            start[k + 1] = start[k] + static_cast<std::uint32_t>(count[k]);
        std::vector<std::uint32_t> next(start.begin(), start.end() - 1);
        holdings_[suit].assign(holdings[suit].size(), 0);
        for (const std::uint16_t h : holdings[suit])
            holdings_[suit][next[key(h)]++] = h;
    }
}

std::uint64_t TSeatFirst::Two(int lD, int lC, int points) const {
    const int width = 2 * span_ - 1;
    return two_[static_cast<std::size_t>((lD * 14 + lC) * width + points)];
}

std::uint64_t TSeatFirst::Three(int lH, int lD, int lC, int points) const {
    const int width = 3 * span_ - 2;
    return three_[static_cast<std::size_t>(((lH * 14 + lD) * 14 + lC) * width + points)];
}

// The hands of each length and points over diamonds and clubs, then over
// hearts, diamonds and clubs.
void TSeatFirst::Convolve() {
    const int w2 = 2 * span_ - 1, w3 = 3 * span_ - 2;
    two_.assign(static_cast<std::size_t>(196 * w2), 0);
    three_.assign(static_cast<std::size_t>(2744 * w3), 0);
    for (int lD = 0; lD < 14; ++lD)
        for (int lC = 0; lC + lD < 14; ++lC)
            for (int a = 0; a < span_; ++a)
                for (int b = 0; b < span_; ++b)
                    two_[static_cast<std::size_t>((lD * 14 + lC) * w2 + a + b)] +=
                        Count(2, lD, a) * Count(3, lC, b);
    for (int lH = 0; lH < 14; ++lH)
        for (int lD = 0; lH + lD < 14; ++lD)
            for (int lC = 0; lH + lD + lC < 14; ++lC)
                for (int a = 0; a < span_; ++a) {
                    const std::uint64_t h = Count(1, lH, a);
                    if (h == 0) continue;
                    for (int b = 0; b < w2; ++b)
                        three_[static_cast<std::size_t>(((lH * 14 + lD) * 14 + lC) * w3 + a + b)] +=
                            h * Two(lD, lC, b);
                }
}

double TSeatFirst::Weigh(const TScript& script, const THandTables& tables, std::size_t nodes,
                         bool readsPoints, std::int64_t lowest, bool usePoints) {
    const int w3 = 3 * span_ - 2, w4 = 4 * span_ - 3;
    const double work = static_cast<double>(nodes) * 560.0;
    if (work > kMaxWork) return -1;
    const bool refine = readsPoints && usePoints && work * w4 <= kMaxWork;
    TBounds bounds(script.Program, tables, seat_, script.Condition);
    std::uint64_t total = 0, kept = 0;
    std::vector<std::uint64_t> weight(static_cast<std::size_t>(w4));
    const std::int64_t base = 4 * lowest;
    for (int lS = 0; lS < 14; ++lS)
        for (int lH = 0; lS + lH < 14; ++lH)
            for (int lD = 0; lS + lH + lD < 14; ++lD) {
                const int lC = 13 - lS - lH - lD;
                std::fill(weight.begin(), weight.end(), 0);
                std::uint64_t sum = 0;
                for (int a = 0; a < span_; ++a) {
                    const std::uint64_t s = Count(0, lS, a);
                    if (s == 0) continue;
                    for (int b = 0; b < w3; ++b) {
                        const std::uint64_t w = s * Three(lH, lD, lC, b);
                        weight[static_cast<std::size_t>(a + b)] += w;
                        sum += w;
                    }
                }
                if (sum == 0) continue;
                total += sum;
                int lo = 0, hi = w4 - 1;
                while (weight[static_cast<std::size_t>(lo)] == 0)
                    ++lo;
                while (weight[static_cast<std::size_t>(hi)] == 0)
                    --hi;
                const std::array<int, 4> lengths{lS, lH, lD, lC};
                const TRange whole =
                    bounds.Evaluate(lengths, usePoints ? TRange{base + lo, base + hi}
                                                       : TRange{INT32_MIN, INT32_MAX});
                if (whole.Zero()) continue;
                const std::uint16_t pattern = static_cast<std::uint16_t>(patterns_.size());
                patterns_.push_back({static_cast<std::uint8_t>(lS), static_cast<std::uint8_t>(lH),
                                     static_cast<std::uint8_t>(lD), static_cast<std::uint8_t>(lC)});
                // Which points the condition may hold with: ranges halved
                // until each is decided or a single value.
                std::vector<bool> keep(static_cast<std::size_t>(w4), true);
                if (refine && !whole.NonZero()) {
                    std::vector<std::pair<int, int>> ranges{{lo, hi}};
                    while (!ranges.empty()) {
                        const auto [a, b] = ranges.back();
                        ranges.pop_back();
                        const TRange r = bounds.Evaluate(lengths, TRange{base + a, base + b});
                        if (r.Zero()) {
                            std::fill(keep.begin() + a, keep.begin() + b + 1, false);
                        } else if (!r.NonZero() && a < b) {
                            ranges.push_back({a, (a + b) / 2});
                            ranges.push_back({(a + b) / 2 + 1, b});
                        }
                    }
                }
                for (int v = lo; v <= hi; ++v) {
                    if (weight[static_cast<std::size_t>(v)] == 0 ||
                        !keep[static_cast<std::size_t>(v)])
                        continue;
                    kept += weight[static_cast<std::size_t>(v)];
                    cells_.push_back({pattern, static_cast<std::uint16_t>(v)});
                    cumulative_.push_back(kept);
                }
            }
    return total == 0 ? 1 : static_cast<double>(kept) / static_cast<double>(total);
}

TSeatFirst::TPlan TSeatFirst::For(const TScript& script, const THandTables& tables) {
    const TReach reach = Reach(script.Program, script.Condition);
    std::uint64_t taken = 0;
    for (const std::uint64_t cards : script.Predeal)
        taken |= cards;
    TPlan plan;
    for (int seat = 0; seat < kSeats; ++seat) {
        const std::uint64_t own = script.Predeal[static_cast<std::size_t>(seat)];
        if (std::popcount(own) == 13 || !reach.Reads[static_cast<std::size_t>(seat)]) continue;
        const auto holdings = SeatHoldings(own, kFullPack & ~taken);
        std::int64_t lowest = INT64_MAX, highest = INT64_MIN;
        for (const auto& suit : holdings)
            for (const std::uint16_t h : suit) {
                lowest = std::min<std::int64_t>(lowest, tables.Hcp[h]);
                highest = std::max<std::int64_t>(highest, tables.Hcp[h]);
            }
        const bool usePoints = highest - lowest < kMaxSpan;
        auto first = std::make_unique<TSeatFirst>();
        first->seat_ = seat;
        first->span_ = usePoints ? static_cast<int>(highest - lowest + 1) : 1;
        first->SortHoldings(holdings, tables, lowest, usePoints);
        first->Convolve();
        const double share =
            first->Weigh(script, tables, reach.Nodes,
                         reach.ReadsPoints[static_cast<std::size_t>(seat)], lowest, usePoints);
        if (share < 0) continue;
        if (share == 0) {
            plan.Impossible = true;
            plan.First.reset();
            return plan;
        }
        first->share_ = share;
        if (!plan.First || share < plan.First->share_) plan.First = std::move(first);
    }
    if (plan.First && plan.First->share_ > 0.9) plan.First.reset();
    if (plan.First) plan.First->Guide();
    return plan;
}

void TSeatFirst::Guide() {
    const std::uint64_t total = cumulative_.back();
    guide_.resize(std::size_t{1} << kGuideBits);
    for (std::size_t b = 0; b < guide_.size(); ++b) {
        const std::uint64_t lowest = static_cast<std::uint64_t>(
            (static_cast<unsigned __int128>(b) << (64 - kGuideBits)) * total >> 64);
        guide_[b] = static_cast<std::uint32_t>(
            std::upper_bound(cumulative_.begin(), cumulative_.end(), lowest) - cumulative_.begin());
    }
}

template <typename F>
int TSeatFirst::PickPoints(TRandomStream& random, int suit, int length, int& rest,
                           std::uint64_t total, F&& later) const {
    std::uint64_t r = random.Below64(total);
    for (int a = 0; a < span_ && a <= rest; ++a) {
        const std::uint64_t w = Count(suit, length, a) * later(rest - a);
        if (r < w) {
            rest -= a;
            return a;
        }
        r -= w;
    }
    return 0; // not reached: the weights add up to `total`
}

std::uint64_t TSeatFirst::Holding(TRandomStream& random, int suit, int length, int points) const {
    const std::size_t k = static_cast<std::size_t>(length * span_ + points);
    const std::size_t s = static_cast<std::size_t>(suit);
    const std::uint32_t index = random.Below(static_cast<std::uint32_t>(count_[s][k]));
    return std::uint64_t{holdings_[s][start_[s][k] + index]} << (16 * suit);
}

std::uint64_t TSeatFirst::Draw(TRandomStream& random) const {
    std::uint64_t raw;
    const std::uint64_t r = random.Below64(cumulative_.back(), raw);
    std::size_t cell = guide_[static_cast<std::size_t>(raw >> (64 - kGuideBits))];
    while (cumulative_[cell] <= r)
        ++cell;
    const auto& l = patterns_[cells_[cell].Pattern];
    const int lS = l[0], lH = l[1], lD = l[2], lC = l[3];
    const int w3 = 3 * span_ - 2, w2 = 2 * span_ - 1;
    int rest = cells_[cell].Points;
    const std::uint64_t cellWeight = cumulative_[cell] - (cell > 0 ? cumulative_[cell - 1] : 0);
    const int s = PickPoints(random, 0, lS, rest, cellWeight,
                             [&](int left) { return left < w3 ? Three(lH, lD, lC, left) : 0; });
    const int h = PickPoints(random, 1, lH, rest, Three(lH, lD, lC, rest),
                             [&](int left) { return left < w2 ? Two(lD, lC, left) : 0; });
    const int d = PickPoints(random, 2, lD, rest, Two(lD, lC, rest),
                             [&](int left) { return left < span_ ? Count(3, lC, left) : 0; });
    return Holding(random, 0, lS, s) | Holding(random, 1, lH, h) | Holding(random, 2, lD, d) |
           Holding(random, 3, lC, rest);
}

} // namespace kv::script
