#include "script/DealMaker.h"

#include "SeatFirst.h"

#include <algorithm>
#include <bit>

namespace kv::script {
namespace {

// Takes `count` cards for a hand from Cards[At..Count) by a partial Fisher-
// Yates shuffle. The draws come in batches of up to six from one 64-bit
// number, split by successive multiplications (Lemire and Brackett's
// batched draws): exactly uniform, with a rejection as rare as one in 2^30.
std::uint64_t TakeCards(TRandomStream& random, TDealScratch& s, int count) {
    // Locals, so that the byte stores into Cards (which may alias anything)
    // do not force the counters back to memory.
    std::uint8_t* cards = s.Cards.data();
    const std::uint64_t n = static_cast<std::uint64_t>(s.Count);
    std::uint64_t at = static_cast<std::uint64_t>(s.At);
    std::uint64_t hand = 0;
    while (count > 0) {
        const int k = std::min(count, 6);
        std::array<std::uint64_t, 6> index{};
        std::uint64_t bound = 1;
        for (int i = 0; i < k; ++i)
            bound *= n - at - static_cast<std::uint64_t>(i);
        for (;;) {
            std::uint64_t low = random.Next64();
            for (int i = 0; i < k; ++i) {
                const unsigned __int128 m =
                    static_cast<unsigned __int128>(low) * (n - at - static_cast<std::uint64_t>(i));
                index[static_cast<std::size_t>(i)] = static_cast<std::uint64_t>(m >> 64);
                low = static_cast<std::uint64_t>(m);
            }
            if (low >= bound || low >= (0 - bound) % bound) break;
        }
        for (int i = 0; i < k; ++i, ++at) {
            const std::uint8_t picked = cards[at + index[static_cast<std::size_t>(i)]];
            cards[at + index[static_cast<std::size_t>(i)]] = cards[at];
            cards[at] = picked;
            hand |= std::uint64_t{1} << picked;
        }
        count -= k;
    }
    s.At = static_cast<int>(at);
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
    unsigned dealt = 0;
    std::vector<int> shuffled;
    for (int seat = 0; seat < kSeats; ++seat) {
        if (seat == FirstSeat() || slots_[static_cast<std::size_t>(seat)] == 0) {
            dealt |= 1u << seat;
        } else {
            shuffled.push_back(seat);
        }
    }
    // Plain order first, for the sample the plan is made from.
    stages_.Order = shuffled;
    stages_.ReadSeats = 0;
    stages_ = PlanStages(script, tables, dealt, shuffled,
                         [this](TRandomStream& random, TDealMasks& deal) {
                             TDealScratch scratch;
                             Reset(scratch);
                             Deal(random, scratch, deal);
                             Complete(random, scratch, deal);
                         });
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

// Deals the seats of the order from scratch.Next up to `end`; the last seat
// of the order takes the rest.
void TDealMaker::DealSeats(TRandomStream& random, TDealScratch& scratch, TDealMasks& deal,
                           int end) const {
    const int seats = static_cast<int>(stages_.Order.size());
    for (; scratch.Next < end; ++scratch.Next) {
        const int seat = stages_.Order[static_cast<std::size_t>(scratch.Next)];
        std::uint64_t& hand = deal.Hands[static_cast<std::size_t>(seat)];
        if (scratch.Next == seats - 1) {
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
        std::uint8_t* cards = scratch.Cards.data();
        int count = 0;
        for (std::uint64_t m = free_ & ~hand; m; m &= m - 1)
            cards[count++] = static_cast<std::uint8_t>(std::countr_zero(m));
        scratch.Count = count;
    }
    scratch.At = 0;
    scratch.Next = 0;
}

int TDealMaker::DealNext(TRandomStream& random, TDealScratch& scratch, TDealMasks& deal) const {
    const int seat = stages_.Order[static_cast<std::size_t>(scratch.Next)];
    DealSeats(random, scratch, deal, scratch.Next + 1);
    return seat;
}

void TDealMaker::Complete(TRandomStream& random, TDealScratch& scratch, TDealMasks& deal) const {
    DealSeats(random, scratch, deal, static_cast<int>(stages_.Order.size()));
}

} // namespace kv::script
