#include "script/Evaluator.h"

#include <array>
#include <bit>
#include <climits>
#include <cstdlib>

namespace kv::script {
namespace {

std::int32_t Wrap(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

} // namespace

TEvaluator::TEvaluator(const TProgram& program, const THandTables& tables)
    : program_(program), tables_(tables),
      memoValue_(static_cast<std::size_t>(program.MemoSlots), 0),
      memoStamp_(static_cast<std::size_t>(program.MemoSlots), 0) {}

void TEvaluator::SetDeal(const TDealMasks& deal, TRandomStream* random) {
    deal_ = deal;
    random_ = random;
    tricks_.reset();
    if (++stamp_ == 0) {
        std::fill(memoStamp_.begin(), memoStamp_.end(), 0);
        stamp_ = 1;
    }
}

std::int32_t TEvaluator::Eval(int index) {
    const TNode& node = program_.Nodes[static_cast<std::size_t>(index)];
    if (node.Memo < 0) return Compute(node);
    const std::size_t slot = static_cast<std::size_t>(node.Memo);
    if (memoStamp_[slot] != stamp_) {
        memoValue_[slot] = Compute(node);
        memoStamp_[slot] = stamp_;
    }
    return memoValue_[slot];
}

std::int32_t TEvaluator::SumOver(std::uint64_t hand, const TRankTable& table) const {
    return Wrap(std::int64_t{table[Holding(hand, 0)]} + table[Holding(hand, 1)] +
                table[Holding(hand, 2)] + table[Holding(hand, 3)]);
}

std::int32_t TEvaluator::Cccc(std::uint64_t hand) const {
    std::int32_t value = 0, shortness = 0;
    for (int suit = 0; suit < kSuits; ++suit) {
        const unsigned h = Holding(hand, suit);
        value += tables_.CcccPart[h];
        shortness += std::max(0, 3 - static_cast<int>(tables_.Lengths[h]));
    }
    return value + CcccShape(shortness);
}

std::int32_t TEvaluator::Divide(const TNode& node, bool modulo) {
    const std::int32_t a = Eval(node.A), b = Eval(node.B);
    if (b == 0) {
        if (fault_ == kNoNode) fault_ = static_cast<int>(&node - program_.Nodes.data());
        return 0;
    }
    if (a == INT32_MIN && b == -1) return modulo ? 0 : INT32_MIN;
    return modulo ? a % b : a / b;
}

std::int32_t TEvaluator::Tricks(int seat, int strain) {
    if (!tricks_) tricks_ = SolveTricks(deal_);
    return (*tricks_)[static_cast<std::size_t>(seat)][static_cast<std::size_t>(strain)];
}

std::int32_t TEvaluator::Compute(const TNode& node) {
    const std::uint64_t hand = deal_.Hands[node.Seat];
    const unsigned holding = Holding(hand, node.Suit & 3);
    switch (node.Op) {
    case TOp::Const:
        return node.Value;
    case TOp::Length:
        return tables_.Lengths[holding];
    case TOp::Hcp:
        return SumOver(hand, tables_.Hcp);
    case TOp::HcpSuit:
        return tables_.Hcp[holding];
    case TOp::Count:
        return SumOver(hand, tables_.Counts[static_cast<std::size_t>(node.Value)]);
    case TOp::CountSuit:
        return tables_.Counts[static_cast<std::size_t>(node.Value)][holding];
    case TOp::Losers:
        return tables_.Losers[Holding(hand, 0)] + tables_.Losers[Holding(hand, 1)] +
               tables_.Losers[Holding(hand, 2)] + tables_.Losers[Holding(hand, 3)];
    case TOp::LosersSuit:
        return tables_.Losers[holding];
    case TOp::Controls:
        return SumOver(hand, tables_.Controls);
    case TOp::ControlsSuit:
        return tables_.Controls[holding];
    case TOp::Cccc:
        return Cccc(hand);
    case TOp::Quality:
        return tables_.Quality[holding];
    case TOp::Shape:
        return program_.Shapes[static_cast<std::size_t>(node.Value)].Has(
            TShapeSet::Code(Len(hand, 0), Len(hand, 1), Len(hand, 2)));
    case TOp::HasCard:
        return static_cast<std::int32_t>((hand >> node.Value) & 1u);
    case TOp::Tricks:
        return Tricks(node.Seat, node.Suit);
    case TOp::Score:
        return ContractScore(node.Value >= 64, (node.Value & 63) / 8, node.Value & 7, Eval(node.A));
    case TOp::Imps:
        return Imps(Eval(node.A));
    case TOp::Rnd: {
        const std::int32_t n = Eval(node.A);
        return static_cast<std::int32_t>(static_cast<double>(n) * random_->Fraction());
    }
    case TOp::Not:
        return !Eval(node.A);
    case TOp::Negate:
        return Wrap(-std::int64_t{Eval(node.A)});
    case TOp::Add:
        return Wrap(std::int64_t{Eval(node.A)} + Eval(node.B));
    case TOp::Sub:
        return Wrap(std::int64_t{Eval(node.A)} - Eval(node.B));
    case TOp::Mul:
        return Wrap(std::int64_t{Eval(node.A)} * Eval(node.B));
    case TOp::Div:
        return Divide(node, false);
    case TOp::Mod:
        return Divide(node, true);
    case TOp::Eq:
        return Eval(node.A) == Eval(node.B);
    case TOp::Ne:
        return Eval(node.A) != Eval(node.B);
    case TOp::Lt:
        return Eval(node.A) < Eval(node.B);
    case TOp::Le:
        return Eval(node.A) <= Eval(node.B);
    case TOp::Gt:
        return Eval(node.A) > Eval(node.B);
    case TOp::Ge:
        return Eval(node.A) >= Eval(node.B);
    case TOp::And:
        for (int i = 0; i < node.B; ++i)
            if (!Eval(program_.Lists[static_cast<std::size_t>(node.A + i)])) return 0;
        return 1;
    case TOp::Or:
        for (int i = 0; i < node.B; ++i)
            if (Eval(program_.Lists[static_cast<std::size_t>(node.A + i)])) return 1;
        return 0;
    case TOp::Choose:
        return Eval(node.A) ? Eval(node.B) : Eval(node.C);
    }
    return 0;
}

// Strains 0..4 = spades, hearts, diamonds, clubs, notrump. Going down costs 50
// (100 vulnerable) a trick; making scores the tricks (30 in majors and
// notrump, 20 in minors, 10 more in notrump) and 50, with a game bonus of 250
// (450 vulnerable) at 3NT, 4 of a major or 5 of a minor, and the slam bonuses.
std::int32_t ContractScore(bool vulnerable, int level, int strain, std::int32_t tricks) {
    const int vul = vulnerable ? 1 : 0;
    if (tricks < 6 + level)
        return Wrap(std::int64_t{-50} * (1 + vul) * (6 + level - std::int64_t{tricks}));
    const bool minor = strain == 2 || strain == 3, notrump = strain == 4;
    std::int64_t total = std::int64_t{minor ? 20 : 30} * (tricks - 6) + (notrump ? 10 : 0) + 50;
    const int game = notrump ? 3 : minor ? 5 : 4;
    if (level >= game) total += 250 + 200 * vul;
    if (level == 6) total += 500 + 250 * vul;
    if (level == 7) total += 1000 + 500 * vul;
    return Wrap(total);
}

std::int32_t Imps(std::int32_t difference) {
    static constexpr std::array<std::int64_t, 24> kSteps = {
        10,  40,  80,   120,  160,  210,  260,  310,  360,  410,  490,  590,
        740, 890, 1090, 1190, 1490, 1740, 1990, 2240, 2490, 2990, 3490, 3990};
    const std::int64_t size = std::llabs(std::int64_t{difference});
    int imps = 0;
    while (imps < 24 && kSteps[static_cast<std::size_t>(imps)] < size)
        ++imps;
    return difference < 0 ? -imps : imps;
}

} // namespace kv::script
