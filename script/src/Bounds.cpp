#include "Bounds.h"

#include "script/DealMasks.h"
#include "script/Evaluator.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdlib>

namespace kv::script {
namespace {

constexpr TRange kAll{INT32_MIN, INT32_MAX};
constexpr TRange kBool{0, 1};

TRange Exact(std::int64_t v) {
    return {v, v};
}

TRange Join(TRange a, TRange b) {
    return {std::min(a.Lo, b.Lo), std::max(a.Hi, b.Hi)};
}

// A result outside 32 bits would wrap to anything.
TRange Fit(std::int64_t lo, std::int64_t hi) {
    if (lo < INT32_MIN || hi > INT32_MAX) return kAll;
    return {lo, hi};
}

TRange Corners(TRange a, TRange b, std::int64_t (*f)(std::int64_t, std::int64_t)) {
    const std::int64_t v[4] = {f(a.Lo, b.Lo), f(a.Lo, b.Hi), f(a.Hi, b.Lo), f(a.Hi, b.Hi)};
    return Fit(*std::min_element(v, v + 4), *std::max_element(v, v + 4));
}

TRange Divide(TRange a, TRange b, bool modulo) {
    if (b.Lo <= 0 && b.Hi >= 0) return kAll;
    if (a.Lo == INT32_MIN && b.Lo <= -1 && b.Hi >= -1) return kAll;
    if (!modulo) return Corners(a, b, [](std::int64_t x, std::int64_t y) { return x / y; });
    const std::int64_t m = std::max(std::abs(b.Lo), std::abs(b.Hi)) - 1;
    return {a.Lo < 0 ? std::max(-m, a.Lo) : 0, a.Hi > 0 ? std::min(m, a.Hi) : 0};
}

TRange Compare(TOp op, TRange a, TRange b) {
    bool yes = false, no = false;
    switch (op) {
    case TOp::Eq:
        yes = a.Lo == a.Hi && b.Lo == b.Hi && a.Lo == b.Lo;
        no = a.Hi < b.Lo || b.Hi < a.Lo;
        break;
    case TOp::Ne:
        no = a.Lo == a.Hi && b.Lo == b.Hi && a.Lo == b.Lo;
        yes = a.Hi < b.Lo || b.Hi < a.Lo;
        break;
    case TOp::Lt:
        yes = a.Hi < b.Lo;
        no = a.Lo >= b.Hi;
        break;
    case TOp::Le:
        yes = a.Hi <= b.Lo;
        no = a.Lo > b.Hi;
        break;
    case TOp::Gt:
        yes = a.Lo > b.Hi;
        no = a.Hi <= b.Lo;
        break;
    case TOp::Ge:
        yes = a.Lo >= b.Hi;
        no = a.Hi < b.Lo;
        break;
    default:
        break;
    }
    return yes ? Exact(1) : no ? Exact(0) : kBool;
}

int TableOf(const TNode& node) {
    switch (node.Op) {
    case TOp::Hcp:
    case TOp::HcpSuit:
        return 0;
    case TOp::Count:
    case TOp::CountSuit:
        return 1 + node.Value;
    case TOp::Controls:
    case TOp::ControlsSuit:
        return 11;
    case TOp::Losers:
    case TOp::LosersSuit:
        return 12;
    case TOp::Quality:
        return 13;
    default:
        return 14;
    }
}

template <typename T> std::int32_t At(const T& table, unsigned h) {
    return static_cast<std::int32_t>(table[h]);
}

} // namespace

TBounds::TBounds(const TProgram& program, const THandTables& tables, int seat, int root)
    : program_(program), seat_(seat), values_(program.Nodes.size()),
      readsSeat_(program.Nodes.size(), false), readsPoints_(program.Nodes.size(), false),
      root_(root) {
    for (std::size_t i = 0; i < program.Nodes.size(); ++i) {
        const TNode& node = program.Nodes[i];
        bool seatRead = node.Op >= TOp::Length && node.Op <= TOp::HasCard && node.Seat == seat;
        bool points = node.Op == TOp::Hcp && node.Seat == seat;
        auto child = [&](int c) {
            seatRead = seatRead || readsSeat_[static_cast<std::size_t>(c)];
            points = points || readsPoints_[static_cast<std::size_t>(c)];
        };
        if (node.Op == TOp::And || node.Op == TOp::Or) {
            for (int k = 0; k < node.B; ++k)
                child(program.Lists[static_cast<std::size_t>(node.A + k)]);
        } else {
            for (const int c : {node.A, node.B, node.C})
                if (c != kNoNode) child(c);
        }
        readsSeat_[i] = seatRead;
        readsPoints_[i] = points;
    }
    for (auto& byLength : ranges_)
        byLength.fill(TRange{INT32_MAX, INT32_MIN});
    for (unsigned h = 0; h < kHoldings; ++h) {
        const std::size_t l = static_cast<std::size_t>(std::popcount(h));
        const std::array<std::int32_t, kBoundTables> v = {
            At(tables.Hcp, h),       At(tables.Counts[0], h), At(tables.Counts[1], h),
            At(tables.Counts[2], h), At(tables.Counts[3], h), At(tables.Counts[4], h),
            At(tables.Counts[5], h), At(tables.Counts[6], h), At(tables.Counts[7], h),
            At(tables.Counts[8], h), At(tables.Counts[9], h), At(tables.Controls, h),
            At(tables.Losers, h),    At(tables.Quality, h),   At(tables.CcccPart, h)};
        for (std::size_t t = 0; t < v.size(); ++t) {
            ranges_[t][l].Lo = std::min<std::int64_t>(ranges_[t][l].Lo, v[t]);
            ranges_[t][l].Hi = std::max<std::int64_t>(ranges_[t][l].Hi, v[t]);
        }
    }
}

void TBounds::Update(const std::vector<int>& nodes) {
    for (const int i : nodes)
        values_[static_cast<std::size_t>(i)] = Compute(program_.Nodes[static_cast<std::size_t>(i)]);
}

TRange TBounds::Evaluate(const std::array<int, 4>& lengths, TRange points) {
    const bool newLengths = !evaluated_ || lengths != lengths_;
    lengths_ = lengths;
    points_ = points;
    if (!evaluated_) {
        // What does not read the seat, once: every node reached, in order.
        std::vector<bool> reached(program_.Nodes.size(), false);
        std::vector<int> stack{root_};
        while (!stack.empty()) {
            const int n = stack.back();
            stack.pop_back();
            if (reached[static_cast<std::size_t>(n)]) continue;
            reached[static_cast<std::size_t>(n)] = true;
            const TNode& node = program_.Nodes[static_cast<std::size_t>(n)];
            if (node.Op == TOp::And || node.Op == TOp::Or) {
                for (int k = 0; k < node.B; ++k)
                    stack.push_back(program_.Lists[static_cast<std::size_t>(node.A + k)]);
            } else {
                for (const int c : {node.A, node.B, node.C})
                    if (c != kNoNode) stack.push_back(c);
            }
        }
        std::vector<int> others;
        for (std::size_t i = 0; i < reached.size(); ++i) {
            if (!reached[i]) continue;
            const int n = static_cast<int>(i);
            (readsPoints_[i] ? pointsNodes_ : readsSeat_[i] ? seatNodes_ : others).push_back(n);
        }
        Update(others);
        evaluated_ = true;
    }
    if (newLengths) Update(seatNodes_);
    Update(pointsNodes_);
    return values_[static_cast<std::size_t>(root_)];
}

// The seat's suits have the given lengths; another seat's suit any length.
TRange TBounds::SuitRange(int table, int seat, int suit) const {
    if (seat == seat_) {
        const int known = lengths_[static_cast<std::size_t>(suit)];
        return ranges_[static_cast<std::size_t>(table)][static_cast<std::size_t>(known)];
    }
    TRange r{INT32_MAX, INT32_MIN};
    for (int l = 0; l <= 13; ++l)
        r = Join(r, ranges_[static_cast<std::size_t>(table)][static_cast<std::size_t>(l)]);
    return r;
}

TRange TBounds::HandRange(int table, int seat) const {
    if (table == 0 && seat == seat_) return points_;
    TRange sum{0, 0};
    for (int suit = 0; suit < kSuits; ++suit) {
        const TRange r = SuitRange(table, seat, suit);
        sum = {sum.Lo + r.Lo, sum.Hi + r.Hi};
    }
    return sum;
}

TRange TBounds::HandFunction(const TNode& node) const {
    const int table = TableOf(node);
    switch (node.Op) {
    case TOp::Hcp:
    case TOp::Count:
    case TOp::Controls:
    case TOp::Losers:
        return HandRange(table, node.Seat);
    case TOp::Cccc: {
        if (node.Seat != seat_) return kAll;
        TRange sum = HandRange(14, node.Seat);
        int shortness = 0;
        for (const int l : lengths_)
            shortness += std::max(0, 3 - l);
        return {sum.Lo + CcccShape(shortness), sum.Hi + CcccShape(shortness)};
    }
    default:
        return SuitRange(table, node.Seat, node.Suit & 3);
    }
}

TRange TBounds::Compute(const TNode& node) const {
    auto child = [&](int i) { return values_[static_cast<std::size_t>(i)]; };
    switch (node.Op) {
    case TOp::Const:
        return Exact(node.Value);
    case TOp::Length:
        return node.Seat == seat_ ? Exact(lengths_[node.Suit & 3u]) : TRange{0, 13};
    case TOp::Shape: {
        const TShapeSet& set = program_.Shapes[static_cast<std::size_t>(node.Value)];
        if (node.Seat == seat_)
            return Exact(set.Has(TShapeSet::Code(lengths_[0], lengths_[1], lengths_[2])));
        bool any = false;
        for (const std::uint64_t word : set.Bits)
            any = any || word != 0;
        return any ? kBool : Exact(0);
    }
    case TOp::HasCard: {
        const int suit = node.Value / 16;
        return node.Seat == seat_ && lengths_[static_cast<std::size_t>(suit)] == 0 ? Exact(0)
                                                                                   : kBool;
    }
    case TOp::Tricks:
        return {0, 13};
    case TOp::Score: {
        const TRange t = child(node.A);
        const int level = (node.Value & 63) / 8, strain = node.Value & 7;
        const bool vul = node.Value >= 64;
        if (t.Lo < INT32_MIN / 2 || t.Hi > INT32_MAX / 2) return kAll;
        return {ContractScore(vul, level, strain, static_cast<std::int32_t>(t.Lo)),
                ContractScore(vul, level, strain, static_cast<std::int32_t>(t.Hi))};
    }
    case TOp::Imps: {
        const TRange d = child(node.A);
        return {Imps(static_cast<std::int32_t>(d.Lo)), Imps(static_cast<std::int32_t>(d.Hi))};
    }
    case TOp::Rnd: {
        const TRange n = child(node.A);
        return {std::min<std::int64_t>(0, n.Lo + 1), std::max<std::int64_t>(0, n.Hi - 1)};
    }
    case TOp::Not: {
        const TRange a = child(node.A);
        return a.Zero() ? Exact(1) : a.NonZero() ? Exact(0) : kBool;
    }
    case TOp::Negate: {
        const TRange a = child(node.A);
        return Fit(-a.Hi, -a.Lo);
    }
    case TOp::Add: {
        const TRange a = child(node.A), b = child(node.B);
        return Fit(a.Lo + b.Lo, a.Hi + b.Hi);
    }
    case TOp::Sub: {
        const TRange a = child(node.A), b = child(node.B);
        return Fit(a.Lo - b.Hi, a.Hi - b.Lo);
    }
    case TOp::Mul:
        return Corners(child(node.A), child(node.B),
                       [](std::int64_t x, std::int64_t y) { return x * y; });
    case TOp::Div:
        return Divide(child(node.A), child(node.B), false);
    case TOp::Mod:
        return Divide(child(node.A), child(node.B), true);
    case TOp::Eq:
    case TOp::Ne:
    case TOp::Lt:
    case TOp::Le:
    case TOp::Gt:
    case TOp::Ge:
        return Compare(node.Op, child(node.A), child(node.B));
    case TOp::And:
    case TOp::Or: {
        const bool isAnd = node.Op == TOp::And;
        bool decided = true;
        for (int i = 0; i < node.B; ++i) {
            const TRange r = child(program_.Lists[static_cast<std::size_t>(node.A + i)]);
            if (isAnd ? r.Zero() : r.NonZero()) return Exact(isAnd ? 0 : 1);
            decided = decided && (isAnd ? r.NonZero() : r.Zero());
        }
        return decided ? Exact(isAnd ? 1 : 0) : kBool;
    }
    case TOp::Choose: {
        const TRange c = child(node.A);
        if (c.NonZero()) return child(node.B);
        if (c.Zero()) return child(node.C);
        return Join(child(node.B), child(node.C));
    }
    default:
        return HandFunction(node);
    }
}

} // namespace kv::script
