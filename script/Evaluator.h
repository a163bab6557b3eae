#pragma once
// Evaluates a compiled script's expressions on one deal at a time, without
// allocating: every function is computed when an expression asks for it, by
// table from the deal's bit masks; a shared named expression once per deal.
// Arithmetic is dealer's: 32-bit integers that wrap, division truncating
// towards zero. A division by zero is a fault, not a crash: the value is 0
// and Fault() names the operator, so that the run stops with a message.

#include "script/DealMasks.h"
#include "script/HandTables.h"
#include "script/Program.h"
#include "script/RandomStream.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace kv::script {

// The double-dummy tricks of a deal, [declarer seat][strain 0..4 = S H D C NT].
using TTrickTable = std::array<std::array<std::int8_t, 5>, kSeats>;
// Solves a deal; throws std::runtime_error when the solver fails.
TTrickTable SolveTricks(const TDealMasks& deal);

class TEvaluator {
  public:
    TEvaluator(const TProgram& program, const THandTables& tables);

    // The deal to evaluate on, and the stream rnd() draws from (may be null
    // when the script has no rnd).
    void SetDeal(const TDealMasks& deal, TRandomStream* random);

    // A hand dealt after SetDeal: what was computed before stays, since it
    // read only the hands dealt then.
    void AddHand(int seat, std::uint64_t hand) {
        deal_.Hands[static_cast<std::size_t>(seat)] = hand;
    }

    std::int32_t Value(int node) { return Eval(node); }
    bool Holds(int node) { return Eval(node) != 0; }

    // The first operator that divided by zero since construction, or kNoNode.
    int Fault() const { return fault_; }

  private:
    std::int32_t Eval(int node);
    std::int32_t Compute(const TNode& node);
    std::int32_t SumOver(std::uint64_t hand, const TRankTable& table) const;
    int Len(std::uint64_t hand, int suit) const { return tables_.Lengths[Holding(hand, suit)]; }
    std::int32_t Cccc(std::uint64_t hand) const;
    std::int32_t Divide(const TNode& node, bool modulo);
    std::int32_t Tricks(int seat, int strain);

    const TProgram& program_;
    const THandTables& tables_;
    TDealMasks deal_;
    TRandomStream* random_ = nullptr;
    std::vector<std::int32_t> memoValue_;
    std::vector<std::uint32_t> memoStamp_;
    std::uint32_t stamp_ = 0;
    std::optional<TTrickTable> tricks_;
    int fault_ = kNoNode;
};

// dealer's score() and imps().
std::int32_t ContractScore(bool vulnerable, int level, int strain, std::int32_t tricks);
std::int32_t Imps(std::int32_t difference);

} // namespace kv::script
