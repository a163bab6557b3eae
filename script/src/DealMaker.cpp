#include "script/DealMaker.h"

#include "SeatFirst.h"

#include <algorithm>
#include <bit>

namespace kv::script {
namespace {

// The seats whose hands the condition reads; all four once it asks for tricks.
std::array<bool, kSeats> SeatsRead(const TProgram& program, int root) {
    std::array<bool, kSeats> read{};
    std::vector<bool> seen(program.Nodes.size(), false);
    std::vector<int> stack{root};
    while (!stack.empty()) {
        const int n = stack.back();
        stack.pop_back();
        if (seen[static_cast<std::size_t>(n)]) continue;
        seen[static_cast<std::size_t>(n)] = true;
        const TNode& node = program.Nodes[static_cast<std::size_t>(n)];
        switch (node.Op) {
        case TOp::Const:
        case TOp::Rnd:
        case TOp::Not:
        case TOp::Negate:
        case TOp::Score:
        case TOp::Imps:
            break;
        case TOp::Tricks:
            read.fill(true);
            break;
        default:
            if (node.Op < TOp::Score) read[node.Seat] = true;
        }
        if (node.Op == TOp::And || node.Op == TOp::Or) {
            for (int i = 0; i < node.B; ++i)
                stack.push_back(program.Lists[static_cast<std::size_t>(node.A + i)]);
        } else {
            for (const int c : {node.A, node.B, node.C})
                if (c != kNoNode) stack.push_back(c);
        }
    }
    return read;
}

// Takes `count` cards for a hand from Cards[At..Count) by a partial Fisher-
// Yates shuffle. The draws come in batches of up to six from one 64-bit
// number, split by successive multiplications (Lemire and Brackett's
// batched draws): exactly uniform, with a rejection as rare as one in 2^30.
std::uint64_t TakeCards(TRandomStream& random, TDealScratch& s, int count) {
    std::uint64_t hand = 0;
    while (count > 0) {
        const int k = std::min(count, 6);
        std::array<std::uint32_t, 6> index{};
        std::uint64_t bound = 1;
        for (int i = 0; i < k; ++i)
            bound *= static_cast<std::uint64_t>(s.Count - s.At - i);
        for (;;) {
            std::uint64_t low = random.Next64();
            for (int i = 0; i < k; ++i) {
                const unsigned __int128 m = static_cast<unsigned __int128>(low) *
                                            static_cast<std::uint64_t>(s.Count - s.At - i);
                index[static_cast<std::size_t>(i)] = static_cast<std::uint32_t>(m >> 64);
                low = static_cast<std::uint64_t>(m);
            }
            if (low >= bound || low >= (0 - bound) % bound) break;
        }
        for (int i = 0; i < k; ++i, ++s.At) {
            const std::size_t at = static_cast<std::size_t>(s.At);
            std::swap(s.Cards[at], s.Cards[at + index[static_cast<std::size_t>(i)]]);
            hand |= std::uint64_t{1} << s.Cards[at];
        }
        count -= k;
    }
    return hand;
}

} // namespace

TDealMaker::TDealMaker(const TScript& script, const THandTables& tables, bool seatFirst)
    : predeal_(script.Predeal) {
    std::uint64_t taken = 0;
    for (int seat = 0; seat < kSeats; ++seat) {
        taken |= predeal_[static_cast<std::size_t>(seat)];
        slots_[static_cast<std::size_t>(seat)] =
            13 - std::popcount(predeal_[static_cast<std::size_t>(seat)]);
    }
    free_ = kFullPack & ~taken;
    for (std::uint64_t m = free_; m; m &= m - 1)
        fresh_.Cards[static_cast<std::size_t>(fresh_.Count++)] =
            static_cast<std::uint8_t>(std::countr_zero(m));
    if (seatFirst) {
        TSeatFirst::TPlan plan = TSeatFirst::For(script, tables);
        seatFirst_ = std::move(plan.First);
        impossible_ = plan.Impossible;
    }
    const std::array<bool, kSeats> read = SeatsRead(script.Program, script.Condition);
    const int first = FirstSeat();
    for (const bool wanted : {true, false})
        for (int seat = 0; seat < kSeats; ++seat)
            if (seat != first && slots_[static_cast<std::size_t>(seat)] > 0 &&
                read[static_cast<std::size_t>(seat)] == wanted)
                order_[static_cast<std::size_t>(seats_++)] = seat;
    readSeats_ = 0;
    for (int i = 0; i < seats_; ++i)
        if (read[static_cast<std::size_t>(order_[static_cast<std::size_t>(i)])]) readSeats_ = i + 1;
}

TDealMaker::~TDealMaker() = default;

void TDealMaker::Reset(TDealScratch& scratch) const {
    scratch = fresh_;
}

int TDealMaker::FirstSeat() const {
    return seatFirst_ ? seatFirst_->Seat() : -1;
}

double TDealMaker::FirstSeatShare() const {
    return seatFirst_ ? seatFirst_->Share() : 1.0;
}

// Deals the seats of order_ from scratch.Next up to `end`; the last seat of
// the order takes the rest.
void TDealMaker::DealSeats(TRandomStream& random, TDealScratch& scratch, TDealMasks& deal,
                           int end) const {
    for (; scratch.Next < end; ++scratch.Next) {
        const int seat = order_[static_cast<std::size_t>(scratch.Next)];
        std::uint64_t& hand = deal.Hands[static_cast<std::size_t>(seat)];
        if (scratch.Next == seats_ - 1) {
            for (int i = scratch.At; i < scratch.Count; ++i)
                hand |= std::uint64_t{1} << scratch.Cards[static_cast<std::size_t>(i)];
            scratch.At = scratch.Count;
        } else {
            hand |= TakeCards(random, scratch, slots_[static_cast<std::size_t>(seat)]);
        }
    }
}

void TDealMaker::Deal(TRandomStream& random, TDealScratch& scratch, TDealMasks& deal) const {
    deal.Hands = predeal_;
    if (seatFirst_) {
        const std::uint64_t hand = seatFirst_->Draw(random);
        deal.Hands[static_cast<std::size_t>(seatFirst_->Seat())] |= hand;
        scratch.Count = 0;
        for (std::uint64_t m = free_ & ~hand; m; m &= m - 1)
            scratch.Cards[static_cast<std::size_t>(scratch.Count++)] =
                static_cast<std::uint8_t>(std::countr_zero(m));
    }
    scratch.At = 0;
    scratch.Next = 0;
    DealSeats(random, scratch, deal, readSeats_);
}

void TDealMaker::Complete(TRandomStream& random, TDealScratch& scratch, TDealMasks& deal) const {
    DealSeats(random, scratch, deal, seats_);
}

} // namespace kv::script
