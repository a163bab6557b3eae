#include "output/dealtext/SessionDealer.h"

#include "engine/RandomRollback.h"

namespace kv {

TSessionDealer::TSessionDealer(TRandomSource& random, TDealSession& session, TGenerate generate)
    : random_(random), session_(session), generate_(std::move(generate)) {}

bool TSessionDealer::Start(TTypeList& types) {
    TRandomRollback rollback(random_);
    ahead_.reset();
    session_.StartDealt(random_.RandomSeed);
    if (DealNext(types) && DealAhead(types)) {
        rollback.Keep();
        return true;
    }
    session_.StartDealt(rollback.Before().Seed);
    ahead_.reset();
    return false;
}

bool TSessionDealer::DealNext(TTypeList& types) {
    if (AheadHolds(types)) {
        random_.Restore(ahead_->After);
        Append(ahead_->Outcome, types);
        ahead_.reset();
        return true;
    }
    ahead_.reset();
    const std::optional<TDealOutcome> dealt = Deal(types);
    if (!dealt) return false;
    Append(*dealt, types);
    return true;
}

bool TSessionDealer::DealAhead(TTypeList& types) {
    ahead_.reset();
    const TRandomState before = random_.State();
    const std::optional<TDealOutcome> dealt = Deal(types);
    if (!dealt) return false;
    ahead_ = TAhead{before, random_.State(), types, *dealt};
    random_.Restore(before);
    return true;
}

std::optional<TFullDeal> TSessionDealer::Ahead(const TTypeList& types) const {
    if (!AheadHolds(types)) return std::nullopt;
    return ahead_->Outcome.Deal;
}

std::optional<TDealOutcome> TSessionDealer::Deal(TTypeList& types) {
    TRandomRollback rollback(random_);
    std::optional<TDealOutcome> dealt = generate_(types);
    if (dealt && dealt->Dealt()) {
        rollback.Keep();
        return dealt;
    }
    return std::nullopt;
}

void TSessionDealer::Append(const TDealOutcome& outcome, const TTypeList& types) {
    const int count = static_cast<int>(types.size());
    session_.Append(outcome.Deal, {static_cast<int>(outcome.TypeAfterRemoval()) + 1, count});
}

bool TSessionDealer::AheadHolds(const TTypeList& types) const {
    return ahead_ && ahead_->Before == random_.State() && ahead_->Types == types;
}

} // namespace kv
